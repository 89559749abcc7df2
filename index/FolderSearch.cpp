// Type-ahead search: the first folder whose own name starts with the typed text.
#include "index/FolderSearch.h"

#include <windows.h>

namespace {

bool IsAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

int FindFirstMatch(const FolderRecord* records, int count, const char* text)
{
    const int length = lstrlenA(text);
    if (length == 0 || count <= 0) {
        return -1;
    }
    // A quick look at the first byte settles most names without the locale's comparison:
    // an ASCII letter or digit is never ignored by it and weighs differently from every
    // other letter or digit, so two such first bytes that differ other than in case can
    // never start two equal texts. Every other first byte (blanks, punctuation, letters
    // above 127 with their ligatures) goes through lstrcmpiA as usual.
    const bool quickLook = IsAsciiLetterOrDigit(text[0]);
    const char first = AsciiLower(text[0]);
    char prefix[kPathSize];
    for (int i = 0; i < count; ++i) {
        const char* name = records[i].OwnName();
        if (quickLook && IsAsciiLetterOrDigit(name[0]) && AsciiLower(name[0]) != first) {
            continue;
        }
        lstrcpynA(prefix, name, length + 1);
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
