#pragma once

#include <windows.h>

namespace vistrel::win {

// Window classes of the layer's own controls:
// - a speed button: raised, pressed while held, reports BN_CLICKED to its
//   parent, and never takes the keyboard focus;
// - a panel: a raised inner and lowered outer bevel that passes its
//   children's notifications on to its own parent.
inline constexpr wchar_t kSpeedButtonClass[] = L"VistrelSpeedButton";
inline constexpr wchar_t kPanelClass[] = L"VistrelPanel";

void RegisterControlClasses(HINSTANCE instance);

}  // namespace vistrel::win
