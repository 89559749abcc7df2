// Small painting helpers shared by the windows that paint themselves.
#pragma once

#include <windows.h>

// Fills rect with a solid colour through a brush made and deleted for this one fill.
void FillSolid(HDC context, const RECT& rect, COLORREF colour);
