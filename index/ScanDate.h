// The text of a scan's date and time, as shown in the status line and kept in the settings.
#pragma once

#include <windows.h>

// Writes "MM/DD/YY  hh:mm AM" (18 characters, 12-hour clock) for time into text, which
// holds at least 19 bytes.
void FormatScanDate(const SYSTEMTIME& time, char* text);
