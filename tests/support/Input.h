// Real keyboard and mouse input for the desktop (SendInput), as a user at the machine gives it.
#pragma once

#include <windows.h>

#include <string>

// The input reaches whichever window has the focus or lies under the cursor, in any
// process: the way a test drives a program that runs as a process of its own.
namespace input {

// A key pressed and let go.
void PressKey(WORD virtualKey);
// A key pressed and let go while Alt (VK_MENU), Shift or Control is held.
void PressWith(WORD modifier, WORD virtualKey);
// Each ASCII character as the key (and Shift) that types it on the current keyboard layout;
// every other character of the UTF-8 text as an input method hands it over, a Unicode key
// event (VK_PACKET) per UTF-16 unit.
void TypeText(const std::string& text);

// Moves the cursor to a point of the screen.
void MoveMouseTo(POINT screen);
// A left click (two: a double click) at a point of the screen.
void Click(POINT screen, int clicks = 1);
// Presses the left button at from, moves to to in steps, and lets go there.
void Drag(POINT from, POINT to);

}  // namespace input
