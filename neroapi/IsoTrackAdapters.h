// Adapters between the two operation tables of the library's ISO track
// object: the current one (30 operations) and the one of libraries before
// 5.5.9.16 (20 operations; their 13..19 are current 21..27).
//
// Memory layout of both, relied on by the library: operation table pointer,
// inner object, owns flag (32-bit). They live on the program's heap and are
// destroyed only through operation 0 (Destroy), by the library or by
// ReleaseIsoTrackAdapter; owns = 1 makes Destroy destroy the inner object too.
#pragma once

#include <cstdint>

#include "neroapi/NeroRecords.h"

namespace bb::neroapi {

// An old-layout track presented with the current table. The program holds
// these in place of an old library's own track.
class COldIsoTrackAsNew final : public neroapi::IsoTrack {
public:
    COldIsoTrackAsNew(neroapi::IsoTrackOld* inner, uint32_t owns) : m_pInner(inner), m_nOwns(owns) {}
    [[nodiscard]] neroapi::IsoTrackOld* Inner() const { return m_pInner; }

    void Destroy(uint32_t flags) override;
    intptr_t Op1(intptr_t a, intptr_t b) override { return m_pInner->Op1(a, b); }
    intptr_t Op2(intptr_t a, intptr_t b) override { return m_pInner->Op2(a, b); }
    intptr_t Op3(intptr_t a, intptr_t b) override { return m_pInner->Op3(a, b); }
    intptr_t Op4(intptr_t a, intptr_t b) override { return m_pInner->Op4(a, b); }
    intptr_t Op5() override { return 0; }
    intptr_t Op6() override { return 0; }
    intptr_t Op7(intptr_t) override { return 0; }
    intptr_t Op8() override { return 0; }
    intptr_t Op9(intptr_t* out1, intptr_t* out2) override;
    intptr_t Op10(intptr_t a, intptr_t b) override { return m_pInner->Op10(a, b); }
    intptr_t Op11(intptr_t a, intptr_t b) override { return m_pInner->Op11(a, b); }
    intptr_t Op12() override { return 0; }
    intptr_t Op13(intptr_t) override { return 0; }
    intptr_t Op14(intptr_t, intptr_t) override { return 0; }
    intptr_t Op15(intptr_t, intptr_t) override { return 0; }
    intptr_t Op16(intptr_t, intptr_t) override { return 0; }
    intptr_t Op17(intptr_t, intptr_t) override { return 0; }
    intptr_t Op18(intptr_t, intptr_t) override { return 0; }
    intptr_t Op19(intptr_t, intptr_t) override { return 0; }
    intptr_t Op20() override { return 0; }
    intptr_t Op21(intptr_t a, intptr_t b) override { return m_pInner->Op13(a, b); }
    intptr_t Op22(intptr_t a, intptr_t b) override { return m_pInner->Op14(a, b); }
    intptr_t Op23(intptr_t a, intptr_t b) override { return m_pInner->Op15(a, b); }
    intptr_t Op24(intptr_t a, intptr_t b) override { return m_pInner->Op16(a, b); }
    intptr_t Op25(intptr_t a, intptr_t b) override { return m_pInner->Op17(a, b); }
    intptr_t Op26(intptr_t a, intptr_t b) override { return m_pInner->Op18(a, b); }
    intptr_t Op27(intptr_t a, intptr_t b) override { return m_pInner->Op19(a, b); }
    intptr_t Op28() override { return 0; }
    void Op29(intptr_t* o1, intptr_t* o2, intptr_t* o3, intptr_t* o4, intptr_t* o5,
              intptr_t* o6, intptr_t* o7, intptr_t* o8) override;

private:
    ~COldIsoTrackAsNew() = default;

    neroapi::IsoTrackOld* m_pInner;
    uint32_t m_nOwns;
};

// A current-layout track presented with the old table, for old libraries.
class CNewIsoTrackAsOld final : public neroapi::IsoTrackOld {
public:
    CNewIsoTrackAsOld(neroapi::IsoTrack* inner, uint32_t owns) : m_pInner(inner), m_nOwns(owns) {}
    [[nodiscard]] neroapi::IsoTrack* Inner() const { return m_pInner; }

    void Destroy(uint32_t flags) override;
    intptr_t Op1(intptr_t a, intptr_t b) override { return m_pInner->Op1(a, b); }
    intptr_t Op2(intptr_t a, intptr_t b) override { return m_pInner->Op2(a, b); }
    intptr_t Op3(intptr_t a, intptr_t b) override { return m_pInner->Op3(a, b); }
    intptr_t Op4(intptr_t a, intptr_t b) override { return m_pInner->Op4(a, b); }
    intptr_t Op5() override { return 0; }
    intptr_t Op6() override { return 0; }
    intptr_t Op7(intptr_t) override { return 0; }
    intptr_t Op8() override { return 0; }
    intptr_t Op9(intptr_t* out1, intptr_t* out2) override;
    intptr_t Op10(intptr_t a, intptr_t b) override { return m_pInner->Op10(a, b); }
    intptr_t Op11(intptr_t a, intptr_t b) override { return m_pInner->Op11(a, b); }
    intptr_t Op12() override { return 0; }
    intptr_t Op13(intptr_t a, intptr_t b) override { return m_pInner->Op21(a, b); }
    intptr_t Op14(intptr_t a, intptr_t b) override { return m_pInner->Op22(a, b); }
    intptr_t Op15(intptr_t a, intptr_t b) override { return m_pInner->Op23(a, b); }
    intptr_t Op16(intptr_t a, intptr_t b) override { return m_pInner->Op24(a, b); }
    intptr_t Op17(intptr_t a, intptr_t b) override { return m_pInner->Op25(a, b); }
    intptr_t Op18(intptr_t a, intptr_t b) override { return m_pInner->Op26(a, b); }
    intptr_t Op19(intptr_t a, intptr_t b) override { return m_pInner->Op27(a, b); }

private:
    ~CNewIsoTrackAsOld() = default;

    neroapi::IsoTrack* m_pInner;
    uint32_t m_nOwns;
};

// Both adapters are three words: table, inner object, owns flag.
static_assert(sizeof(COldIsoTrackAsNew) == 3 * sizeof(void*));
static_assert(sizeof(CNewIsoTrackAsOld) == 3 * sizeof(void*));

// Operation 0 with flag 1 on a non-null object: destroys and frees it.
void ReleaseIsoTrackAdapter(neroapi::IsoTrackOld* adapter);
void ReleaseIsoTrackAdapter(neroapi::IsoTrack* adapter);

}  // namespace bb::neroapi
