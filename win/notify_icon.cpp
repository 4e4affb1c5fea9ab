#include "notify_icon.h"

#include <shellapi.h>

#include <algorithm>

namespace vistrel::win {

NotifyIcon::NotifyIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, std::wstring_view tip) noexcept {
    data_.cbSize = sizeof data_;
    data_.hWnd = window;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    const auto length = std::min(tip.size(), std::size(data_.szTip) - 1);
    std::copy_n(tip.begin(), length, data_.szTip);
}

bool NotifyIcon::Add() {
    if (::Shell_NotifyIconW(NIM_ADD, &data_) == FALSE) return false;
    wanted_ = true;
    return true;
}

bool NotifyIcon::Restore() {
    if (!wanted_) return false;
    // The message also comes while the icon still exists (a DPI change, say):
    // a modify that works means there is nothing to add.
    if (::Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE) return true;
    return ::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

void NotifyIcon::Remove() noexcept {
    if (!wanted_) return;
    wanted_ = false;
    NOTIFYICONDATAW remove{};
    remove.cbSize = sizeof remove;
    remove.hWnd = data_.hWnd;
    remove.uID = data_.uID;
    ::Shell_NotifyIconW(NIM_DELETE, &remove);
}

UINT NotifyIcon::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace vistrel::win
