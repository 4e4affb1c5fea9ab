#pragma once

#include <windows.h>

namespace vistrel::soak {

// Real input, as a hand would give it. Every mouse event carries its
// absolute position: without one Wine uses a stale pointer position.
void ClickLeft(POINT screen);
void ClickRight(POINT screen);
void PressKey(WORD virtualKey);

}  // namespace vistrel::soak
