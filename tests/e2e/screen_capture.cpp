#include "screen_capture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "polling.h"
#include "unique_handle.h"

namespace vistrel::e2e {
namespace {

class ScreenDc {
public:
    ScreenDc() noexcept : dc_(::GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
    }
    [[nodiscard]] HDC get() const noexcept { return dc_; }

private:
    HDC dc_;
};

template <typename T>
void Put(std::ofstream& out, const T& value) {
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

ScreenImage ScreenImage::Capture(const RECT& screenArea) {
    const int width = screenArea.right - screenArea.left;
    const int height = screenArea.bottom - screenArea.top;
    if (width <= 0 || height <= 0) throw std::invalid_argument("empty capture area");
    ScreenDc screen;
    win::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win::UniqueBitmap dib(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (screen.get() == nullptr || !memory || !dib || bits == nullptr) throw std::runtime_error("no screen DC");
    {
        win::SelectGuard select(memory.get(), dib.get());
        if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), screenArea.left, screenArea.top,
                      SRCCOPY | CAPTUREBLT)) {
            throw std::runtime_error("BitBlt from the screen failed");
        }
        ::GdiFlush();
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
    return ScreenImage{screenArea, std::move(pixels)};
}

ScreenImage ScreenImage::CaptureWholeScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Capture(RECT{left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                        top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)});
}

ScreenImage ScreenImage::CaptureSettled(const RECT& screenArea) {
    constexpr milliseconds kDrawLimit{3'000};
    ScreenImage last = Capture(screenArea);
    (void)WaitUntil(
        [&] {
            Pause(milliseconds{50});
            ScreenImage next = Capture(screenArea);
            const bool same = next.Differences(last) == 0;
            last = std::move(next);
            return same;
        },
        kDrawLimit, milliseconds{0});
    return last;
}

Rgb ScreenImage::At(POINT screen) const {
    if (screen.x < area_.left || screen.x >= area_.right || screen.y < area_.top || screen.y >= area_.bottom) {
        throw std::out_of_range("pixel outside the captured area");
    }
    const auto width = static_cast<std::size_t>(area_.right - area_.left);
    const std::uint32_t p = pixels_[static_cast<std::size_t>(screen.y - area_.top) * width +
                                    static_cast<std::size_t>(screen.x - area_.left)];
    return Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

int ScreenImage::Count(const RECT& screen, const std::function<bool(Rgb)>& matches) const {
    RECT inside{};
    if (!::IntersectRect(&inside, &screen, &area_)) return 0;
    int n = 0;
    for (LONG y = inside.top; y < inside.bottom; ++y) {
        for (LONG x = inside.left; x < inside.right; ++x) {
            if (matches(At(POINT{x, y}))) ++n;
        }
    }
    return n;
}

int ScreenImage::Differences(const ScreenImage& other) const {
    const bool sameSize = area_.right - area_.left == other.area_.right - other.area_.left &&
                          area_.bottom - area_.top == other.area_.bottom - other.area_.top;
    if (!sameSize) return static_cast<int>(std::max(pixels_.size(), other.pixels_.size()));
    int n = 0;
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        if (pixels_[i] != other.pixels_[i]) ++n;
    }
    return n;
}

void ScreenImage::SaveBmp(const std::filesystem::path& file) const {
    const int width = area_.right - area_.left;
    const int height = area_.bottom - area_.top;
    const auto rowBytes = static_cast<std::size_t>((width * 3 + 3) & ~3);
    const auto imageBytes = rowBytes * static_cast<std::size_t>(height);

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = static_cast<DWORD>(header.bfOffBits + imageBytes);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up: what every reader takes
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(imageBytes);

    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    Put(out, header);
    Put(out, info);
    std::vector<char> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = At(POINT{area_.left + x, area_.top + y});
            const auto at = static_cast<std::size_t>(x) * 3;
            row[at] = static_cast<char>(c.b);
            row[at + 1] = static_cast<char>(c.g);
            row[at + 2] = static_cast<char>(c.r);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    if (!out) throw std::runtime_error("could not write " + file.string());
}

}  // namespace vistrel::e2e

std::ostream& operator<<(std::ostream& out, const vistrel::e2e::Rgb& c) {
    return out << "rgb(" << int{c.r} << ',' << int{c.g} << ',' << int{c.b} << ')';
}
