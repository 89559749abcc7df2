// Splitting a message text into the lines a box shows, one per '\n'.
#pragma once

// The number of lines text shows: an empty text has none, a final '\n' starts no further
// line, and two '\n' in a row make an empty line between them.
int CountLines(const char* text);

// Calls visit(line, length, index) for every line of text, in order; the lines are not
// terminated, only counted.
template <typename Visit>
void ForEachLine(const char* text, Visit visit)
{
    int index = 0;
    while (*text) {
        const char* end = text;
        while (*end && *end != '\n') {
            ++end;
        }
        visit(text, static_cast<int>(end - text), index++);
        text = *end ? end + 1 : end;
    }
}
