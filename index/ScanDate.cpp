// The text of a scan's date and time, as shown in the status line and kept in the settings.
#include "index/ScanDate.h"

namespace {

char* TwoDigits(char* out, int value)
{
    out[0] = static_cast<char>('0' + value / 10 % 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

}  // namespace

void FormatScanDate(const SYSTEMTIME& time, char* text)
{
    const int hour = time.wHour % 24;
    const int hour12 = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
    char* out = TwoDigits(text, time.wMonth);
    *out++ = '/';
    out = TwoDigits(out, time.wDay);
    *out++ = '/';
    out = TwoDigits(out, time.wYear % 100);
    *out++ = ' ';
    *out++ = ' ';
    out = TwoDigits(out, hour12);
    *out++ = ':';
    out = TwoDigits(out, time.wMinute);
    lstrcpyA(out, hour < 12 ? " AM" : " PM");
}
