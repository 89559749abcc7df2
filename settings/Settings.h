// The program's settings in the registry: the document's file and scan date, and the main
// window's placement.
#pragma once

#include <windows.h>

// HKEY_CURRENT_USER path of the one key that holds every setting.
extern const char kSettingsPath[];

constexpr int kDataFileReadSize = 260;  // the whole data file field: the longest path the save dialog gives
constexpr int kScanDateSize = 21;

// Fills dataFileName (260 bytes) and scanDate (21 bytes) from the key; a missing or too
// long value yields "". When the key cannot be opened both are left as they are.
void ReadSettings(char* dataFileName, char* scanDate);

// Stores both texts as REG_SZ with their terminators. False when the key cannot be
// opened or a value cannot be written.
bool WriteDocumentSettings(const char* dataFileName, const char* scanDate);

// Stores the window's flags, show command and normal rectangle. Nonzero when all three
// values were written.
int SaveWindowPlacement(HWND window);

// Applies the stored placement, which also shows the window. 1 when it was applied; 0
// when a value is missing or not a REG_DWORD where one belongs, the show command is not
// one a placement holds, or the rectangle starts off the screen (the window is then left
// untouched and hidden).
int RestoreWindowPlacement(HWND window);
