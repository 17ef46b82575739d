// The size meter's arithmetic: strip width, marks, bar runs and labels, and
// the background copies that build the strip.
#include <gtest/gtest.h>

#include "controls/SizeMeterLayout.h"

namespace bb::controls {

namespace {

using controls::MeterBarFor;
using controls::MeterLabel;
using controls::MeterMarks;
using controls::MeterRun;

constexpr int kGreen = controls::kPartGreen;
constexpr int kYellow = controls::kPartYellow;
constexpr int kRed = controls::kPartRed;

struct BarCase {
    const char* name;
    int width, yellow, red, size;
    MeterMarks marks;
    std::vector<MeterRun> runs;
    std::vector<MeterLabel> labels;
};

TEST(SizeMeterBar, RunsAndLabelsFollowTheMarks) {
    const BarCase cases[] = {
        {"below yellow: green only", 515, 4482, 8106, 3000, {267, -1, 183},
         {{kGreen, 15, 183}}, {{0, 8, 37}, {3000, 185, 20}}},
        {"between the limits", 515, 4482, 8106, 6000, {267, -1, 352},
         {{kGreen, 15, 267}, {kYellow, 267, 352}}, {{4482, 247, 37}, {0, 8, 37}, {6000, 354, 20}}},
        {"over red: the scale stands for the size", 515, 4482, 8106, 9000, {242, 425, 470},
         {{kGreen, 15, 242}, {kYellow, 242, 425}, {kRed, 425, 470}},
         {{4482, 222, 2}, {8106, 405, 37}, {0, 8, 37}, {9000, 472, 20}}},
        {"one MB over red: no red column, labels as over red", 515, 4482, 8106, 8107, {267, 470, 470},
         {{kGreen, 15, 267}, {kYellow, 267, 470}}, {{4482, 247, 2}, {8106, 450, 37}, {0, 8, 37}, {8107, 472, 20}}},
        {"exactly the red limit: full length, no red mark", 515, 4482, 8106, 8106, {267, -1, 470},
         {{kGreen, 15, 267}, {kYellow, 267, 470}}, {{4482, 247, 37}, {0, 8, 37}, {8106, 472, 20}}},
        {"exactly the yellow limit: E = A, the yellow run is empty", 515, 4482, 8106, 4482, {267, -1, 267},
         {{kGreen, 15, 267}}, {{4482, 247, 37}, {0, 8, 37}, {4482, 269, 20}}},
        {"one MB: rounds to no column", 515, 4482, 8106, 1, {267, -1, 15}, {}, {{0, 8, 37}, {1, 17, 20}}},
        {"limits of 0: every size is over red", 515, 0, 0, 10, {15, 15, 470},
         {{kRed, 15, 470}}, {{0, -5, 2}, {0, -5, 37}, {0, 8, 37}, {10, 472, 20}}},
        {"CD limits, a half-point rounds up", 515, 650, 700, 600, {438, -1, 405}, {{kGreen, 15, 405}},
         {{0, 8, 37}, {600, 407, 20}}},
    };
    for (const BarCase& c : cases) {
        EXPECT_EQ(controls::MeterMarksFor(c.width, c.yellow, c.red, c.size), c.marks) << c.name;
        const controls::MeterBar bar = MeterBarFor(c.width, c.yellow, c.red, c.size);
        EXPECT_EQ(bar.runs, c.runs) << c.name;
        EXPECT_EQ(bar.labels, c.labels) << c.name;
    }
}

TEST(SizeMeterBar, NothingWithoutASize) {
    for (int size : {0, -1}) {
        const controls::MeterBar bar = MeterBarFor(515, 4482, 8106, size);
        EXPECT_TRUE(bar.runs.empty()) << size;
        EXPECT_TRUE(bar.labels.empty()) << size;
    }
}

TEST(SizeMeterStrip, WidthMirrorsTheControlsGapToTheOwner) {
    struct Case {
        int ownerLeft, ownerRight, controlLeft, width;
    } const cases[] = {{100, 640, 112, 516}, {0, 533, 9, 515}, {-50, 490, -38, 516}};
    for (const Case& c : cases)
        EXPECT_EQ(controls::MeterStripWidth(c.ownerLeft, c.ownerRight, c.controlLeft), c.width) << c.controlLeft;
}

TEST(SizeMeterStrip, BackgroundCoversEveryColumnOnce) {
    for (int width : {40, 515, 516, 600}) {
        const std::vector<controls::MeterCopy> copies = controls::MeterBackground(width);
        // The last copy to reach a column decides what it shows.
        std::vector<int> shown(size_t(width), -1);
        for (const controls::MeterCopy& copy : copies)
            for (int i = 0; i < copy.width; ++i)
                if (copy.stripX + i < width)
                    shown[size_t(copy.stripX + i)] = copy.partX + i;
        for (int x = 0; x < width; ++x) {
            int want;
            if (x < 2)
                want = controls::kPartLeftFrame + x;
            else if (x >= width - 2)
                want = controls::kPartRightFrame + (x - (width - 2));
            else if (x < controls::kScaleZero)
                want = controls::kPartEmpty;
            else
                want = controls::kPartScaleTile + (x - controls::kScaleZero) % controls::kScaleTileWidth;
            ASSERT_EQ(shown[size_t(x)], want) << "width " << width << " x " << x;
        }
    }
}

TEST(SizeMeterLabel, ValuesInMegabytes) {
    EXPECT_EQ(controls::MeterLabelText(0), "0MB");
    EXPECT_EQ(controls::MeterLabelText(4482), "4482MB");
    EXPECT_EQ(controls::MeterLabelText(-3), "-3MB");
}

}  // namespace

}  // namespace bb::controls
