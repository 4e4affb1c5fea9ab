#include <windows.h>

#include <shellapi.h>

#include "ingredients.h"

namespace vistrel::bench {

void AddNotifyIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = WM_APP;
    data.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    ::Shell_NotifyIconW(NIM_ADD, &data);
}

}  // namespace vistrel::bench
