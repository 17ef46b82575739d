#include "settings/OtherSettings.h"

#include "settings/SettingsFlags.h"

namespace bb::settings {

namespace {

void SetFromBit(int32_t& member, uint32_t flags, uint32_t bit) { member = (flags & bit) ? 1 : 0; }

}  // namespace

uint32_t COtherSettings::GetBurnFlags() const {
    uint32_t flags = 0;
    if (m_bSimulate)
        flags |= settings::burnflags::kSimulate;
    if (m_bBurnProof)
        flags |= settings::burnflags::kBurnProof;
    if (m_bNoEject)
        flags |= settings::burnflags::kNoEject;
    if (m_bVerify)
        flags |= settings::burnflags::kVerify;
    flags |= m_bDvdRomBooktype ? settings::burnflags::kDvdRomBooktype : settings::burnflags::kNoDvdRomBooktype;
    if (m_bNoOverwriteQuestion)
        flags |= settings::burnflags::kNoOverwriteQuestion;
    return flags;
}

void COtherSettings::SetBurnFlags(uint32_t flags) {
    SetFromBit(m_bSimulate, flags, settings::burnflags::kSimulate);
    SetFromBit(m_bBurnProof, flags, settings::burnflags::kBurnProof);
    SetFromBit(m_bNoEject, flags, settings::burnflags::kNoEject);
    SetFromBit(m_bVerify, flags, settings::burnflags::kVerify);
    SetFromBit(m_bDvdRomBooktype, flags, settings::burnflags::kDvdRomBooktype);
    SetFromBit(m_bNoOverwriteQuestion, flags, settings::burnflags::kNoOverwriteQuestion);
}

uint32_t COtherSettings::GetMoreFlags() const {
    uint32_t flags = 0;
    if (m_bForceShutdown)
        flags |= settings::moreflags::kForceShutdown;
    if (m_bLabel16)
        flags |= settings::moreflags::kLabel16;
    if (m_bIgnoreSourceSize)
        flags |= settings::moreflags::kIgnoreSourceSize;
    return flags;
}

void COtherSettings::SetMoreFlags(uint32_t flags) {
    SetFromBit(m_bForceShutdown, flags, settings::moreflags::kForceShutdown);
    SetFromBit(m_bLabel16, flags, settings::moreflags::kLabel16);
    SetFromBit(m_bIgnoreSourceSize, flags, settings::moreflags::kIgnoreSourceSize);
}

void COtherSettings::ResetLimits() {
    m_nLimitCd = settings::limits::kCd;
    m_nLimitDvd = settings::limits::kDvd;
    m_nLimitCdRed = settings::limits::kCdRed;
    m_nLimitDvdRed = settings::limits::kDvdRed;
}

}  // namespace bb::settings
