#include <windows.h>
#include "core/LeadByte.h"

bool IsLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != 0;
}
