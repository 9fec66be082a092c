#include <gtest/gtest.h>

#include <string>

#include "template/DateEscape.h"

namespace {

// The texts of the escapes named in chars, joined by "|".
std::string Escapes(const char* chars, const SysTime& t) {
    std::string joined;
    for (const char* c = chars; *c; c++) {
        char out[EscapeTextSize];
        int n = FormatEscape((unsigned char)*c, &t, out, sizeof(out));
        EXPECT_EQ(strlen(out), (size_t)n) << *c;
        joined += (c == chars ? "" : "|") + std::string(out);
    }
    return joined;
}

// Sunday 6 December 2026, 15:05:09.
const SysTime kSunday = {2026, 12, 0, 6, 15, 5, 9, 0};

TEST(DateEscape, AfternoonOfSundaySixthDecember2026) {
    EXPECT_EQ("2026/12/06|15:05:09|2026/12/06 15:05:09|2026年12月6日|2026年12月6日（日）|"
              "2026年12月6日 午後3時5分9秒|December 6 2026|"
              "2026|26|12|12|Dec|December|6|06|Sun|Sunday|日|3|03|15|15|5|05|9|09|PM|午後",
              Escapes("1234567YymMfFdDwWagGhHiIsSpP", kSunday));
    // Tab, line break, backslash; anything else stands for itself.
    EXPECT_EQ("\t|\r\n|\\|0|8|x|[|%", Escapes("tn\\08x[%", kSunday));
}

TEST(DateEscape, TwelveHourClockRunsFromZeroToEleven) {
    // Thursday 1 January 2026 at 00:30 and at 12:00.
    EXPECT_EQ("0|00|0|00|AM|午前|2026年1月1日 午前0時30分0秒|Thu|木",
              Escapes("gGhHpP6wa", {2026, 1, 4, 1, 0, 30, 0, 0}));
    EXPECT_EQ("0|00|12|PM|午後|2026年1月1日 午後0時0分0秒", Escapes("gGhpP6", {2026, 1, 4, 1, 12, 0, 0, 0}));
    EXPECT_EQ("05", Escapes("y", {2005, 1, 6, 1, 0, 0, 0, 0}));
    EXPECT_EQ("100", Escapes("y", {2100, 1, 5, 1, 0, 0, 0, 0}));
}

// A damaged time stamp must not read past the name tables or the buffer.
TEST(DateEscape, DamagedTimeStampsGiveEmptyNamesAndStayInTheBuffer) {
    EXPECT_EQ("||||| 40 2026|2026年13月40日（）", Escapes("fFwWa75", {2026, 13, 7, 40, 99, 99, 99, 0}));
    EXPECT_EQ("|2026/00/40", Escapes("F1", {2026, 0, 0, 40, 0, 0, 0, 0}));
    EXPECT_EQ("65535年65535月65535日 午後65523時65535分65535秒",
              Escapes("6", {65535, 65535, 65535, 65535, 65535, 65535, 65535, 0}));
}

}  // namespace
