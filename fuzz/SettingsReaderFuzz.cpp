// Any bytes as system.ini: the reader never fails or overruns, its results
// obey the load rules, and writing what it read and reading that again is a
// fixed point (same settings, same keys, same bytes).
#include <stdint.h>
#include <string.h>

#include <string>

#include "FuzzCheck.h"
#include "core/LeadByte.h"
#include "settings/SettingsText.h"

namespace {

int Append(void* context, const char* bytes, size_t length) {
    ((std::string*)context)->append(bytes, length);
    return 1;
}

// Zero the bytes that carry no meaning (history slots past the count, text
// after its terminator) so two records can be compared whole.
Settings Meaningful(const Settings& s) {
    Settings m = s;
    for (int i = m.HistoryCount; i < HistoryCapacity; i++)
        m.HistoryColor[i] = 0;
    memset(m.DispInfoUserFormat, 0, sizeof(m.DispInfoUserFormat));
    strcpy(m.DispInfoUserFormat, s.DispInfoUserFormat);
    return m;
}

// A lead byte standing alone at the end, walking from the start.
bool EndsInHalfCharacter(const char* text) {
    size_t n = strlen(text);
    size_t i = 0;
    while (i < n) {
        if (IsLeadByte((unsigned char)text[i])) {
            if (i + 1 == n)
                return true;
            i += 2;
        } else {
            i++;
        }
    }
    return false;
}

void CheckRules(const Settings& s, CopyKeyList* keys) {
    FUZZ_CHECK(s.Zoom >= 1 && s.Zoom <= 32);
    FUZZ_CHECK(s.SampleSize >= 1 && s.SampleSize <= 15 && s.SampleSize % 2 == 1);
    FUZZ_CHECK(s.TimerInterval >= 10 && s.TimerInterval <= 3000);
    FUZZ_CHECK(s.Height >= 32);
    FUZZ_CHECK(s.HistorySizeX >= 1 && s.HistorySizeY <= 50);
    FUZZ_CHECK(s.HistoryCount >= 0 && s.HistoryCount <= HistoryCapacity);
    FUZZ_CHECK(s.InfoLineCount == CountInfoLines(&s));
    FUZZ_CHECK(s.HighlightColor == LighterColor(s.BackColor));
    FUZZ_CHECK(s.BackColor <= 0xFFFFFF);
    FUZZ_CHECK(memchr(s.DispInfoUserFormat, 0, TextFieldSize) != nullptr);
    FUZZ_CHECK(!EndsInHalfCharacter(s.DispInfoUserFormat));
    FUZZ_CHECK(!strpbrk(s.DispInfoUserFormat, "\r\n\t"));
    int count = CountCopyKeys(keys);
    FUZZ_CHECK(s.CopyKeyCount == count);
    CopyKey k;
    for (int i = 0; i < count; i++) {
        FUZZ_CHECK(GetCopyKey(keys, i, &k));
        FUZZ_CHECK(k.HotkeyId == CopyKeyHotkeyBase + i);
        FUZZ_CHECK(strlen(k.Format) <= TextFieldSize - 1);
        FUZZ_CHECK(!EndsInHalfCharacter(k.Format));
    }
}

void CheckSameKeys(CopyKeyList* a, CopyKeyList* b) {
    int n = CountCopyKeys(a);
    FUZZ_CHECK(n == CountCopyKeys(b));
    CopyKey x, y;
    for (int i = 0; i < n; i++) {
        GetCopyKey(a, i, &x);
        GetCopyKey(b, i, &y);
        FUZZ_CHECK(x.Kind == y.Kind);
        FUZZ_CHECK(strcmp(x.Format, y.Format) == 0);
        FUZZ_CHECK(x.Width == y.Width && x.Height == y.Height);
        FUZZ_CHECK(x.Invert == y.Invert && x.Gradient == y.Gradient);
        FUZZ_CHECK(x.ShortcutKey == y.ShortcutKey && x.Hotkey == y.Hotkey);
        FUZZ_CHECK(x.HotkeyId == y.HotkeyId);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Settings first;
    SetDefaultSettings(&first);
    CopyKeyList firstKeys = nullptr;
    ParseSettingsText((const char*)data, size, &first, &firstKeys);
    CheckRules(first, &firstKeys);

    std::string written;
    FUZZ_CHECK(WriteSettingsText(&first, &firstKeys, Append, &written) == 1);

    Settings second;
    SetDefaultSettings(&second);
    CopyKeyList secondKeys = nullptr;
    ParseSettingsText(written.data(), written.size(), &second, &secondKeys);
    CheckRules(second, &secondKeys);
    Settings a = Meaningful(first);
    Settings b = Meaningful(second);
    FUZZ_CHECK(memcmp(&a, &b, sizeof(a)) == 0);
    CheckSameKeys(&firstKeys, &secondKeys);

    std::string again;
    FUZZ_CHECK(WriteSettingsText(&second, &secondKeys, Append, &again) == 1);
    FUZZ_CHECK(again == written);

    ClearCopyKeys(&firstKeys);
    ClearCopyKeys(&secondKeys);
    return 0;
}
