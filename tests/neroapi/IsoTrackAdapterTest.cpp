#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "neroapi/IsoTrackAdapters.h"
#include "tests/neroapi/FakeTracks.h"

namespace bb::neroapi {
namespace {

using test::CurrentTrack;
using test::Journal;
using test::OldTrack;

template <typename Table>
using TwoArgOp = intptr_t (Table::*)(intptr_t, intptr_t);

// Presented two-argument operation, and the inner one it reaches (0: the
// adapter answers 0 itself).
template <typename Table>
struct Route {
    TwoArgOp<Table> op;
    int inner;
};

template <typename Table>
void ExpectRoutes(Table* track, Journal& journal, const std::vector<Route<Table>>& routes) {
    for (size_t i = 0; i < routes.size(); ++i) {
        journal.ops.clear(), journal.args.clear();
        const intptr_t result = (track->*routes[i].op)(-3, 9);
        const int inner = routes[i].inner;
        EXPECT_EQ(result, inner == 0 ? 0 : 1000 + inner) << "route " << i;
        const std::vector<int> ops = inner == 0 ? std::vector<int>{} : std::vector<int>{inner};
        const std::vector<intptr_t> args = inner == 0 ? std::vector<intptr_t>{} : std::vector<intptr_t>{-3, 9};
        EXPECT_EQ(journal.ops, ops) << "route " << i;
        EXPECT_EQ(journal.args, args) << "route " << i;
    }
}

TEST(IsoTrackAdapters, EachPresentedOperationIsForwardedOrAnswered) {
    using T = neroapi::IsoTrack;
    Journal oldJournal, newJournal;
    neroapi::IsoTrack* oldAsNew = new COldIsoTrackAsNew(new OldTrack(oldJournal), 1);
    ExpectRoutes<T>(oldAsNew, oldJournal,
                    {{&T::Op1, 1}, {&T::Op4, 4}, {&T::Op10, 10}, {&T::Op11, 11}, {&T::Op14, 0}, {&T::Op19, 0},
                     {&T::Op21, 13}, {&T::Op22, 14}, {&T::Op25, 17}, {&T::Op27, 19}});

    using O = neroapi::IsoTrackOld;
    neroapi::IsoTrackOld* newAsOld = new CNewIsoTrackAsOld(new CurrentTrack(newJournal), 1);
    ExpectRoutes<O>(newAsOld, newJournal,
                    {{&O::Op2, 2}, {&O::Op3, 3}, {&O::Op10, 10}, {&O::Op13, 21}, {&O::Op14, 22}, {&O::Op19, 27}});

    // What the inner table lacks, or the library must not reach, is answered.
    oldJournal.ops.clear(), newJournal.ops.clear();
    EXPECT_EQ(oldAsNew->Op5() | oldAsNew->Op7(1) | oldAsNew->Op12() | oldAsNew->Op13(1) | oldAsNew->Op20() |
                  oldAsNew->Op28() | newAsOld->Op6() | newAsOld->Op8(),
              0);
    intptr_t out[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(oldAsNew->Op9(&out[0], &out[1]), reinterpret_cast<intptr_t>(&out[0]));
    EXPECT_EQ(newAsOld->Op9(&out[2], &out[3]), reinterpret_cast<intptr_t>(&out[2]));
    oldAsNew->Op29(&out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7]);
    EXPECT_EQ(std::vector<intptr_t>(out, out + 8), std::vector<intptr_t>(8, 0));
    EXPECT_TRUE(oldJournal.ops.empty() && newJournal.ops.empty());

    neroapi::ReleaseIsoTrackAdapter(oldAsNew);
    neroapi::ReleaseIsoTrackAdapter(newAsOld);
}

TEST(IsoTrackAdapters, DestroyReachesTheInnerObjectOnceAndOnlyWhenOwned) {
    for (uint32_t owns : {0u, 1u}) {
        Journal oldJournal, newJournal;
        auto* oldInner = new OldTrack(oldJournal);
        auto* newInner = new CurrentTrack(newJournal);
        auto* newAsOld = new CNewIsoTrackAsOld(newInner, owns);
        newAsOld->Destroy(0);  // keeps the adapter
        neroapi::ReleaseIsoTrackAdapter(static_cast<neroapi::IsoTrackOld*>(newAsOld));
        neroapi::ReleaseIsoTrackAdapter(static_cast<neroapi::IsoTrack*>(new COldIsoTrackAsNew(oldInner, owns)));
        const std::vector<uint32_t> destroyed = owns ? std::vector<uint32_t>{1} : std::vector<uint32_t>{};
        EXPECT_EQ(oldJournal.destroyFlags, destroyed) << "owns " << owns;
        EXPECT_EQ(newJournal.destroyFlags, destroyed) << "owns " << owns;
        if (!owns) oldInner->Destroy(1), newInner->Destroy(1);
    }
}

TEST(IsoTrackAdapters, LayoutIsTablePointerInnerObjectOwnsFlag) {
    Journal journal;
    auto* inner = new OldTrack(journal);
    auto* adapter = new COldIsoTrackAsNew(inner, 1);
    void* words[2];
    uint32_t owns;
    std::memcpy(words, adapter, sizeof words);
    std::memcpy(&owns, reinterpret_cast<const char*>(adapter) + 2 * sizeof(void*), sizeof owns);
    EXPECT_EQ(words[1], static_cast<void*>(static_cast<neroapi::IsoTrackOld*>(inner)));
    EXPECT_EQ(owns, 1u);
    neroapi::ReleaseIsoTrackAdapter(static_cast<neroapi::IsoTrack*>(adapter));
}

}  // namespace
}  // namespace bb::neroapi
