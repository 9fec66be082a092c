#include "template/DateEscape.h"

#include <stdio.h>
#include <string.h>

static const char* const kMonthNames[12] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
static const char* const kMonthShortNames[12] = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};
static const char* const kWeekdayNames[7] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};
static const char* const kWeekdayShortNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
static const char* const kWeekdayJapaneseNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

static const char* MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[month - 1] : "";
}

static const char* MonthShortName(int month) {
    return month >= 1 && month <= 12 ? kMonthShortNames[month - 1] : "";
}

static const char* WeekdayName(int dayOfWeek) {
    return dayOfWeek >= 0 && dayOfWeek <= 6 ? kWeekdayNames[dayOfWeek] : "";
}

static const char* WeekdayShortName(int dayOfWeek) {
    return dayOfWeek >= 0 && dayOfWeek <= 6 ? kWeekdayShortNames[dayOfWeek] : "";
}

static const char* WeekdayJapaneseName(int dayOfWeek) {
    return dayOfWeek >= 0 && dayOfWeek <= 6 ? kWeekdayJapaneseNames[dayOfWeek] : "";
}

// snprintf's result is the length it wanted; the caller needs what is there.
static int Written(int n, int outSize) {
    if (n < 0)
        return 0;
    return n < outSize ? n : outSize - 1;
}

static int CopyName(const char* name, char* out, int outSize) {
    return Written(snprintf(out, (size_t)outSize, "%s", name), outSize);
}

int FormatEscape(unsigned char c, const SysTime* t, char* out, int outSize) {
    if (outSize <= 0)
        return 0;
    int year = t->Year;
    int month = t->Month;
    int day = t->Day;
    int hour = t->Hour;
    int minute = t->Minute;
    int second = t->Second;
    // The 12-hour clock runs 0 to 11: noon and midnight are both 0.
    int hour12 = hour >= 12 ? hour - 12 : hour;
    bool morning = hour < 12;
    size_t size = (size_t)outSize;
    int n;
    switch (c) {
    case '1':
        n = snprintf(out, size, "%d/%02d/%02d", year, month, day);
        break;
    case '2':
        n = snprintf(out, size, "%02d:%02d:%02d", hour, minute, second);
        break;
    case '3':
        n = snprintf(out, size, "%d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute,
                     second);
        break;
    case '4':
        n = snprintf(out, size, "%d年%d月%d日", year, month, day);
        break;
    case '5':
        n = snprintf(out, size, "%d年%d月%d日（%s）", year, month, day,
                     WeekdayJapaneseName(t->DayOfWeek));
        break;
    case '6':
        n = snprintf(out, size, "%d年%d月%d日 %s%d時%d分%d秒", year, month, day,
                     morning ? "午前" : "午後", hour12, minute, second);
        break;
    case '7':
        n = snprintf(out, size, "%s %d %d", MonthName(month), day, year);
        break;
    case 'Y':
        n = snprintf(out, size, "%d", year);
        break;
    case 'y':
        n = snprintf(out, size, "%02d", year - 2000);
        break;
    case 'm':
        n = snprintf(out, size, "%d", month);
        break;
    case 'M':
        n = snprintf(out, size, "%02d", month);
        break;
    case 'f':
        return CopyName(MonthShortName(month), out, outSize);
    case 'F':
        return CopyName(MonthName(month), out, outSize);
    case 'd':
        n = snprintf(out, size, "%d", day);
        break;
    case 'D':
        n = snprintf(out, size, "%02d", day);
        break;
    case 'w':
        return CopyName(WeekdayShortName(t->DayOfWeek), out, outSize);
    case 'W':
        return CopyName(WeekdayName(t->DayOfWeek), out, outSize);
    case 'a':
        return CopyName(WeekdayJapaneseName(t->DayOfWeek), out, outSize);
    case 'g':
        n = snprintf(out, size, "%d", hour12);
        break;
    case 'G':
        n = snprintf(out, size, "%02d", hour12);
        break;
    case 'h':
        n = snprintf(out, size, "%d", hour);
        break;
    case 'H':
        n = snprintf(out, size, "%02d", hour);
        break;
    case 'i':
        n = snprintf(out, size, "%d", minute);
        break;
    case 'I':
        n = snprintf(out, size, "%02d", minute);
        break;
    case 's':
        n = snprintf(out, size, "%d", second);
        break;
    case 'S':
        n = snprintf(out, size, "%02d", second);
        break;
    case 'p':
        return CopyName(morning ? "AM" : "PM", out, outSize);
    case 'P':
        return CopyName(morning ? "午前" : "午後", out, outSize);
    case 't':
        return CopyName("\t", out, outSize);
    case 'n':
        return CopyName("\r\n", out, outSize);
    default:
        // \\ and every character that is no escape stand for themselves;
        // that is how a template writes a literal [ or ].
        if (outSize < 2) {
            out[0] = 0;
            return 0;
        }
        out[0] = (char)c;
        out[1] = 0;
        return 1;
    }
    return Written(n, outSize);
}
