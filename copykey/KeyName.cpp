#include "copykey/KeyName.h"

#include "copykey/KeyCombo.h"

int FormatKeyName(int combo, char* out) {
    return FormatKeyNameWith(combo, out, LookupLayoutKeyName);
}
