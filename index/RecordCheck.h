// The check of a folder record read from a data file, before any part of the program uses it.
#pragma once

#include "index/FolderRecord.h"
#include "index/PathText.h"

// True when the record keeps every invariant of a record made by a scan, read by the rules
// of the code page its path is in: a terminator within the path field, a path that starts
// with a drive letter, ':' and '\', and a nameOffset of at least 3 and less than the path's
// length that points just past the last separator. Reads nothing outside the record.
bool IsSoundRecord(const FolderRecord& record, const CodePageRules& rules);
