// ISO track objects standing in for the library's and the program's: they
// record which of their operations ran, with what arguments, and answer
// 1000 + the operation number (operations without arguments answer -n).
#pragma once

#include <cstdint>
#include <vector>

#include "neroapi/NeroRecords.h"

namespace binding_test {

struct Journal {
    std::vector<int> ops;
    std::vector<intptr_t> args;
    std::vector<uint32_t> destroyFlags;
    int alive = 1;
};

#define RECORD2(n)                                  \
    intptr_t Op##n(intptr_t a, intptr_t b) override { \
        journal.ops.push_back(n);                   \
        journal.args.push_back(a);                  \
        journal.args.push_back(b);                  \
        return 1000 + n;                            \
    }
#define ANSWER0(n) \
    intptr_t Op##n() override { return -n; }

class CurrentTrack final : public nero::IsoTrack {
public:
    explicit CurrentTrack(Journal& j) : journal(j) {}
    void Destroy(uint32_t flags) override {
        journal.destroyFlags.push_back(flags);
        --journal.alive;
        if (flags & 1) delete this;
    }
    RECORD2(1) RECORD2(2) RECORD2(3) RECORD2(4) ANSWER0(5) ANSWER0(6)
    intptr_t Op7(intptr_t) override { return -7; }
    ANSWER0(8)
    intptr_t Op9(intptr_t*, intptr_t*) override { return -9; }
    RECORD2(10) RECORD2(11) ANSWER0(12)
    intptr_t Op13(intptr_t) override { return -13; }
    RECORD2(14) RECORD2(15) RECORD2(16) RECORD2(17) RECORD2(18) RECORD2(19) ANSWER0(20)
    RECORD2(21) RECORD2(22) RECORD2(23) RECORD2(24) RECORD2(25) RECORD2(26) RECORD2(27) ANSWER0(28)
    void Op29(intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*) override {}
    Journal& journal;
};

class OldTrack final : public nero::IsoTrackOld {
public:
    explicit OldTrack(Journal& j) : journal(j) {}
    void Destroy(uint32_t flags) override {
        journal.destroyFlags.push_back(flags);
        --journal.alive;
        if (flags & 1) delete this;
    }
    RECORD2(1) RECORD2(2) RECORD2(3) RECORD2(4) ANSWER0(5) ANSWER0(6)
    intptr_t Op7(intptr_t) override { return -7; }
    ANSWER0(8)
    intptr_t Op9(intptr_t*, intptr_t*) override { return -9; }
    RECORD2(10) RECORD2(11) ANSWER0(12)
    RECORD2(13) RECORD2(14) RECORD2(15) RECORD2(16) RECORD2(17) RECORD2(18) RECORD2(19)
    Journal& journal;
};

#undef RECORD2
#undef ANSWER0

}  // namespace binding_test
