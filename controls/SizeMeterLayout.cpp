#include "controls/SizeMeterLayout.h"

#include <cstdio>

namespace bb::controls {
namespace {

// x + 0.5 truncated toward zero.
int RoundHalfUp(double x) {
    return static_cast<int>(x + 0.5);
}

void AddRun(MeterBar& bar, int part, int from, int to) {
    if (from < to)
        bar.runs.push_back({part, from, to});
}

}  // namespace

int MeterStripWidth(int ownerLeft, int ownerRight, int controlLeft) {
    return ownerLeft + ownerRight - 2 * controlLeft;
}

std::vector<MeterCopy> MeterBackground(int stripWidth) {
    std::vector<MeterCopy> copies;
    for (int x = 0; x < kScaleZero; ++x)
        copies.push_back({x, kPartEmpty, 1});
    for (int x = kScaleZero; x < stripWidth; x += kScaleTileWidth)
        copies.push_back({x, kPartScaleTile, kScaleTileWidth});
    copies.push_back({0, kPartLeftFrame, 2});
    copies.push_back({stripWidth - 2, kPartRightFrame, 2});
    return copies;
}

MeterMarks MeterMarksFor(int stripWidth, int yellowMb, int redMb, int sizeMb) {
    const double most = sizeMb > redMb ? sizeMb : redMb;
    const double length = stripWidth - 60;
    MeterMarks marks;
    marks.yellow = RoundHalfUp(yellowMb * length / most) + kScaleZero;
    if (sizeMb > redMb) {
        marks.red = RoundHalfUp(redMb * length / most) + kScaleZero;
        marks.barEnd = int(length) + kScaleZero;
    } else {
        marks.barEnd = RoundHalfUp(sizeMb * length / most) + kScaleZero;
    }
    return marks;
}

MeterBar MeterBarFor(int stripWidth, int yellowMb, int redMb, int sizeMb) {
    MeterBar bar;
    if (sizeMb <= 0)
        return bar;
    const MeterMarks m = MeterMarksFor(stripWidth, yellowMb, redMb, sizeMb);
    if (m.barEnd < m.yellow) {
        AddRun(bar, kPartGreen, kScaleZero, m.barEnd);
    } else if (m.red < 0) {
        AddRun(bar, kPartGreen, kScaleZero, m.yellow);
        AddRun(bar, kPartYellow, m.yellow, m.barEnd);
        bar.labels.push_back({yellowMb, m.yellow - 20, 37});
    } else {
        AddRun(bar, kPartGreen, kScaleZero, m.yellow);
        AddRun(bar, kPartYellow, m.yellow, m.red);
        bar.labels.push_back({yellowMb, m.yellow - 20, 2});
        AddRun(bar, kPartRed, m.red, m.barEnd);
        bar.labels.push_back({redMb, m.red - 20, 37});
    }
    bar.labels.push_back({0, 8, 37});
    bar.labels.push_back({sizeMb, m.barEnd + 2, 20});
    return bar;
}

std::string MeterLabelText(long mb) {
    char text[32];
    std::snprintf(text, sizeof text, "%ldMB", mb);
    return text;
}

}  // namespace bb::controls
