#include <gtest/gtest.h>

#include <string>

#include "template/DateEscape.h"

namespace {

std::string Escape(char c, const SysTime& t) {
    char out[EscapeTextSize];
    int n = FormatEscape((unsigned char)c, &t, out, sizeof(out));
    EXPECT_EQ(strlen(out), (size_t)n) << c;
    return out;
}

// Sunday 6 December 2026, 15:05:09.
const SysTime kSunday = {2026, 12, 0, 6, 15, 5, 9, 0};

TEST(DateEscape, AfternoonOfSundaySixthDecember2026) {
    const SysTime& t = kSunday;
    EXPECT_EQ("2026/12/06", Escape('1', t));
    EXPECT_EQ("15:05:09", Escape('2', t));
    EXPECT_EQ("2026/12/06 15:05:09", Escape('3', t));
    EXPECT_EQ("2026年12月6日", Escape('4', t));
    EXPECT_EQ("2026年12月6日（日）", Escape('5', t));
    EXPECT_EQ("2026年12月6日 午後3時5分9秒", Escape('6', t));
    EXPECT_EQ("December 6 2026", Escape('7', t));
    EXPECT_EQ("2026", Escape('Y', t));
    EXPECT_EQ("26", Escape('y', t));
    EXPECT_EQ("12", Escape('m', t));
    EXPECT_EQ("12", Escape('M', t));
    EXPECT_EQ("Dec", Escape('f', t));
    EXPECT_EQ("December", Escape('F', t));
    EXPECT_EQ("6", Escape('d', t));
    EXPECT_EQ("06", Escape('D', t));
    EXPECT_EQ("Sun", Escape('w', t));
    EXPECT_EQ("Sunday", Escape('W', t));
    EXPECT_EQ("日", Escape('a', t));
    EXPECT_EQ("3", Escape('g', t));
    EXPECT_EQ("03", Escape('G', t));
    EXPECT_EQ("15", Escape('h', t));
    EXPECT_EQ("15", Escape('H', t));
    EXPECT_EQ("5", Escape('i', t));
    EXPECT_EQ("05", Escape('I', t));
    EXPECT_EQ("9", Escape('s', t));
    EXPECT_EQ("09", Escape('S', t));
    EXPECT_EQ("PM", Escape('p', t));
    EXPECT_EQ("午後", Escape('P', t));
}

TEST(DateEscape, ControlCharactersAndOrdinaryCharacters) {
    EXPECT_EQ("\t", Escape('t', kSunday));
    EXPECT_EQ("\r\n", Escape('n', kSunday));
    EXPECT_EQ("\\", Escape('\\', kSunday));
    // Everything else stands for itself, digits 0, 8, 9 and other letters too.
    for (char c : std::string("089xXAbBcCeEjJkKlLnoOqQrRTuUvVzZ[]{}%,")) {
        if (c == 'n')
            continue;
        EXPECT_EQ(std::string(1, c), Escape(c, kSunday)) << c;
    }
}

TEST(DateEscape, TwelveHourClockRunsFromZeroToEleven) {
    SysTime t = {2026, 1, 4, 1, 0, 30, 0, 0};  // Thursday 1 January, 00:30:00
    EXPECT_EQ("0", Escape('g', t));
    EXPECT_EQ("00", Escape('G', t));
    EXPECT_EQ("AM", Escape('p', t));
    EXPECT_EQ("午前", Escape('P', t));
    EXPECT_EQ("2026年1月1日 午前0時30分0秒", Escape('6', t));
    EXPECT_EQ("2026/01/01", Escape('1', t));
    EXPECT_EQ("00:30:00", Escape('2', t));
    EXPECT_EQ("January 1 2026", Escape('7', t));
    EXPECT_EQ("Thu", Escape('w', t));
    EXPECT_EQ("木", Escape('a', t));
    t.Hour = 12;
    t.Minute = 0;
    EXPECT_EQ("0", Escape('g', t));
    EXPECT_EQ("PM", Escape('p', t));
    EXPECT_EQ("2026年1月1日 午後0時0分0秒", Escape('6', t));
    t.Hour = 11;
    EXPECT_EQ("11", Escape('g', t));
    EXPECT_EQ("AM", Escape('p', t));
    t.Hour = 23;
    EXPECT_EQ("11", Escape('G', t));
    EXPECT_EQ("午後", Escape('P', t));
}

TEST(DateEscape, TwoDigitYear) {
    SysTime t = kSunday;
    t.Year = 2005;
    EXPECT_EQ("05", Escape('y', t));
    t.Year = 2100;
    EXPECT_EQ("100", Escape('y', t));
}

// A damaged time stamp (month 0 or 13, weekday 7) must not read past the
// name tables; the names are left empty.
TEST(DateEscape, OutOfRangeIndexesGiveEmptyNames) {
    SysTime t = {2026, 13, 7, 40, 99, 99, 99, 0};
    EXPECT_EQ("", Escape('f', t));
    EXPECT_EQ("", Escape('F', t));
    EXPECT_EQ("", Escape('w', t));
    EXPECT_EQ("", Escape('W', t));
    EXPECT_EQ("", Escape('a', t));
    EXPECT_EQ(" 40 2026", Escape('7', t));
    EXPECT_EQ("2026年13月40日（）", Escape('5', t));
    t.Month = 0;
    EXPECT_EQ("", Escape('F', t));
    EXPECT_EQ("2026/00/40", Escape('1', t));
    // The largest values still fit the escape buffer.
    SysTime big = {65535, 65535, 65535, 65535, 65535, 65535, 65535, 0};
    EXPECT_EQ("65535年65535月65535日 午後65523時65535分65535秒", Escape('6', big));
}

TEST(DateEscape, SmallBuffersStayTerminated) {
    char out[4];
    EXPECT_EQ(3, FormatEscape('F', &kSunday, out, sizeof(out)));
    EXPECT_STREQ("Dec", out);
    EXPECT_EQ(3, FormatEscape('1', &kSunday, out, sizeof(out)));
    EXPECT_STREQ("202", out);
    char one[1] = {'x'};
    EXPECT_EQ(0, FormatEscape('x', &kSunday, one, 1));
    EXPECT_EQ(0, one[0]);
}

}  // namespace
