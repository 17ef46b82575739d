// What the size meter draws: which columns of the parts bitmap go where in
// the strip, the bar's runs and the labels, from the strip width, the two
// limits and the size (all sizes in MB). Pure arithmetic; CSizeMeter copies
// the columns and writes the labels.
#pragma once

#include <string>
#include <vector>

namespace bb::controls {

// The parts bitmap: 28 x 50 pixels, one role per column range.
inline constexpr int kMeterHeight = 50;
inline constexpr int kMeterPartsWidth = 28;
inline constexpr int kPartLeftFrame = 0;   // 2 columns
inline constexpr int kPartGreen = 2;
inline constexpr int kPartYellow = 3;
inline constexpr int kPartRed = 4;
inline constexpr int kPartScaleTile = 5;   // 20 columns
inline constexpr int kPartRightFrame = 25;  // 2 columns
inline constexpr int kPartEmpty = 27;
inline constexpr int kScaleTileWidth = 20;
inline constexpr int kScaleZero = 15;       // strip x of the scale's 0
inline constexpr int kBarTop = 13;          // bar rows 13-36
inline constexpr int kBarRows = 24;

// W = Lo + Ro - 2 Lm: the strip starts at the control's left edge and ends as
// far from the owner's right edge as the control is from the owner's left.
[[nodiscard]] int MeterStripWidth(int ownerLeft, int ownerRight, int controlLeft);

// One copy of `width` columns from the parts bitmap (all 50 rows, or the bar
// rows for a bar run) to the strip.
struct MeterCopy {
    int stripX = 0;
    int partX = 0;
    int width = 0;
    friend bool operator==(const MeterCopy&, const MeterCopy&) = default;
};

// The background, in drawing order: the empty column left of the scale, the
// scale tiles from x = 15 while x < W (the last may reach past the strip and
// is clipped there), then both frames.
[[nodiscard]] std::vector<MeterCopy> MeterBackground(int stripWidth);

struct MeterMarks {
    int yellow = 0;     // A
    int red = -1;       // B; -1 when the size is not above the red limit
    int barEnd = 0;     // E
    friend bool operator==(const MeterMarks&, const MeterMarks&) = default;
};
// The scale positions for size S > 0 (the caller draws no bar otherwise).
[[nodiscard]] MeterMarks MeterMarksFor(int stripWidth, int yellowMb, int redMb, int sizeMb);

// A run of bar columns [from, to) copied from one colour column.
struct MeterRun {
    int partColumn = 0;
    int from = 0;
    int to = 0;
    friend bool operator==(const MeterRun&, const MeterRun&) = default;
};

// A value written as "%ldMB" with its top-left corner at (x, y) of the strip.
struct MeterLabel {
    long mb = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const MeterLabel&, const MeterLabel&) = default;
};

struct MeterBar {
    std::vector<MeterRun> runs;      // empty runs are left out
    std::vector<MeterLabel> labels;  // in drawing order
};
// The bar and its labels; nothing when the size is 0 or less.
[[nodiscard]] MeterBar MeterBarFor(int stripWidth, int yellowMb, int redMb, int sizeMb);

[[nodiscard]] std::string MeterLabelText(long mb);

}  // namespace bb::controls
