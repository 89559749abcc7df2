// Splitting a message text into the lines a box shows, one per '\n'.
#include "ui/TextLines.h"

int CountLines(const char* text)
{
    int count = 0;
    ForEachLine(text, [&count](const char*, int, int) { ++count; });
    return count;
}
