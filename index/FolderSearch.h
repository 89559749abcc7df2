// Type-ahead search: the first folder whose own name starts with the typed text.
#pragma once

#include "index/FolderRecord.h"

constexpr int kSearchTextSize = 60;  // the typed text: at most 59 bytes and a terminator

// The index of the first record, in array order, whose own name starts with text
// (lstrcmpiA on the first lstrlenA(text) bytes); -1 when none does or text is empty.
int FindFirstMatch(const FolderRecord* records, int count, const char* text);

// Whether a match lies outside the rows the search last showed (searchTop .. searchTop +
// visibleRows - 1); with no visible rows every match does.
bool IsOutsideShownRows(int match, int searchTop, int visibleRows);

// The top row that puts a match in the middle of the visible rows (0 near the start).
int CentredTop(int match, int visibleRows);
