// The size gate: the size meter's limits and value from the DVD root, and
// the Burn button refused above the red limit.
#include "app/BurnDlg.h"

#include "app/DialogLogSink.h"
#include "compilation/FolderSize.h"
#include "res/resource.h"
#include "settings/OtherSettings.h"

int CBurnDlg::CheckSourceSize() {
    if (m_strSourceDir.GetLength() < 2) {
        m_sizeMeter.valueMb = 0;
        return 0;
    }
    app::DialogLogSink log(*this);
    const double bytes = compilation::GetFolderSize(m_strSourceDir.str(), &log);
    const bool cd = m_nMediaType == 1;
    m_sizeMeter.yellowLimitMb = cd ? m_pOtherDlg->GetLimitCd() : m_pOtherDlg->GetLimitDvd();
    m_sizeMeter.redLimitMb = cd ? m_pOtherDlg->GetLimitCdRed() : m_pOtherDlg->GetLimitDvdRed();
    m_sizeMeter.valueMb = controls::RoundedMegabytes(bytes);

    const bool ignore = (m_pOtherDlg->GetMoreFlags() & moreflags::kIgnoreSourceSize) != 0;
    if (controls::IsOverRedLimit(bytes, m_sizeMeter.redLimitMb, ignore)) {
        EnableWindow(IDC_BURN, FALSE);
        return 1;
    }
    EnableWindow(IDC_BURN, TRUE);
    return 0;
}
