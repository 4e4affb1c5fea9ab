#include <windows.h>

#include <commctrl.h>

#include "ingredients.h"

namespace vistrel::bench {

void AddUpDown(HWND window) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    HWND edit = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"10", WS_CHILD | WS_VISIBLE | ES_READONLY, 195, 79, 76,
                                  25, window, nullptr, nullptr, nullptr);
    HWND upDown = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS,
                                    271, 79, 16, 25, window, nullptr, nullptr, nullptr);
    ::SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    ::SendMessageW(upDown, UDM_SETRANGE32, 10, 300);
    ::SendMessageW(upDown, UDM_SETPOS32, 0, 10);
    ::SetFocus(edit);
}

}  // namespace vistrel::bench
