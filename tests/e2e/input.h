#pragma once

#include <windows.h>

namespace vistrel::e2e {

// Real input, as a user's hand would give it. Every mouse event carries its
// absolute position: without one Wine uses a stale pointer position.
void MovePointer(POINT screen);
void PressLeft(POINT screen);
void ReleaseLeft(POINT screen);
void ClickLeft(POINT screen);
// Presses and releases the left button at `from`, moving to `to` in steps.
void DragLeft(POINT from, POINT to, int steps);
void PressKey(WORD virtualKey);

// The middle of a window (a control) on the screen.
[[nodiscard]] POINT CentreOf(HWND window);

}  // namespace vistrel::e2e
