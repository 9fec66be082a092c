#include "core/SampleSize.h"

#include <stdio.h>

const int SampleSizes[SampleSizeCount] = {1, 3, 5, 7, 9, 11, 13, 15};

int SampleSizeIndex(int value) {
    int i = 0;
    while (i + 1 < SampleSizeCount && SampleSizes[i + 1] <= value)
        i++;
    return i;
}

int NormalSampleSize(int value) {
    return SampleSizes[SampleSizeIndex(value)];
}

int StepSampleSize(int size, int direction) {
    int i = SampleSizeIndex(size) + (direction > 0 ? 1 : -1);
    if (i < 0)
        i = 0;
    if (i >= SampleSizeCount)
        i = SampleSizeCount - 1;
    return SampleSizes[i];
}

void FormatSampleSizeLabel(int size, char* out) {
    snprintf(out, SampleSizeLabelSize, "%d × %d", size, size);
}
