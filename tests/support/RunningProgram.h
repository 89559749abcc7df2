// The program started inside the test process on its static objects, and taken down again.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Deletes the program's settings key, so that the next start finds no settings.
void DeleteProgramSettings();
// Writes a text value (REG_SZ) into the settings key, creating the key when needed.
void WriteProgramSetting(const char* name, const std::string& text);
// Reads a value of the settings key as text; false when it is not there.
bool ReadProgramSetting(const char* name, std::string* text);

// Runs the start-up without the message loop, the window shown with showCommand; false
// when the main window with its bands could not be made.
bool StartTestProgram(int showCommand = SW_SHOWNORMAL);

// Destroys what is left of the main window without the close question and drains the
// queue, including the quit messages that the frame and the workspace post on the way out.
void StopTestProgram();

// Dispatches this thread's messages the way the program's main loop does (accelerators are
// translated for the main window first) until condition() holds or timeoutMs has passed;
// returns the last value of condition(). A quit message is left in the queue.
bool PumpProgramUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);
// Lets through the program's loop what is queued now, and what that brings, for waitMs.
void PumpProgramFor(DWORD waitMs);
