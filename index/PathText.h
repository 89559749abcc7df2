// Where the characters and the separators of a path are, by the rules of its code page.
#pragma once

// In a double-byte code page (932, 936, 949, 950) the second byte of a character may be any
// byte from 0x40 up, the backslash 0x5C among them, so such a path can only be read from its
// start; in UTF-8 a character takes one to four bytes and no byte of it but the first is
// below 0x80. Plain values, so that the check of a loaded record can use them anywhere.
struct CodePageRules {
    bool utf8 = false;
    // The bytes that lead a two-byte character, as ranges of first and last byte, ended by
    // a zero pair (the platform's CPINFO lists them this way).
    unsigned char leadBytes[12] = {};
};

// The rules of UTF-8, the code page the program asks for.
constexpr CodePageRules kUtf8Rules = {true, {}};

// The start of the last character of text[0, length); 0 for an empty text.
int LastCharacterStart(const char* text, int length, const CodePageRules& rules);

// The position of the last backslash in text[0, length) that is a separator and not part of
// a character; -1 when there is none.
int LastSeparator(const char* text, int length, const CodePageRules& rules);

// True when text[0, length) is well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(const char* text, int length);
