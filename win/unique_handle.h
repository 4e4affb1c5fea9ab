#pragma once

#include <windows.h>

#include <utility>

namespace vistrel::win {

// One owner for one Windows handle: freed once, never copied.
template <typename Handle, auto Free>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) noexcept : handle_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    Handle release() noexcept { return std::exchange(handle_, nullptr); }
    void reset(Handle h = nullptr) noexcept {
        if (handle_ != nullptr) Free(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = nullptr;
};

namespace detail {
inline void DeleteGdiObject(HGDIOBJ h) noexcept { ::DeleteObject(h); }
inline void CloseKernelHandle(HANDLE h) noexcept { ::CloseHandle(h); }
inline void DestroyWindowHandle(HWND h) noexcept { ::DestroyWindow(h); }
inline void DestroyIconHandle(HICON h) noexcept { ::DestroyIcon(h); }
inline void DestroyMenuHandle(HMENU h) noexcept { ::DestroyMenu(h); }
inline void DeleteMemoryDc(HDC h) noexcept { ::DeleteDC(h); }
}  // namespace detail

using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, detail::DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;

// Selects a GDI object into a device context for one scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { ::SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The window's device context outside painting.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ::ReleaseDC(hwnd_, dc_);
    }
    [[nodiscard]] HDC get() const noexcept { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

class PaintDc {
public:
    explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &ps_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { ::EndPaint(hwnd_, &ps_); }
    [[nodiscard]] HDC get() const noexcept { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

}  // namespace vistrel::win
