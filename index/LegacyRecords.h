// Records of data files saved while the program spoke the system's code page, brought into UTF-8.
#pragma once

#include <windows.h>

#include "index/FolderRecord.h"
#include "index/PathText.h"

class LegacyRecords {
public:
    // Reads the user's legacy code page: the default ANSI code page of the user's locale,
    // the one the program spoke before its manifest asked for UTF-8.
    LegacyRecords();

    // Rewrites a record of the legacy code page in UTF-8, its nameOffset moved to the same
    // name; the rest of the path field is zeroed. False, the record unchanged, when it is not
    // sound in the legacy code page or its UTF-8 path would not fit the field.
    bool ToUtf8(FolderRecord& record) const;

private:
    UINT codePage_ = 0;
    CodePageRules rules_;
};
