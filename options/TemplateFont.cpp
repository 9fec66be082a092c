#include "options/TemplateFont.h"

#include <stdint.h>
#include <string.h>

namespace {

enum { SetFontStyle = 0x40 };  // DS_SETFONT: font fields follow the title

// A menu or class field: 0 (none), 0xFFFF and an ordinal, or a string.
uint16_t* SkipNameOrOrdinal(uint16_t* p) {
    if (*p == 0xFFFF)
        return p + 2;
    while (*p != 0)
        p++;
    return p + 1;
}

uint32_t ReadStyle(const uint16_t* p) {
    uint32_t v;
    memcpy(&v, p, sizeof(v));
    return v;
}

}  // namespace

int SetTemplateFont(void* tmpl, int pointSize, const char* face) {
    uint16_t* p = (uint16_t*)tmpl;
    // DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF; its style
    // follows the help ID and the extended style. Both kinds end their fixed
    // part with the item count and x, y, cx, cy.
    bool extended = p[0] == 1 && p[1] == 0xFFFF;
    uint32_t style = ReadStyle(extended ? p + 6 : p);
    if (!(style & SetFontStyle))
        return 0;
    p += extended ? 13 : 9;
    p = SkipNameOrOrdinal(p);  // menu
    p = SkipNameOrOrdinal(p);  // window class
    while (*p != 0)            // title
        p++;
    p++;
    uint16_t* size = p++;
    if (extended)
        p += 2;  // weight, then italic and character set bytes
    size_t length = 0;
    while (p[length] != 0)
        length++;
    *size = (uint16_t)pointSize;
    if (length != strlen(face))
        return 1;
    for (size_t i = 0; i < length; i++)
        p[i] = (uint16_t)(unsigned char)face[i];
    return 2;
}
