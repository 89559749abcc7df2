// The check of a folder record read from a data file, before any part of the program uses it.
#pragma once

#include "index/FolderRecord.h"

// True when the record keeps every invariant of a record made by a scan: a terminator
// within the path field, a path that starts with a drive letter, ':' and '\', and a
// nameOffset of at least 3 and less than the path's length that points just past a '\'
// at an own name without a '\'. Reads nothing outside the record.
bool IsSoundRecord(const FolderRecord& record);
