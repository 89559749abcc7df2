// The rules of the code page that the ANSI API speaks in this process.
#pragma once

#include <windows.h>

#include "index/PathText.h"

// The rules of a code page by its number: UTF-8, or its lead-byte ranges (none for a
// single-byte code page or one the platform does not know).
CodePageRules CodePageRulesOf(UINT codePage);

// The rules of the active code page (GetACP): UTF-8 when the program's manifest asks for it
// and the system honours that, the system's ANSI code page otherwise.
CodePageRules ActiveCodePageRules();
