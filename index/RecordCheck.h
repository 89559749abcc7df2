// The check of a folder record read from a data file, before any part of the program uses it.
#pragma once

#include "index/FolderRecord.h"
#include "index/PathText.h"

// True when the record keeps every invariant of a record made by a scan, read by the rules
// of the code page its path is in: a terminator within the path field, a path that starts
// with a drive letter, ':' and '\', and a nameOffset of at least 3 and less than the path's
// length that points just past the last separator. Reads nothing outside the record.
bool IsSoundRecord(const FolderRecord& record, const CodePageRules& rules);

// True when the record's path, terminated within its field, is in another code page than the
// process's UTF-8: a data file saved while the program spoke the system's code page holds
// such paths. Where the process itself speaks another code page no record is.
bool IsLegacyRecord(const FolderRecord& record, const CodePageRules& active);
