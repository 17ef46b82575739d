#include "settings/FsFlagsSettings.h"

#include "settings/SettingsFlags.h"

namespace bb::settings {

int32_t CFsFlagsSettings::GetFlags() const {
    int32_t flags = 0;
    if (m_bUdf == 1)
        flags |= settings::fsflags::kUdf;
    if (m_bIso9660 == 1)
        flags |= settings::fsflags::kIso9660;
    if (m_bJoliet == 1)
        flags |= settings::fsflags::kJoliet;
    if (m_bMode2 == 1)
        flags |= settings::fsflags::kMode2;
    return flags;
}

void CFsFlagsSettings::SetFlags(int32_t flags) {
    m_bUdf = (flags & settings::fsflags::kUdf) ? 1 : 0;
    m_bIso9660 = (flags & settings::fsflags::kIso9660) ? 1 : 0;
    m_bJoliet = (flags & settings::fsflags::kJoliet) ? 1 : 0;
    m_bMode2 = (flags & settings::fsflags::kMode2) ? 1 : 0;
}

void CFsFlagsSettings::ApplyDvdPreset() {
    m_bUdf = 1;
    m_bIso9660 = 1;
    m_bJoliet = 0;
    m_bMode2 = 0;
}

void CFsFlagsSettings::ApplyCdPreset() {
    m_bUdf = 1;
    m_bIso9660 = 1;
    m_bMode2 = 1;
    m_bJoliet = 0;
}

}  // namespace bb::settings
