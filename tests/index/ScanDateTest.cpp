// The scan date text: month/day/year, two blanks, the time on the 12-hour clock.
#include <gtest/gtest.h>

#include <string>

#include "index/ScanDate.h"

namespace {

std::string DateText(int year, int month, int day, int hour, int minute)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = 59;
    char text[21];
    FormatScanDate(time, text);
    return text;
}

}  // namespace

TEST(ScanDateTest, MidnightAndFiveMinutesPastAreTwelveAm)
{
    EXPECT_EQ("03/07/06  12:00 AM", DateText(2006, 3, 7, 0, 0));
    EXPECT_EQ("03/07/06  12:05 AM", DateText(2006, 3, 7, 0, 5));
}

TEST(ScanDateTest, NoonIsTwelvePmAndTheAfternoonCountsFromOne)
{
    EXPECT_EQ("03/07/06  12:00 PM", DateText(2006, 3, 7, 12, 0));
    EXPECT_EQ("03/07/06  12:30 PM", DateText(2006, 3, 7, 12, 30));
    EXPECT_EQ("03/07/06  01:45 PM", DateText(2006, 3, 7, 13, 45));
    EXPECT_EQ("12/31/26  11:59 PM", DateText(2026, 12, 31, 23, 59));
}

TEST(ScanDateTest, TheYearIsWrittenModuloAHundred)
{
    EXPECT_EQ("01/01/00  09:07 AM", DateText(2000, 1, 1, 9, 7));
    EXPECT_EQ(18u, DateText(2000, 1, 1, 9, 7).size());
}
