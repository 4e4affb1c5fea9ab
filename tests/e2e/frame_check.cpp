#include "frame_check.h"

#include <sstream>

#include "tip_form_layout.h"

namespace vistrel::e2e {
namespace {

namespace tip = layouts::tip;

constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kMaroon{128, 0, 0};
constexpr int kStrip = tip::kStripThickness;
// Left of the picture, right of the left strip.
constexpr int kClearColumn = 15;
// The close button's lowest row plus one.
constexpr int kBelowButton = 25;

class Prober {
public:
    Prober(const ScreenImage& image, const RECT& tip) : image_(image), tip_(tip) {}

    void Expect(int x, int y, Rgb wanted, const char* where) { ExpectOneOf(x, y, wanted, wanted, where); }

    void ExpectOneOf(int x, int y, Rgb wanted, Rgb alternative, const char* where) {
        const Rgb seen = image_.At(POINT{tip_.left + x, tip_.top + y});
        if (seen == wanted || seen == alternative) return;
        std::ostringstream fault;
        fault << where << " at client (" << x << ',' << y << "): wanted " << wanted << ", saw " << seen;
        faults_.push_back(fault.str());
    }

    [[nodiscard]] std::vector<std::string> Faults() && { return std::move(faults_); }

private:
    const ScreenImage& image_;
    RECT tip_;
    std::vector<std::string> faults_;
};

}  // namespace

std::vector<std::string> FrameFaults(const ScreenImage& image, const RECT& tip) {
    const int width = tip.right - tip.left;
    const int height = tip.bottom - tip.top;
    Prober probe(image, tip);
    const bool hasGreen = height > 2 * kStrip;

    for (int d = 0; d < kStrip; ++d) {
        probe.Expect(kClearColumn, d, kYellow, "top strip");
        // The bottom edge line may lie on the last row once it has risen.
        if (d == 0) {
            probe.ExpectOneOf(kClearColumn, height - 1, kYellow, kMaroon, "bottom strip");
        } else {
            probe.Expect(kClearColumn, height - 1 - d, kYellow, "bottom strip");
        }
    }
    if (!hasGreen) return std::move(probe).Faults();
    probe.Expect(kClearColumn, kStrip, kGreen, "below the top strip");
    probe.Expect(kClearColumn, height - 1 - kStrip, kGreen, "above the bottom strip");

    // Side strips on the lowest green row; the right one's inner side only
    // where the close button does not reach.
    const int row = height - 1 - kStrip;
    for (int d = 0; d < kStrip; ++d) {
        probe.Expect(d, row, kYellow, "left strip");
        probe.Expect(width - 1 - d, row, kYellow, "right strip");
    }
    probe.Expect(kStrip, row, kGreen, "right of the left strip");
    if (row >= kBelowButton) probe.Expect(width - 1 - kStrip, row, kGreen, "left of the right strip");
    return std::move(probe).Faults();
}

}  // namespace vistrel::e2e
