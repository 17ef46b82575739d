#include "settings/OtherSettings.h"

#include "settings/SettingsFlags.h"

namespace {

void SetFromBit(int32_t& member, uint32_t flags, uint32_t bit) { member = (flags & bit) ? 1 : 0; }

}  // namespace

uint32_t COtherSettings::GetBurnFlags() const {
    uint32_t flags = 0;
    if (m_bSimulate)
        flags |= burnflags::kSimulate;
    if (m_bBurnProof)
        flags |= burnflags::kBurnProof;
    if (m_bNoEject)
        flags |= burnflags::kNoEject;
    if (m_bVerify)
        flags |= burnflags::kVerify;
    flags |= m_bDvdRomBooktype ? burnflags::kDvdRomBooktype : burnflags::kNoDvdRomBooktype;
    if (m_bNoOverwriteQuestion)
        flags |= burnflags::kNoOverwriteQuestion;
    return flags;
}

void COtherSettings::SetBurnFlags(uint32_t flags) {
    SetFromBit(m_bSimulate, flags, burnflags::kSimulate);
    SetFromBit(m_bBurnProof, flags, burnflags::kBurnProof);
    SetFromBit(m_bNoEject, flags, burnflags::kNoEject);
    SetFromBit(m_bVerify, flags, burnflags::kVerify);
    SetFromBit(m_bDvdRomBooktype, flags, burnflags::kDvdRomBooktype);
    SetFromBit(m_bNoOverwriteQuestion, flags, burnflags::kNoOverwriteQuestion);
}

uint32_t COtherSettings::GetMoreFlags() const {
    uint32_t flags = 0;
    if (m_bForceShutdown)
        flags |= moreflags::kForceShutdown;
    if (m_bLabel16)
        flags |= moreflags::kLabel16;
    if (m_bIgnoreSourceSize)
        flags |= moreflags::kIgnoreSourceSize;
    return flags;
}

void COtherSettings::SetMoreFlags(uint32_t flags) {
    SetFromBit(m_bForceShutdown, flags, moreflags::kForceShutdown);
    SetFromBit(m_bLabel16, flags, moreflags::kLabel16);
    SetFromBit(m_bIgnoreSourceSize, flags, moreflags::kIgnoreSourceSize);
}

void COtherSettings::ResetLimits() {
    m_nLimitCd = limits::kCd;
    m_nLimitDvd = limits::kDvd;
    m_nLimitCdRed = limits::kCdRed;
    m_nLimitDvdRed = limits::kDvdRed;
}
