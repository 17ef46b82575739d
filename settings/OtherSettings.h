// The values of the Other Settings dialog: recording options (BurnFlags),
// further options (MoreFlags) and the four size limits in megabytes.
//
// The main window keeps one instance for its whole life; it is the only
// place these settings live at run time. The dialog window works on an
// instance it is given and sets m_bChanged on OK.
#pragma once

#include <cstdint>

#include "settings/SettingsFlags.h"

namespace bb::settings {

class LanguageTable;

class COtherSettings {
public:
    explicit COtherSettings(const LanguageTable& texts) : m_texts(texts) {}

    // Exactly one of 0x4000 (DVD-ROM book type) and 0x8000 is set in the
    // result; bit 31 makes it negative as a signed value.
    uint32_t GetBurnFlags() const;
    // The six boxes from their bits; the book type from 0x4000 alone, 0x8000
    // and unknown bits ignored.
    void SetBurnFlags(uint32_t flags);
    uint32_t GetMoreFlags() const;
    void SetMoreFlags(uint32_t flags);

    int GetLimitCd() const { return m_nLimitCd; }
    int GetLimitDvd() const { return m_nLimitDvd; }
    int GetLimitCdRed() const { return m_nLimitCdRed; }
    int GetLimitDvdRed() const { return m_nLimitDvdRed; }
    void SetLimitCd(int mb) { m_nLimitCd = mb; }
    void SetLimitDvd(int mb) { m_nLimitDvd = mb; }
    void SetLimitCdRed(int mb) { m_nLimitCdRed = mb; }
    void SetLimitDvdRed(int mb) { m_nLimitDvdRed = mb; }
    // The dialog's Reset button: the four limits back to 650, 4482, 700 and
    // 8106 MB; the boxes keep their values.
    void ResetLimits();

    const LanguageTable& Texts() const { return m_texts; }

    int32_t m_bBurnProof = 1;
    int32_t m_bNoEject = 0;
    int32_t m_bSimulate = 0;
    int32_t m_bVerify = 0;
    int32_t m_bNoOverwriteQuestion = 0;
    int32_t m_bDvdRomBooktype = 0;
    int32_t m_bForceShutdown = 0;
    int32_t m_bLabel16 = 0;
    int32_t m_bIgnoreSourceSize = 0;
    int32_t m_nLimitCd = settings::limits::kCd;
    int32_t m_nLimitDvd = settings::limits::kDvd;
    int32_t m_nLimitCdRed = settings::limits::kCdRed;
    int32_t m_nLimitDvdRed = settings::limits::kDvdRed;
    bool m_bChanged = false;

private:
    const LanguageTable& m_texts;
};

}  // namespace bb::settings
