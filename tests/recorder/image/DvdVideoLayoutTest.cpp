// Placement of VIDEO_TS files from synthetic IFOs: the sectors each file
// must start at, and the IFOs that must be refused.
#include <gtest/gtest.h>

#include <map>

#include "recorder/image/DvdVideoLayout.h"
#include "tests/recorder/image/DvdVideoFiles.h"
#include "tests/support/Sandbox.h"

namespace bb::recorder::image {
namespace {

using bb::test::Sandbox;

// One title set as the IFOs describe it; sizes in sectors.
struct TitleSetSpec {
    uint32_t ifo = 2, lastSector = 24, menuStart = 4, menuVob = 4, titleStart = 10;
    std::vector<int> titleParts = {1, 2};  // VTS_01_<n>.VOB present
    std::vector<uint32_t> titleSizes = {5, 3};
};

struct Case {
    const char* name;
    // Video manager: IFO sectors, last sector, menu start/size, title sets declared.
    uint32_t vmgIfo = 2, vmgLast = 31, vmgMenuStart = 0, vmgMenuVob = 0;
    uint16_t declaredSets = 1;
    uint32_t setStart = 32;
    TitleSetSpec set;
    const char* magic = "DVDVIDEO-VTS";
    bool writeVmg = true;
    const char* error = nullptr;  // substring of the message when refused
    std::map<std::string, int64_t> expected;
};

// Test names and failure output show the case's name, not its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class DvdVideoLayoutTest : public ::testing::TestWithParam<Case> {};

TEST_P(DvdVideoLayoutTest, PlacesOrRefuses) {
    const Case& c = GetParam();
    Sandbox box;
    std::vector<DvdFile> files;
    auto add = [&](const std::string& name, uint64_t sectors, bool write) {
        if (write) testing::WritePattern(box.At(name), sectors * kSectorSize, 1);
        files.push_back({name, box.At(name), sectors * kSectorSize});
    };
    if (c.writeVmg) {
        testing::WriteVmgIfo(box.At("VIDEO_TS.IFO"), c.vmgIfo, c.vmgLast, c.declaredSets, c.vmgMenuStart, {{1, c.setStart}});
        files.push_back({"VIDEO_TS.IFO", box.At("VIDEO_TS.IFO"), c.vmgIfo * uint64_t(kSectorSize)});
    }
    if (c.vmgMenuVob) add("VIDEO_TS.VOB", c.vmgMenuVob, true);
    add("VIDEO_TS.BUP", c.vmgIfo, true);
    testing::WriteVtsIfo(box.At("vts_01_0.ifo"), c.set.ifo, c.set.lastSector, c.set.menuStart, c.set.titleStart);
    if (std::string(c.magic) != "DVDVIDEO-VTS") {
        std::vector<uint8_t> head(kSectorSize * c.set.ifo, 0);
        std::memcpy(head.data(), c.magic, 12);
        testing::WriteBytes(box.At("vts_01_0.ifo"), head);
    }
    // Lower-case names on disk and on the disc are accepted alike.
    files.push_back({"vts_01_0.ifo", box.At("vts_01_0.ifo"), c.set.ifo * uint64_t(kSectorSize)});
    if (c.set.menuVob) add("VTS_01_0.VOB", c.set.menuVob, true);
    for (size_t i = 0; i < c.set.titleParts.size(); ++i)
        add("VTS_01_" + std::to_string(c.set.titleParts[i]) + ".VOB", c.set.titleSizes[i], true);
    add("VTS_01_0.BUP", c.set.ifo, true);
    add("NOTES.TXT", 1, true);

    DvdLayout layout = PlanDvdVideoLayout(files);
    if (c.error) {
        EXPECT_FALSE(layout.ok);
        EXPECT_NE(layout.message.find(c.error), std::string::npos) << layout.message;
        return;
    }
    ASSERT_TRUE(layout.ok) << layout.message;
    std::map<std::string, int64_t> got;
    for (size_t i = 0; i < files.size(); ++i) got[files[i].name] = layout.offsets[i];
    for (const auto& [name, offset] : c.expected) EXPECT_EQ(got[name], offset) << name;
    EXPECT_EQ(got["NOTES.TXT"], -1);
}

Case Valid() {
    Case c;
    c.name = "valid";
    // Title set at 32: IFO 32, menu 36, titles 42 and 47 back to back, BUP in the last two sectors.
    c.expected = {{"VIDEO_TS.IFO", 0}, {"VIDEO_TS.BUP", 30}, {"vts_01_0.ifo", 32}, {"VTS_01_0.VOB", 36},
                  {"VTS_01_1.VOB", 42}, {"VTS_01_2.VOB", 47}, {"VTS_01_0.BUP", 55}};
    return c;
}

Case With(const char* name, const char* error, void (*change)(Case&)) {
    Case c = Valid();
    c.name = name;
    c.error = error;
    change(c);
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Ifos, DvdVideoLayoutTest,
    ::testing::Values(
        Valid(),
        With("managerMenu", nullptr,
             [](Case& c) {
                 c.vmgMenuStart = 3;
                 c.vmgMenuVob = 6;
                 c.vmgLast = 40;
                 c.setStart = 41;
                 c.expected = {{"VIDEO_TS.IFO", 0}, {"VIDEO_TS.VOB", 3}, {"VIDEO_TS.BUP", 39}, {"vts_01_0.ifo", 41},
                               {"VTS_01_1.VOB", 51}, {"VTS_01_0.BUP", 64}};
             }),
        With("noMenu", nullptr,
             [](Case& c) {
                 c.set.menuStart = 0;
                 c.set.menuVob = 0;
                 c.set.titleStart = 2;
                 c.set.lastSector = 11;
                 c.expected = {{"vts_01_0.ifo", 32}, {"VTS_01_1.VOB", 34}, {"VTS_01_2.VOB", 39}, {"VTS_01_0.BUP", 42}};
             }),
        With("menuVobButIfoSaysNone", "menu VOB is present", [](Case& c) { c.set.menuStart = 0; }),
        With("setTooSmall", "fewer sectors", [](Case& c) { c.set.lastSector = 14; }),
        With("titlesOverlapBackup", "backup IFO does not fit", [](Case& c) { c.set.lastSector = 18; }),
        With("missingTitleSet", "title set 2 is missing", [](Case& c) { c.declaredSets = 2; }),
        With("setOverlapsManager", "overlap", [](Case& c) { c.setStart = 20; }),
        With("notAnIfo", "not a DVD-Video IFO", [](Case& c) { c.magic = "NOTADVDVIDEO"; }),
        With("noManager", "VIDEO_TS.IFO is missing", [](Case& c) { c.writeVmg = false; }),
        With("partMissing", "part 2 is missing", [](Case& c) { c.set.titleParts = {1, 3}; }),
        With("titleOverlapsMenu", "overlap the menu VOB", [](Case& c) { c.set.titleStart = 6; })),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bb::recorder::image
