#pragma once

#include <windows.h>

namespace vistrel::e2e {

// Real input, as a user's hand would give it. Every mouse event carries its
// absolute position: without one Wine uses a stale pointer position.
void MovePointer(POINT screen);
// Moves the pointer from where it is in steps, as a hand would, not in one
// jump: under Wine each jump also echoes back the position before it.
void WalkPointer(POINT to, int steps = 10);
void PressLeft(POINT screen);
void ReleaseLeft(POINT screen);
void ClickLeft(POINT screen);
// A single press each time: waits out the double-click time if need be.
void ClickRight(POINT screen);
void DoubleClickLeft(POINT screen);
// Presses and releases the left button at `from`, moving to `to` in steps.
void DragLeft(POINT from, POINT to, int steps);
void PressKey(WORD virtualKey);

// The middle of a window (a control) on the screen.
[[nodiscard]] POINT CentreOf(HWND window);

}  // namespace vistrel::e2e
