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

}  // namespace

int LastCharacterStart(const char* text, int length, const CodePageRules& rules)
{
    int last = 0;
    for (int i = 0; i < length; i = NextCharacter(text, i, length, rules)) {
        last = i;
    }
    return last;
}

int LastSeparator(const char* text, int length, const CodePageRules& rules)
{
    int separator = -1;
    for (int i = 0; i < length; i = NextCharacter(text, i, length, rules)) {
        if (text[i] == '\\') {
            separator = i;
        }
    }
    return separator;
}
