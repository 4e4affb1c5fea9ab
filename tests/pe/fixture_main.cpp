// A program that does nothing, linked like tovrix.exe but for one fault, to
// show that check_pe.sh notices that fault.
#include <windows.h>

#ifdef VISTREL_FIXTURE_IMPORTS_DLL
int FixtureValue();
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#ifdef VISTREL_FIXTURE_IMPORTS_DLL
    return FixtureValue();
#else
    return 0;
#endif
}
