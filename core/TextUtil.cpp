#include "core/TextUtil.h"

#include <string.h>

#include "core/LeadByte.h"

void CopyTextCut(char* dst, const char* src, size_t maxBytes) {
    size_t i = 0;
    while (src[i] != 0 && i < maxBytes) {
        if (IsLeadByte((unsigned char)src[i])) {
            if (i + 1 >= maxBytes || src[i + 1] == 0)
                break;
            dst[i] = src[i];
            dst[i + 1] = src[i + 1];
            i += 2;
            continue;
        }
        dst[i] = src[i];
        i++;
    }
    dst[i] = 0;
}

void DropTrailingLeadByte(char* s) {
    size_t n = strlen(s);
    size_t i = 0;
    while (i < n) {
        if (IsLeadByte((unsigned char)s[i])) {
            if (i + 1 >= n) {
                s[i] = 0;
                return;
            }
            i += 2;
        } else {
            i++;
        }
    }
}

size_t PathNameStart(const char* path) {
    size_t start = 0;
    size_t i = 0;
    while (path[i] != 0) {
        unsigned char c = (unsigned char)path[i];
        if (IsLeadByte(c) && path[i + 1] != 0) {
            i += 2;
            continue;
        }
        if (c == '\\' || c == '/' || (c == ':' && i == 1))
            start = i + 1;
        i++;
    }
    return start;
}
