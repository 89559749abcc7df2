// Type-ahead search: the first folder whose own name starts with the typed text.
#include "index/FolderSearch.h"

#include <windows.h>

namespace {

bool IsAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Whether a UTF-8 name starts with a letter of a script other than Latin: Greek (with its
// accented letters), the basic Cyrillic letters, kana, the long-standing block of CJK
// ideographs or a Hangul syllable. The ranges hold letters only; malformed bytes never
// decode into them.
bool StartsWithOtherScriptLetter(const char* name)
{
    static const unsigned kLetters[][2] = {{0x0388, 0x038A}, {0x038C, 0x038C}, {0x038E, 0x03A1},
                                           {0x03A3, 0x03CE}, {0x0400, 0x045F}, {0x3041, 0x3096},
                                           {0x30A1, 0x30FA}, {0x4E00, 0x9FA5}, {0xAC00, 0xD7A3}};
    const auto* bytes = reinterpret_cast<const unsigned char*>(name);
    unsigned code = 0;
    if (bytes[0] >= 0xC2 && bytes[0] <= 0xDF && (bytes[1] & 0xC0) == 0x80) {
        code = (bytes[0] & 0x1Fu) << 6 | (bytes[1] & 0x3Fu);
    } else if (bytes[0] >= 0xE0 && bytes[0] <= 0xEF && (bytes[1] & 0xC0) == 0x80 && (bytes[2] & 0xC0) == 0x80) {
        code = (bytes[0] & 0x0Fu) << 12 | (bytes[1] & 0x3Fu) << 6 | (bytes[2] & 0x3Fu);
    }
    for (const auto& range : kLetters) {
        if (code >= range[0] && code <= range[1]) {
            return true;
        }
    }
    return false;
}

}  // namespace

int FindFirstMatch(const FolderRecord* records, int count, const char* text)
{
    const int length = lstrlenA(text);
    if (length == 0 || count <= 0) {
        return -1;
    }
    // A quick look at the first character settles most names without the locale's
    // comparison: an ASCII letter or digit is never ignored by it and weighs differently from
    // every other letter or digit, so two such first bytes that differ other than in case can
    // never start two equal texts. Nor can a text that starts with one and a name that starts
    // with a letter of another script, which the comparison weighs in that script (read only
    // where the process speaks UTF-8). Every other first character (blanks, punctuation,
    // accented Latin letters with their ligatures, symbols) goes through lstrcmpiA as usual.
    const bool quickLook = IsAsciiLetterOrDigit(text[0]);
    const bool otherScripts = quickLook && GetACP() == CP_UTF8;
    const char first = AsciiLower(text[0]);
    char prefix[kPathSize];
    for (int i = 0; i < count; ++i) {
        const char* name = records[i].OwnName();
        if (quickLook && IsAsciiLetterOrDigit(name[0]) && AsciiLower(name[0]) != first) {
            continue;
        }
        if (otherScripts && StartsWithOtherScriptLetter(name)) {
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
