// Type-ahead search: the first folder whose own name starts with the typed text.
#include "index/FolderSearch.h"

#include <windows.h>

int FindFirstMatch(const FolderRecord* records, int count, const char* text)
{
    const int length = lstrlenA(text);
    if (length == 0 || count <= 0) {
        return -1;
    }
    char prefix[kPathSize];
    for (int i = 0; i < count; ++i) {
        lstrcpynA(prefix, records[i].OwnName(), length + 1);
        if (lstrcmpiA(prefix, text) == 0) {
            return i;
        }
    }
    return -1;
}

bool IsOutsideShownRows(int match, int searchTop, int visibleRows)
{
    return match < searchTop || match >= searchTop + visibleRows;
}

int CentredTop(int match, int visibleRows)
{
    const int top = match - visibleRows / 2;
    return top > 0 ? top : 0;
}
