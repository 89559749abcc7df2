// Small painting helpers shared by the windows that paint themselves.
#include "ui/Paint.h"

void FillSolid(HDC context, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(context, &rect, brush);
    DeleteObject(brush);
}
