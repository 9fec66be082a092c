#include "settings/SettingsText.h"

#include <limits.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "core/LeadByte.h"
#include "core/SampleSize.h"
#include "core/TextUtil.h"
#include "core/Zoom.h"

// Text to integer the way the file means it: leading white space, an
// optional sign, digits up to the first other character; no digits give 0.
// Values beyond the int range stop at INT_MAX / INT_MIN.
static int ParseDecimal(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r')
        p++;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        p++;
    }
    long long v = 0;
    while (*p >= '0' && *p <= '9') {
        if (v <= (long long)INT_MAX + 1)
            v = v * 10 + (*p - '0');
        p++;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return (int)v;
}

namespace {

enum FieldKind {
    FieldInt,
    FieldColor,
    FieldCustomColors,
    FieldHistory,
    FieldText,
};

struct SettingKey {
    const char* name;
    FieldKind kind;
    size_t offset;
};

#define KEY_INT(name) {#name, FieldInt, offsetof(Settings, name)}

// The [System] keys in the order they are written.
const SettingKey kSettingKeys[SettingsKeyCount] = {
    KEY_INT(Left),
    KEY_INT(Top),
    KEY_INT(Width),
    KEY_INT(Height),
    KEY_INT(WindowTop),
    KEY_INT(WindowAlpha),
    KEY_INT(Opacity),
    KEY_INT(EndDispoption),
    {"CustomColor", FieldCustomColors, offsetof(Settings, CustomColor)},
    KEY_INT(BackColorMode),
    {"BackColor", FieldColor, offsetof(Settings, BackColor)},
    KEY_INT(FrameWidth),
    KEY_INT(DispZoomImage),
    KEY_INT(DispCursor),
    KEY_INT(CursorMode),
    KEY_INT(DispGrid),
    KEY_INT(Zoom),
    KEY_INT(TimerInterval),
    KEY_INT(MouseMoveRedraw),
    KEY_INT(DispMouseDownInfo),
    KEY_INT(DispInfoUser),
    {"DispInfoUserFormat", FieldText, offsetof(Settings, DispInfoUserFormat)},
    KEY_INT(DispInfoColor),
    KEY_INT(DispInfoMouse),
    KEY_INT(DispInfoHWND),
    KEY_INT(DispInfoClass),
    KEY_INT(DispInfoTitle),
    KEY_INT(DispInfoArea),
    KEY_INT(DispColorHistory),
    KEY_INT(HistorySizeX),
    KEY_INT(HistorySizeY),
    KEY_INT(HistoryOrder),
    {"HistoryColor", FieldHistory, offsetof(Settings, HistoryColor)},
    KEY_INT(FixMouse),
    KEY_INT(FixMouseX),
    KEY_INT(FixMouseY),
    KEY_INT(ReversColor),
    KEY_INT(ReversH),
    KEY_INT(ReversV),
    KEY_INT(HalfTone),
    KEY_INT(WebSafeColor),
    KEY_INT(InvalidHotkey),
    KEY_INT(DoubleClickMin),
    KEY_INT(SampleSize),
};

enum Section { SectionNone, SectionSystem, SectionCopyKey };

enum { LineSize = SettingsLineLimit + 1, CopyKeyFieldCount = 8 };

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

// Case-insensitive equality of a span with a name (ASCII letters only: the
// names are ASCII, and a lead byte is never a letter).
bool SameName(const char* text, size_t length, const char* name) {
    size_t i = 0;
    for (; i < length; i++) {
        if (name[i] == 0 || LowerAscii(text[i]) != LowerAscii(name[i]))
            return false;
    }
    return name[i] == 0;
}

bool IsHexDigit(char c, unsigned* value) {
    if (c >= '0' && c <= '9')
        *value = (unsigned)(c - '0');
    else if (c >= 'a' && c <= 'f')
        *value = (unsigned)(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        *value = (unsigned)(c - 'A' + 10);
    else
        return false;
    return true;
}

int* IntField(Settings* s, const SettingKey& k) {
    return (int*)((char*)s + k.offset);
}

ColorRef* ColorField(Settings* s, const SettingKey& k) {
    return (ColorRef*)((char*)s + k.offset);
}

void StoreSetting(Settings* s, const char* key, size_t keyLength, const char* value) {
    for (const SettingKey& k : kSettingKeys) {
        if (!SameName(key, keyLength, k.name))
            continue;
        switch (k.kind) {
        case FieldInt:
            *IntField(s, k) = ParseDecimal(value);
            break;
        case FieldColor:
            *ColorField(s, k) = ParseColorText(value, strlen(value));
            break;
        case FieldCustomColors:
            // Slots the line does not reach keep what they had.
            ParseColorList(value, s->CustomColor, CustomColorCount);
            break;
        case FieldHistory:
            s->HistoryCount = ParseColorList(value, s->HistoryColor, HistoryCapacity);
            break;
        case FieldText:
            // Cut at 255 bytes, never inside a double-byte character.
            CopyTextCut(s->DispInfoUserFormat, value, TextFieldSize - 1);
            break;
        }
        return;
    }
}

struct ParseState {
    Settings* s;
    CopyKeyList* list;
    Section section;
    int keyCount;  // records in the list, for the hotkey identifiers
};

void HandleLine(ParseState* st, char* line, size_t length) {
    if (length == 0 || line[0] == ';')
        return;
    if (line[0] == '[') {
        // Exact after lower-casing: blanks around the name make it no match,
        // and the section that was open stays open.
        if (SameName(line, length, "[system]"))
            st->section = SectionSystem;
        else if (SameName(line, length, "[copykey]"))
            st->section = SectionCopyKey;
        return;
    }
    if (st->section == SectionNone)
        return;
    // Split at the first "="; nothing is trimmed, so "Zoom = 4" has the key
    // "zoom " and sets nothing.
    const char* eq = (const char*)memchr(line, '=', length);
    size_t keyLength = eq ? (size_t)(eq - line) : length;
    const char* value = eq ? eq + 1 : "";
    if (st->section == SectionSystem) {
        StoreSetting(st->s, line, keyLength, value);
        return;
    }
    if (!SameName(line, keyLength, "key") || st->keyCount >= SettingsMaxCopyKeys)
        return;
    CopyKey key;
    ParseCopyKeyValue(value, &key);
    key.HotkeyId = CopyKeyHotkeyBase + st->keyCount;
    // A record that cannot be stored (out of memory) is dropped and the next
    // one takes its place.
    if (InsertCopyKey(st->list, -1, &key))
        st->keyCount++;
}

// One field of a copy-key value into field (size bytes; a longer field is
// walked to its end but only its start is kept). Returns the position after
// it and tells whether a comma ended it. An escaped comma or backslash never
// ends a field, and a double-byte character is never examined.
const char* CollectFieldBounded(const char* p, char* field, size_t size, bool* moreFields) {
    size_t n = 0;
    bool full = false;
    *moreFields = false;
    while (*p) {
        unsigned char c = (unsigned char)*p;
        size_t unit = 1;
        if ((IsLeadByte(c) && p[1] != 0) || (c == '\\' && (p[1] == ',' || p[1] == '\\'))) {
            unit = 2;
        } else if (c == ',') {
            *moreFields = true;
            p++;
            break;
        }
        if (!full && n + unit < size) {
            memcpy(field + n, p, unit);
            n += unit;
        } else {
            full = true;
        }
        p += unit;
    }
    field[n] = 0;
    return p;
}

// Appends what the System section holds; fails rather than overflow.
struct TextBuffer {
    char* data;
    size_t size;
    size_t used;
    bool ok;
};

void AppendFormat(TextBuffer* b, const char* format, ...) __attribute__((format(printf, 2, 3)));

void AppendFormat(TextBuffer* b, const char* format, ...) {
    if (!b->ok)
        return;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(b->data + b->used, b->size - b->used, format, args);
    va_end(args);
    if (n < 0 || (size_t)n >= b->size - b->used) {
        b->ok = false;
        b->data[b->used] = 0;
        return;
    }
    b->used += (size_t)n;
}

void AppendColor(TextBuffer* b, ColorRef c) {
    AppendFormat(b, "#%02X%02X%02X", ColorRed(c), ColorGreen(c), ColorBlue(c));
}

void AppendColorList(TextBuffer* b, const ColorRef* colors, int count) {
    for (int i = 0; i < count; i++) {
        if (i > 0)
            AppendFormat(b, ",");
        AppendColor(b, colors[i]);
    }
}

// The user line's format is written raw. It never holds a line break when it
// came from the file; one typed in must not split the line and smuggle the
// rest in as settings of its own, so the value stops at the first CR or LF.
size_t RawValueLength(const char* text) {
    size_t n = 0;
    while (n < TextFieldSize - 1 && text[n] != 0 && text[n] != '\r' && text[n] != '\n')
        n++;
    return n;
}

int Send(SettingsSink sink, void* context, const char* bytes, size_t length) {
    return sink(context, bytes, length) ? 1 : 0;
}

}  // namespace

ColorRef ParseColorText(const char* text, size_t length) {
    unsigned number = 0;
    unsigned shift = 0;
    int digits = 0;
    for (size_t i = length; i > 0 && digits < 7; i--) {
        unsigned d;
        if (!IsHexDigit(text[i - 1], &d))
            continue;
        number |= d << shift;
        shift += 4;
        digits++;
    }
    number &= 0xFFFFFF;
    return MakeColor((int)(number >> 16), (int)((number >> 8) & 0xFF), (int)(number & 0xFF));
}

int ParseColorList(const char* value, ColorRef* slots, int capacity) {
    int count = 0;
    const char* item = value;
    const char* p = value;
    // Tabs never reach the value from the line reader, but the list skips
    // them on its own too; non-hex characters are ignored by the colour
    // parser anyway, so a tab inside an item changes nothing.
    for (; *p && count < capacity; p++) {
        if (*p != ',')
            continue;
        slots[count++] = ParseColorText(item, (size_t)(p - item));
        item = p + 1;
    }
    if (count < capacity && *p == 0) {
        bool any = false;
        for (const char* q = item; q < p; q++)
            any = any || *q != '\t';
        if (any)
            slots[count++] = ParseColorText(item, (size_t)(p - item));
    }
    return count;
}

static void UnescapeCopyKeyFormat(const char* field, char* format) {
    const size_t limit = TextFieldSize - 1;
    size_t n = 0;
    const char* p = field;
    while (*p && *p != '\r') {
        unsigned char c = (unsigned char)*p;
        const char* unit = p;
        size_t unitLength = 1;
        size_t advance = 1;
        if (IsLeadByte(c)) {
            // Half a character at the end of the field is dropped.
            if (p[1] == 0)
                break;
            unitLength = 2;
            advance = 2;
        } else if (c == '\\' && p[1] != 0) {
            advance = 2;
            switch (p[1]) {
            case 'n':
                unit = "\r\n";
                unitLength = 2;
                break;
            case 't':
                unit = "\t";
                break;
            case '\\':
                break;  // the first backslash is the unit
            case ',':
                unit = p + 1;
                break;
            default:
                // Any other character after a backslash keeps both; the
                // character is taken on its own next, so a double-byte one
                // stays whole.
                advance = 1;
                break;
            }
        }
        // A unit goes in whole or not at all, so the cut never leaves half a
        // double-byte character or a CR without its LF.
        if (n + unitLength > limit)
            break;
        memcpy(format + n, unit, unitLength);
        n += unitLength;
        p += advance;
    }
    format[n] = 0;
}

void ParseCopyKeyValue(const char* value, CopyKey* key) {
    InitCopyKey(key);
    // A field never outgrows the value; a value from the file is at most
    // one line long, anything longer is read in line-sized pieces.
    char field[LineSize];
    const char* p = value;
    bool more = true;
    for (int position = 1; more; position++) {
        p = CollectFieldBounded(p, field, sizeof(field), &more);
        switch (position) {
        case 1:
            key->Kind = ParseDecimal(field);
            break;
        case 2:
            UnescapeCopyKeyFormat(field, key->Format);
            break;
        case 3:
            key->Width = ParseDecimal(field);
            break;
        case 4:
            key->Height = ParseDecimal(field);
            break;
        case 5:
            key->Invert = ParseDecimal(field);
            break;
        case 6:
            key->Gradient = ParseDecimal(field);
            break;
        case 7:
            key->ShortcutKey = ParseDecimal(field);
            break;
        case 8:
            key->Hotkey = ParseDecimal(field);
            break;
        default:
            break;  // fields beyond the eighth are ignored
        }
    }
}

size_t EscapeCopyKeyFormat(const char* format, char* out) {
    size_t n = 0;
    size_t i = 0;
    const size_t limit = TextFieldSize - 1;
    while (i < limit && format[i] != 0) {
        unsigned char c = (unsigned char)format[i];
        if (IsLeadByte(c)) {
            char next = i + 1 < limit ? format[i + 1] : 0;
            // Half a character (a lead byte at the end, or before a line
            // break or a tab, which are never trail bytes) is dropped:
            // written out it would swallow the field's comma or the line
            // end when read back.
            if (next == 0 || next == '\r' || next == '\n' || next == '\t') {
                i++;
                continue;
            }
            out[n++] = format[i];
            out[n++] = format[i + 1];
            i += 2;
            continue;
        }
        i++;
        switch (c) {
        case '\\':
            out[n++] = '\\';
            out[n++] = '\\';
            break;
        case '\r':
            // CR LF is one line break; a CR or LF on its own is written as
            // one too, since raw it would end the line in the file.
            if (i < limit && format[i] == '\n')
                i++;
            out[n++] = '\\';
            out[n++] = 'n';
            break;
        case '\n':
            out[n++] = '\\';
            out[n++] = 'n';
            break;
        case '\t':
            out[n++] = '\\';
            out[n++] = 't';
            break;
        case ',':
            out[n++] = '\\';
            out[n++] = ',';
            break;
        default:
            out[n++] = (char)c;
            break;
        }
    }
    out[n] = 0;
    return n;
}

static void ApplyPostLoadRules(Settings* s, CopyKeyList* list) {
    if (s->Height < 32)
        s->Height = 32;
    RecomputeDerivedColors(s);
    s->Zoom = ClampZoom(s->Zoom);
    s->SampleSize = NormalSampleSize(s->SampleSize);
    // Too long a period falls back to one second, not to the maximum.
    if (s->TimerInterval < 10)
        s->TimerInterval = 10;
    if (s->TimerInterval > 3000)
        s->TimerInterval = 1000;
    s->InfoLineCount = CountInfoLines(s);
    if (s->HistorySizeX < 1)
        s->HistorySizeX = 1;
    if (s->HistorySizeY > 50)
        s->HistorySizeY = 50;
    RecountCopyKeys(s, list);
}

void ParseSettingsText(const char* data, size_t size, Settings* s, CopyKeyList* list) {
    ParseState st = {s, list, SectionNone, CountCopyKeys(list)};
    char line[LineSize];
    size_t pos = 0;
    while (pos < size) {
        size_t length = 0;
        size_t taken = 0;  // tabs count toward the limit although dropped
        while (pos < size) {
            char c = data[pos++];
            // CR LF, a lone CR, a lone LF and a zero byte each end a line;
            // after a CR only an LF is skipped.
            if (c == '\r') {
                if (pos < size && data[pos] == '\n')
                    pos++;
                break;
            }
            if (c == '\n' || c == 0)
                break;
            if (c != '\t')
                line[length++] = c;
            if (++taken == SettingsLineLimit)
                break;
        }
        line[length] = 0;
        HandleLine(&st, line, length);
    }
    ApplyPostLoadRules(s, list);
}

int WriteSettingsText(Settings* s, CopyKeyList* list, SettingsSink sink, void* context) {
    // The [System] section goes out as one piece.
    char section[4096];
    TextBuffer b = {section, sizeof(section), 0, true};
    AppendFormat(&b, "[System]\r\n");
    for (const SettingKey& k : kSettingKeys) {
        AppendFormat(&b, "%s=", k.name);
        switch (k.kind) {
        case FieldInt:
            AppendFormat(&b, "%d", *IntField(s, k));
            break;
        case FieldColor:
            AppendColor(&b, *ColorField(s, k));
            break;
        case FieldCustomColors:
            AppendColorList(&b, s->CustomColor, CustomColorCount);
            break;
        case FieldHistory: {
            int count = s->HistoryCount;
            if (count < 0)
                count = 0;
            if (count > HistoryCapacity)
                count = HistoryCapacity;
            AppendColorList(&b, s->HistoryColor, count);
            break;
        }
        case FieldText:
            AppendFormat(&b, "%.*s", (int)RawValueLength(s->DispInfoUserFormat),
                         s->DispInfoUserFormat);
            break;
        }
        AppendFormat(&b, "\r\n");
    }
    AppendFormat(&b, "\r\n[CopyKey]\r\n");
    if (!b.ok || !Send(sink, context, section, b.used))
        return 0;

    int count = RecountCopyKeys(s, list);
    CopyKey key;
    for (int i = 0; i < count && GetCopyKey(list, i, &key); i++) {
        char escaped[EscapedFormatSize];
        EscapeCopyKeyFormat(key.Format, escaped);
        char line[LineSize];
        int n = snprintf(line, sizeof(line), "Key=%d,%s,%d,%d,%d,%d,%d,%d\r\n", key.Kind, escaped,
                         key.Width, key.Height, key.Invert, key.Gradient, key.ShortcutKey,
                         key.Hotkey);
        if (n < 0 || (size_t)n >= sizeof(line) || !Send(sink, context, line, (size_t)n))
            return 0;
    }
    return Send(sink, context, "\r\n", 2);
}

int SettingsPathForExe(const char* exePath, char* out, size_t outSize) {
    // The folder ends where the program's file name starts.
    size_t folderLength = PathNameStart(exePath);
    static const char kName[] = "system.ini";
    if (folderLength + sizeof(kName) > outSize)
        return 0;
    memcpy(out, exePath, folderLength);
    memcpy(out + folderLength, kName, sizeof(kName));
    return 1;
}
