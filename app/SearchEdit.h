// The search box: every typed character asks the workspace to search again.
#pragma once

#include <windows.h>

// Replaces the edit's window procedure with one that posts WM_SEARCH to its parent on
// every WM_CHAR before the edit handles the character.
void SubclassSearchEdit(HWND edit);
