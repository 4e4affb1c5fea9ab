#pragma once

#include <windows.h>

#include <atomic>
#include <span>
#include <string_view>
#include <thread>

#include "unique_handle.h"

namespace vistrel::e2e {

// A pop-up menu of the test's own, made of the given items (an empty one is
// a separator) on the settings window's face colour and shown by the
// system at a point as the program shows its menu. Another process cannot
// read a menu's items under Wine; a picture of this one, and where its
// items lie, is what the program's menu must match.
class ReferenceMenu {
public:
    // Opens the menu on a thread of its own; throws if it never shows.
    ReferenceMenu(std::span<const std::wstring_view> items, POINT at, UINT flags);
    ReferenceMenu(const ReferenceMenu&) = delete;
    ReferenceMenu& operator=(const ReferenceMenu&) = delete;
    ~ReferenceMenu() { Close(); }

    [[nodiscard]] HWND Window() const noexcept { return window_; }
    // An item's rectangle on the screen, by position.
    [[nodiscard]] RECT ItemRect(UINT position) const;

private:
    void Track(POINT at, UINT flags);
    void Close() noexcept;

    win::UniqueMenu menu_;
    std::atomic<HWND> owner_ = nullptr;
    std::atomic<bool> tracking_ = true;
    HWND window_ = nullptr;
    std::jthread thread_;
};

}  // namespace vistrel::e2e
