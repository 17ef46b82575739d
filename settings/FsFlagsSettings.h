// The values of the Filesystem Flags dialog: the four file-system options of
// the ISO track and the two presets.
//
// The main window keeps one instance for its whole life; the burn job and the
// settings file use it whether or not the dialog is shown. The dialog window
// works on an instance it is given (its check boxes exchange with the
// members, its OK sets m_bChanged), so closing the window loses nothing.
#pragma once

#include <cstdint>

namespace bb::settings {

class LanguageTable;

class CFsFlagsSettings {
public:
    explicit CFsFlagsSettings(const LanguageTable& texts) : m_texts(texts) {}

    // The options as the FSFlags bits Joliet 0x01, Mode 2 0x02, ISO 9660
    // 0x08, UDF 0x10. Only a member holding 1 counts as set.
    int32_t GetFlags() const;
    // Each member from its bit; other bits (0x40 included) are ignored.
    void SetFlags(int32_t flags);

    // UDF and ISO 9660 on, Joliet and Mode 2 off (0x18).
    void ApplyDvdPreset();
    // UDF, ISO 9660 and Mode 2 on, Joliet off (0x1A).
    void ApplyCdPreset();

    const LanguageTable& Texts() const { return m_texts; }

    int32_t m_bUdf = 1;
    int32_t m_bJoliet = 0;
    int32_t m_bIso9660 = 1;
    int32_t m_bMode2 = 0;
    // Set by the dialog's OK; the main window clears it when it saves.
    uint8_t m_bChanged = 0;

private:
    const LanguageTable& m_texts;
};

}  // namespace bb::settings
