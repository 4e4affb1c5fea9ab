// Program entry: the settings window first (it refuses a second copy), then
// the pop-up, then the message loop until the settings window closes.
#include <windows.h>

#include "Utovrix.h"
#include "application.h"
#include "uTip.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        vistrel::win::Application application(instance);
        application.Initialize();
        application.SetMainFormOnTaskBar(true);
        auto* frm_main = application.CreateForm<vistrel::Tfrm_main>();
        if (application.Terminated()) return 0;
        auto* frm_tip = application.CreateForm<vistrel::Tfrm_tip>();
        frm_main->ConnectTip(*frm_tip);
        application.Run();
    } catch (...) {
        return 1;
    }
    return 0;
}
