// A one-pixel sunken frame: dark on the top and left edges, light on the right and bottom.
#include "ui/BevelFrame.h"

void BevelFrame::Set(const RECT& rect)
{
    x = rect.left;
    y = rect.top;
    width = rect.right - rect.left + 1;
    height = rect.bottom - rect.top + 1;
}

void BevelFrame::Draw(HDC context) const
{
    if (width == -1) {
        return;
    }
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    HPEN darkPen = CreatePen(PS_SOLID, 1, dark);
    HPEN lightPen = CreatePen(PS_SOLID, 1, light);
    HGDIOBJ previous = SelectObject(context, darkPen);
    MoveToEx(context, x, bottom, nullptr);
    LineTo(context, x, y);
    LineTo(context, right, y);
    SelectObject(context, lightPen);
    LineTo(context, right, bottom);
    LineTo(context, x, bottom);
    SelectObject(context, previous);
    DeleteObject(darkPen);
    DeleteObject(lightPen);
}
