#include <windows.h>
#include "app/LeadByte.h"

bool IsLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != 0;
}
