#include "neroapi/IsoTrackAdapters.h"

#include <initializer_list>

namespace bb::neroapi {
namespace {

constexpr uint32_t kDestroyFreesMemory = 0x1;

template <typename Inner>
void DestroyOwnedInner(Inner*& inner, uint32_t owns) {
    if (owns && inner) {
        inner->Destroy(kDestroyFreesMemory);
        inner = nullptr;
    }
}

intptr_t ClearTwo(intptr_t* out1, intptr_t* out2) {
    if (out1) *out1 = 0;
    if (out2) *out2 = 0;
    return reinterpret_cast<intptr_t>(out1);
}

}  // namespace

void COldIsoTrackAsNew::Destroy(uint32_t flags) {
    DestroyOwnedInner(m_pInner, m_nOwns);
    if (flags & kDestroyFreesMemory) delete this;
}

intptr_t COldIsoTrackAsNew::Op9(intptr_t* out1, intptr_t* out2) { return ClearTwo(out1, out2); }

void COldIsoTrackAsNew::Op29(intptr_t* o1, intptr_t* o2, intptr_t* o3, intptr_t* o4, intptr_t* o5,
                             intptr_t* o6, intptr_t* o7, intptr_t* o8) {
    for (intptr_t* out : {o1, o2, o3, o4, o5, o6, o7, o8}) {
        if (out) *out = 0;
    }
}

void CNewIsoTrackAsOld::Destroy(uint32_t flags) {
    DestroyOwnedInner(m_pInner, m_nOwns);
    if (flags & kDestroyFreesMemory) delete this;
}

intptr_t CNewIsoTrackAsOld::Op9(intptr_t* out1, intptr_t* out2) { return ClearTwo(out1, out2); }

void ReleaseIsoTrackAdapter(neroapi::IsoTrackOld* adapter) {
    if (adapter) adapter->Destroy(kDestroyFreesMemory);
}

void ReleaseIsoTrackAdapter(neroapi::IsoTrack* adapter) {
    if (adapter) adapter->Destroy(kDestroyFreesMemory);
}

}  // namespace bb::neroapi
