#include "ingredients.h"

namespace vistrel::bench {

void AddChineseLabels(HWND window) {
    // Kept for the life of the process, like the program's; never freed.
    HFONT font = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                                      CLEARTYPE_QUALITY, 0, L"微软雅黑");
    const wchar_t* const texts[] = {
        L"   本功能将以设置的时间间隔为周期，在屏幕右下角以信息提示窗的形式，进行休息和护眼提醒。",
        L"时间间隔：（单位：分钟）",
        L"   本软件运行后，会在电脑右下角生成相应图标，在图标上点击右键菜单，可进行相关操作。",
    };
    int top = 33;
    for (const wchar_t* text : texts) {
        HWND label = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, 30, top, 281, 40, window,
                                       nullptr, nullptr, nullptr);
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        top += 45;
    }
}

}  // namespace vistrel::bench
