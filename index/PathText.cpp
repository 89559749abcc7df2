// Where the characters and the separators of a path are, by the rules of its code page.
#include "index/PathText.h"

namespace {

bool IsLeadByte(unsigned char byte, const CodePageRules& rules)
{
    for (int i = 0; i + 1 < static_cast<int>(sizeof rules.leadBytes) && rules.leadBytes[i]; i += 2) {
        if (byte >= rules.leadBytes[i] && byte <= rules.leadBytes[i + 1]) {
            return true;
        }
    }
    return false;
}

// Where the character that starts at i ends. A UTF-8 character is its first byte and the
// continuation bytes (10xxxxxx) after it; a double-byte character is a lead byte and the
// byte after it. A lead byte at the very end stands alone.
int NextCharacter(const char* text, int i, int length, const CodePageRules& rules)
{
    int end = i + 1;
    if (rules.utf8) {
        while (end < length && end - i < 4 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
    } else if (end < length && IsLeadByte(static_cast<unsigned char>(text[i]), rules)) {
        ++end;
    }
    return end;
}

// The start of the last character of text[0, length) for which match(its first byte) holds;
// -1 when there is none. The text is read from its start: only there is a character's first
// byte known to be one.
template <typename Match>
int LastCharacterWhere(const char* text, int length, const CodePageRules& rules, Match match)
{
    int found = -1;
    for (int i = 0; i < length; i = NextCharacter(text, i, length, rules)) {
        if (match(text[i])) {
            found = i;
        }
    }
    return found;
}

}  // namespace

int LastCharacterStart(const char* text, int length, const CodePageRules& rules)
{
    const int last = LastCharacterWhere(text, length, rules, [](char) { return true; });
    return last > 0 ? last : 0;
}

int LastSeparator(const char* text, int length, const CodePageRules& rules)
{
    if (rules.utf8 || !rules.leadBytes[0]) {
        // No byte of a UTF-8 or single-byte character but its first can be a backslash.
        int i = length - 1;
        while (i >= 0 && text[i] != '\\') {
            --i;
        }
        return i;
    }
    return LastCharacterWhere(text, length, rules, [](char c) { return c == '\\'; });
}

bool IsUtf8(const char* text, int length)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    int i = 0;
    while (i < length) {
        const unsigned char first = bytes[i];
        if (first < 0x80) {
            ++i;
            continue;
        }
        // The length of the sequence and the range its second byte must lie in, which rules
        // out overlong forms, surrogates (U+D800 to U+DFFF) and code points past U+10FFFF.
        int size = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (first >= 0xC2 && first <= 0xDF) {
            size = 2;
        } else if (first >= 0xE0 && first <= 0xEF) {
            size = 3;
            low = first == 0xE0 ? 0xA0 : 0x80;
            high = first == 0xED ? 0x9F : 0xBF;
        } else if (first >= 0xF0 && first <= 0xF4) {
            size = 4;
            low = first == 0xF0 ? 0x90 : 0x80;
            high = first == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (length - i < size || bytes[i + 1] < low || bytes[i + 1] > high) {
            return false;
        }
        for (int k = 2; k < size; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) {
                return false;
            }
        }
        i += size;
    }
    return true;
}
