// The look at the disc before a burn (also used by the batch run).
#include "app/BurnDlg.h"

#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "recording/LibraryRequests.h"
#include "recording/MediaCheck.h"
#include "res/TextIds.h"
#include "settings/OtherSettings.h"

namespace {
// What NeroGetCDInfo is asked for.
constexpr uint32_t kDiscInfoFlags = 3;
}  // namespace

int CBurnDlg::CheckMedia() {
    if (m_hDevice == nullptr)
        return recording::kMediaStop;
    const bool dontAsk = (m_pOtherDlg->GetBurnFlags() & burnflags::kNoOverwriteQuestion) != 0;

    NeroApiLib::LibraryMemory<nero::DiscInfo> disc(NeroApiLib::NeroGetCDInfo(m_hDevice, kDiscInfoFlags));
    if (!disc) {
        AppendLogId(kTxtNoDiscInfo);
        return recording::kMediaBurnNow;
    }
    const char* kind = recording::RewritableKindWord(*disc);
    if (kind == nullptr)
        return recording::kMediaBurnNow;
    if (!dontAsk && ShowMessage(Text(kTxtEraseQuestion), recording::kCaptionOverwriteRw,
                                recording::kBoxQuestionDefaultNo) != IDYES)
        return recording::kMediaStop;
    AppendLog(Text(kTxtEraseBeforeBurn) + kind);
    return recording::kMediaEraseFirst;
}
