#include <gtest/gtest.h>

#include <ostream>

#include "unique_handle.h"

#include "dpi.h"
#include "screen.h"

// RECT lives in the global namespace: so must these, for GoogleTest to find them.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

namespace vistrel::win {
namespace {

TEST(ToDevice, IsTheIdentityAt96Dpi) {
    const WindowDc screen(nullptr);
    ASSERT_EQ(::GetDeviceCaps(screen.get(), LOGPIXELSY), USER_DEFAULT_SCREEN_DPI) << "the prefix is not at 96 DPI";
    for (const int pixels : {0, 1, -12, 25, 180, 274, 1280}) EXPECT_EQ(ToDevice(pixels), pixels);
}

RECT SystemWorkArea() {
    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// Puts this process's work area back, whatever the test did to it.
class WorkAreaRestorer {
public:
    WorkAreaRestorer() noexcept : saved_(SystemWorkArea()) {}
    WorkAreaRestorer(const WorkAreaRestorer&) = delete;
    WorkAreaRestorer& operator=(const WorkAreaRestorer&) = delete;
    ~WorkAreaRestorer() { ::SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0); }

private:
    RECT saved_;
};

TEST(WorkArea, IsTheSystemsAndIsReadAfreshAtEachCall) {
    const WorkAreaRestorer restore;
    EXPECT_EQ(WorkArea(), SystemWorkArea());

    const SIZE screen = ScreenSize();
    // A taskbar at the bottom, then one at the left.
    for (RECT moved : {RECT{0, 0, screen.cx, screen.cy - 40}, RECT{60, 0, screen.cx, screen.cy}}) {
        ASSERT_TRUE(::SystemParametersInfoW(SPI_SETWORKAREA, 0, &moved, 0));
        EXPECT_EQ(WorkArea(), moved);
    }
}

}  // namespace
}  // namespace vistrel::win
