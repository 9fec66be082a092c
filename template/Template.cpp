#include "template/Template.h"

int ExpandTemplate(char* out, const char* tmpl, int capacity, const PointInfo* info) {
    (void)tmpl;
    (void)info;
    if (out && capacity > 0)
        out[0] = 0;
    return 0;
}
