// The side of the square of screen pixels whose mean colour a sample
// takes: the sizes offered, the rule that makes one of them of any number,
// the steps of the wheel and the sizes' names in the menu and the options.
#pragma once

enum {
    SampleSizeCount = 8,
    SampleSizeLabelSize = 16,
};

// 1, 3, 5 up to 15: odd, so that the pointer's pixel is the middle one.
// Size i belongs to command CmdSampleSize1 + i.
extern const int SampleSizes[SampleSizeCount];

// The nearest size of the list at or below value: 0, negatives (and text,
// which reads as 0) give 1; 16 and more give 15.
int NormalSampleSize(int value);

// The place of value's normal size in SampleSizes.
int SampleSizeIndex(int value);

// The size one step up (direction > 0) or down from size's normal size;
// the same size at that end of the list.
int StepSampleSize(int size, int direction);

// "5 × 5": a size as the menu and the options name it; out holds
// SampleSizeLabelSize bytes.
void FormatSampleSizeLabel(int size, char* out);
