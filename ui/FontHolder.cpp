// A font described by a LOGFONTA, made on demand for a device context, with its text colour.
#include "ui/FontHolder.h"

FontHolder::FontHolder() : logFont() {}

void FontHolder::MakeFont(HDC context, const char* faceName, int pointSize)
{
    Release();
    if (faceName[0]) {
        lstrcpynA(logFont.lfFaceName, faceName, LF_FACESIZE);
    }
    // Negative: a character height in pixels, not a cell height.
    logFont.lfHeight = -MulDiv(pointSize, GetDeviceCaps(context, LOGPIXELSY), 72);
    font_ = CreateFontIndirectA(&logFont);
    TEXTMETRICA metrics;
    if (GetTextMetricsA(context, &metrics)) {
        charWidth_ = metrics.tmAveCharWidth;
        lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    }
}

HGDIOBJ FontHolder::Apply(HDC context) const
{
    SetTextColor(context, textColour);
    return SelectObject(context, font_);
}

int FontHolder::Release()
{
    if (!font_) {
        return 0;
    }
    const int deleted = DeleteObject(font_);
    font_ = nullptr;
    return deleted;
}
