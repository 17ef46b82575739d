// The recorder context of the main window: the recording library loaded and
// initialised, the recorder list of the chosen media class and the speed
// list of the selected recorder; and the handlers that rebuild them.
#include "app/BurnDlg.h"

#include <string>

#include "framework/CheckedFormat.h"
#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "recording/RecorderList.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/FsFlagsSettings.h"

namespace bb::app {

void CBurnDlg::SetupRecorder(uint32_t mediaMask) {
    m_cbRecorders.ResetContent();
    if (!m_jobs.Session().Start(mediaMask)) {
        EndDialog(-1);
        return;
    }
    for (const neroapi::DriveInfo* drive : m_jobs.Session().Recorders()) {
        const std::string name = recording::DeviceName(*drive);
        const int index = m_cbRecorders.AddString(name.c_str());
        m_cbRecorders.SetItemData(index, reinterpret_cast<uintptr_t>(drive));
    }
    if (m_cbRecorders.GetCount() > 0) {
        if (m_strDevice.IsEmpty() || m_cbRecorders.SelectString(-1, m_strDevice) == CB_ERR)
            m_cbRecorders.SetCurSel(0);
    }
    FillSpeedList();
}

void CBurnDlg::TeardownRecorder() {
    m_jobs.Session().Stop();
    m_cbSpeeds.ResetContent();
}

const neroapi::DriveInfo* CBurnDlg::SelectedRecorder() {
    const int selected = m_cbRecorders.GetCurSel();
    if (selected < 0)
        return nullptr;
    return reinterpret_cast<const neroapi::DriveInfo*>(m_cbRecorders.GetItemData(selected));
}

void CBurnDlg::FillSpeedList() {
    m_cbSpeeds.ResetContent();
    // Without a recorder, or with one that names no speeds, there is
    // nothing to choose from.
    m_bSpeedListEnabled = FALSE;
    m_cbSpeeds.EnableWindow(FALSE);
    const neroapi::DriveInfo* drive = SelectedRecorder();
    if (drive == nullptr)
        return;
    const neroapi::SpeedInfo& speeds = drive->writeSpeeds;
    const int count = int(speeds.count > neroapi::kMaxSpeeds ? neroapi::kMaxSpeeds : speeds.count);
    if (count <= 0 || int(speeds.baseRate) <= 0)
        return;
    for (int i = 0; i < count; ++i)
        m_cbSpeeds.AddString(recording::SpeedListText(speeds.rates[i], speeds.baseRate).c_str());
    m_bSpeedListEnabled = TRUE;
    m_cbSpeeds.EnableWindow(TRUE);
    m_cbSpeeds.SetCurSel(recording::SpeedIndexToSelect(m_nSpeed, count));
    // Only the speed is taken from the controls: a full pull would replace
    // members set but not yet shown (the status line at start-up) by the
    // controls' old texts.
    m_nSpeed = m_cbSpeeds.GetCurSel();
}

void CBurnDlg::OnRecorderSelChange() {
    FillSpeedList();
    const neroapi::DriveInfo* drive = SelectedRecorder();
    if (drive == nullptr)
        return;
    neroapi::LibraryText types(neroapi::NeroGetTypeNameOfMedia(drive->mediaMask, nullptr));
    const framework::CString name = m_cbRecorders.GetLBText(m_cbRecorders.GetCurSel());
    AppendLog(Text(res::kTxtRecorderPrefix) + " \"" + name + "\"...");
    AppendLog(framework::CString("(") + (types ? types.get() : "") + ")");
}

void CBurnDlg::OnRefresh() {
    UpdateData(TRUE);
    DisableForJob(FALSE);
    TeardownRecorder();
    SetupRecorder(m_nMediaType == 1 ? neroapi::kMediaMaskCd : neroapi::kMediaMaskDvd);
    EnableAfterJob();
}

void CBurnDlg::OnMediaDvd() {
    UpdateData(TRUE);
    UpdateData(FALSE);
    DisableForJob(FALSE);
    UpdateData(FALSE);
    AppendLogId(res::kTxtMediaClassDvd);
    TeardownRecorder();
    SetupRecorder(neroapi::kMediaMaskDvd);
    EnableAfterJob();
    m_pFsFlagsDlg->ApplyDvdPreset();
    CheckSourceSize();
}

void CBurnDlg::OnMediaCd() {
    UpdateData(TRUE);
    DisableForJob(FALSE);
    AppendLogId(res::kTxtMediaClassCd);
    TeardownRecorder();
    SetupRecorder(neroapi::kMediaMaskCd);
    EnableAfterJob();
    UpdateData(FALSE);
    m_pFsFlagsDlg->ApplyCdPreset();
    CheckSourceSize();
}

void CBurnDlg::OnEject() {
    const neroapi::DriveInfo* drive = SelectedRecorder();
    if (drive == nullptr)
        return;
    neroapi::DeviceHandle device = neroapi::NeroOpenDevice(drive);
    if (device == nullptr)
        return;
    (void)neroapi::NeroEjectLoadCD(device, 1);
    neroapi::NeroCloseDevice(device);
}

}  // namespace bb::app
