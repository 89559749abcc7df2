// A font described by a LOGFONTA, made on demand for a device context, with its text colour.
#pragma once

#include <windows.h>

class FontHolder {
public:
    FontHolder();
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;

    // Makes the font from logFont at pointSize points for context (faceName replaces the
    // face unless empty), and takes the context's text metrics. An earlier font is
    // released first.
    void MakeFont(HDC context, const char* faceName, int pointSize);
    // Sets the context's text colour and selects the font; returns the font it replaced.
    HGDIOBJ Apply(HDC context) const;
    // Deletes the font; the deletion's result, or 0 when there was none.
    int Release();

    HFONT Font() const { return font_; }
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }

    LOGFONTA logFont;
    COLORREF textColour = 0;

private:
    int charWidth_ = 0;
    int lineHeight_ = 0;
    HFONT font_ = nullptr;
};
