// Which folders with a reparse point the walker records but does not enter.
#include "index/ReparsePoint.h"

bool IsLink(DWORD attributes, DWORD reparseTag)
{
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return false;
    }
    return !IsReparseTagMicrosoft(reparseTag) || IsReparseTagNameSurrogate(reparseTag);
}
