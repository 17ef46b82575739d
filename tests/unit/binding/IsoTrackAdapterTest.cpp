#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "neroapi/IsoTrackAdapters.h"
#include "tests/unit/binding/FakeTracks.h"

namespace {

using NeroApiLib::CNewIsoTrackAsOld;
using NeroApiLib::COldIsoTrackAsNew;

using binding_test::CurrentTrack;
using binding_test::Journal;
using binding_test::OldTrack;

struct Forwarding {
    int presented;
    int inner;  // 0: answered by the adapter itself with 0
};

TEST(IsoTrackAdapters, OldAsNewForwardsOrAnswersEachCurrentOperation) {
    const Forwarding table[] = {
        {1, 1},   {2, 2},   {3, 3},   {4, 4},   {10, 10}, {11, 11}, {14, 0},  {19, 0},
        {21, 13}, {22, 14}, {23, 15}, {24, 16}, {25, 17}, {26, 18}, {27, 19},
    };
    Journal journal;
    auto* adapter = new COldIsoTrackAsNew(new OldTrack(journal), 1);
    nero::IsoTrack* track = adapter;
    using Call = std::function<intptr_t(intptr_t, intptr_t)>;
    const std::map<int, Call> ops = {
        {1, [&](intptr_t a, intptr_t b) { return track->Op1(a, b); }},
        {2, [&](intptr_t a, intptr_t b) { return track->Op2(a, b); }},
        {3, [&](intptr_t a, intptr_t b) { return track->Op3(a, b); }},
        {4, [&](intptr_t a, intptr_t b) { return track->Op4(a, b); }},
        {10, [&](intptr_t a, intptr_t b) { return track->Op10(a, b); }},
        {11, [&](intptr_t a, intptr_t b) { return track->Op11(a, b); }},
        {14, [&](intptr_t a, intptr_t b) { return track->Op14(a, b); }},
        {19, [&](intptr_t a, intptr_t b) { return track->Op19(a, b); }},
        {21, [&](intptr_t a, intptr_t b) { return track->Op21(a, b); }},
        {22, [&](intptr_t a, intptr_t b) { return track->Op22(a, b); }},
        {23, [&](intptr_t a, intptr_t b) { return track->Op23(a, b); }},
        {24, [&](intptr_t a, intptr_t b) { return track->Op24(a, b); }},
        {25, [&](intptr_t a, intptr_t b) { return track->Op25(a, b); }},
        {26, [&](intptr_t a, intptr_t b) { return track->Op26(a, b); }},
        {27, [&](intptr_t a, intptr_t b) { return track->Op27(a, b); }},
    };
    for (const Forwarding& f : table) {
        SCOPED_TRACE(f.presented);
        journal.ops.clear();
        journal.args.clear();
        const intptr_t result = ops.at(f.presented)(7, 8);
        if (f.inner == 0) {
            EXPECT_EQ(result, 0);
            EXPECT_TRUE(journal.ops.empty());
        } else {
            EXPECT_EQ(result, 1000 + f.inner);
            EXPECT_EQ(journal.ops, std::vector<int>{f.inner});
            EXPECT_EQ(journal.args, (std::vector<intptr_t>{7, 8}));
        }
    }
    // Operations the old table lacks are answered, never passed on.
    journal.ops.clear();
    EXPECT_EQ(track->Op5() + track->Op6() + track->Op7(3) + track->Op8() + track->Op12() + track->Op13(3) +
                  track->Op20() + track->Op28(),
              0);
    intptr_t outs[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(track->Op9(&outs[0], &outs[1]), reinterpret_cast<intptr_t>(&outs[0]));
    EXPECT_EQ(outs[0] + outs[1], 0);
    track->Op29(&outs[0], &outs[1], &outs[2], &outs[3], &outs[4], &outs[5], &outs[6], &outs[7]);
    for (intptr_t out : outs) EXPECT_EQ(out, 0);
    EXPECT_TRUE(journal.ops.empty());
    NeroApiLib::ReleaseIsoTrackAdapter(track);
}

TEST(IsoTrackAdapters, NewAsOldMapsTheOldTailOntoCurrentOperations) {
    Journal journal;
    auto* adapter = new CNewIsoTrackAsOld(new CurrentTrack(journal), 1);
    nero::IsoTrackOld* track = adapter;
    using Call = std::function<intptr_t(intptr_t, intptr_t)>;
    const std::pair<Call, int> table[] = {
        {[&](intptr_t a, intptr_t b) { return track->Op1(a, b); }, 1},
        {[&](intptr_t a, intptr_t b) { return track->Op4(a, b); }, 4},
        {[&](intptr_t a, intptr_t b) { return track->Op10(a, b); }, 10},
        {[&](intptr_t a, intptr_t b) { return track->Op11(a, b); }, 11},
        {[&](intptr_t a, intptr_t b) { return track->Op13(a, b); }, 21},
        {[&](intptr_t a, intptr_t b) { return track->Op14(a, b); }, 22},
        {[&](intptr_t a, intptr_t b) { return track->Op15(a, b); }, 23},
        {[&](intptr_t a, intptr_t b) { return track->Op16(a, b); }, 24},
        {[&](intptr_t a, intptr_t b) { return track->Op17(a, b); }, 25},
        {[&](intptr_t a, intptr_t b) { return track->Op18(a, b); }, 26},
        {[&](intptr_t a, intptr_t b) { return track->Op19(a, b); }, 27},
    };
    for (const auto& [call, inner] : table) {
        SCOPED_TRACE(inner);
        journal.ops.clear();
        journal.args.clear();
        EXPECT_EQ(call(-3, 9), 1000 + inner);
        EXPECT_EQ(journal.ops, std::vector<int>{inner});
        EXPECT_EQ(journal.args, (std::vector<intptr_t>{-3, 9}));
    }
    EXPECT_EQ(track->Op5() + track->Op6() + track->Op7(1) + track->Op8() + track->Op12(), 0);
    intptr_t a = 5, b = 6;
    EXPECT_EQ(track->Op9(&a, &b), reinterpret_cast<intptr_t>(&a));
    EXPECT_EQ(a + b, 0);
    NeroApiLib::ReleaseIsoTrackAdapter(track);
}

TEST(IsoTrackAdapters, DestroyReachesTheInnerObjectOnlyWhenOwned) {
    struct Case {
        uint32_t owns;
        int innerAliveAfter;
    } const cases[] = {{1, 0}, {0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owns);
        Journal oldJournal, newJournal;
        auto* oldInner = new OldTrack(oldJournal);
        auto* newInner = new CurrentTrack(newJournal);
        NeroApiLib::ReleaseIsoTrackAdapter(static_cast<nero::IsoTrack*>(new COldIsoTrackAsNew(oldInner, c.owns)));
        NeroApiLib::ReleaseIsoTrackAdapter(static_cast<nero::IsoTrackOld*>(new CNewIsoTrackAsOld(newInner, c.owns)));
        EXPECT_EQ(oldJournal.alive, c.innerAliveAfter);
        EXPECT_EQ(newJournal.alive, c.innerAliveAfter);
        if (c.owns) {
            EXPECT_EQ(oldJournal.destroyFlags, std::vector<uint32_t>{1});
            EXPECT_EQ(newJournal.destroyFlags, std::vector<uint32_t>{1});
        } else {
            EXPECT_TRUE(oldJournal.destroyFlags.empty());
            oldInner->Destroy(1);
            newInner->Destroy(1);
        }
    }
}

TEST(IsoTrackAdapters, DestroyWithoutFreeFlagKeepsTheAdapterAndDropsTheInnerOnce) {
    Journal journal;
    auto* adapter = new CNewIsoTrackAsOld(new CurrentTrack(journal), 1);
    adapter->Destroy(0);
    EXPECT_EQ(journal.alive, 0);
    EXPECT_EQ(adapter->Inner(), nullptr);
    adapter->Destroy(1);  // the inner object is not destroyed a second time
    EXPECT_EQ(journal.destroyFlags.size(), 1u);
}

TEST(IsoTrackAdapters, LayoutIsTablePointerInnerObjectOwnsFlag) {
    Journal journal;
    auto* inner = new OldTrack(journal);
    auto* adapter = new COldIsoTrackAsNew(inner, 1);
    void* words[3];
    std::memcpy(words, adapter, sizeof words);
    EXPECT_EQ(words[1], static_cast<void*>(static_cast<nero::IsoTrackOld*>(inner)));
    uint32_t owns;
    std::memcpy(&owns, reinterpret_cast<const char*>(adapter) + 2 * sizeof(void*), sizeof owns);
    EXPECT_EQ(owns, 1u);
    NeroApiLib::ReleaseIsoTrackAdapter(static_cast<nero::IsoTrack*>(adapter));
}

}  // namespace
