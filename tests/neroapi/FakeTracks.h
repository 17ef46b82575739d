// ISO track objects standing in for the library's and the program's. Each
// records the operations that reached it with their arguments; two-argument
// operations answer 1000 + their number, the others -number.
#pragma once

#include <cstdint>
#include <vector>

#include "neroapi/NeroRecords.h"

namespace bb::neroapi::test {

struct Journal { std::vector<int> ops; std::vector<intptr_t> args; std::vector<uint32_t> destroyFlags; int alive = 1; };

#define BB_RECORD(n)                                        \
    intptr_t Op##n(intptr_t a, intptr_t b) override {      \
        journal.ops.push_back(n);                           \
        journal.args.insert(journal.args.end(), {a, b});    \
        return 1000 + n;                                    \
    }
#define BB_ANSWER(n) \
    intptr_t Op##n() override { return -n; }
#define BB_COMMON                                                              \
    void Destroy(uint32_t flags) override {                                    \
        journal.destroyFlags.push_back(flags);                                 \
        --journal.alive;                                                       \
        if (flags & 1) delete this;                                            \
    }                                                                          \
    BB_RECORD(1) BB_RECORD(2) BB_RECORD(3) BB_RECORD(4) BB_ANSWER(5) BB_ANSWER(6) \
    intptr_t Op7(intptr_t) override { return -7; }                             \
    BB_ANSWER(8)                                                               \
    intptr_t Op9(intptr_t*, intptr_t*) override { return -9; }                 \
    BB_RECORD(10) BB_RECORD(11) BB_ANSWER(12)                                  \
    Journal& journal;

class CurrentTrack final : public neroapi::IsoTrack {
public:
    explicit CurrentTrack(Journal& j) : journal(j) {}
    BB_COMMON
    intptr_t Op13(intptr_t) override { return -13; }
    BB_RECORD(14) BB_RECORD(15) BB_RECORD(16) BB_RECORD(17) BB_RECORD(18) BB_RECORD(19) BB_ANSWER(20)
    BB_RECORD(21) BB_RECORD(22) BB_RECORD(23) BB_RECORD(24) BB_RECORD(25) BB_RECORD(26) BB_RECORD(27)
    BB_ANSWER(28)
    void Op29(intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*, intptr_t*) override {}
};

class OldTrack final : public neroapi::IsoTrackOld {
public:
    explicit OldTrack(Journal& j) : journal(j) {}
    BB_COMMON
    BB_RECORD(13) BB_RECORD(14) BB_RECORD(15) BB_RECORD(16) BB_RECORD(17) BB_RECORD(18) BB_RECORD(19)
};

#undef BB_RECORD
#undef BB_ANSWER
#undef BB_COMMON

}  // namespace bb::neroapi::test
