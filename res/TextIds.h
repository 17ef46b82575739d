// Numbers of the language texts the program shows, and for each the
// arguments the program formats it with. A text with no arguments is shown as
// it stands; the shipped language files are checked against this table.
#pragma once

namespace bb::res {

// Text ids run from 500 to 899; the language files hold the words.
inline constexpr int kTxtSysMenuAbout = 500;
inline constexpr int kTxtEraseTip = 510;
inline constexpr int kTxtDirectoryTip = 512;
inline constexpr int kTxtBurnTip = 514;
inline constexpr int kTxtAbortTip = 516;
inline constexpr int kTxtHelpTip = 518;
inline constexpr int kTxtAboutTip = 520;
inline constexpr int kTxtQuitTip = 522;
inline constexpr int kTxtSaveLogTip = 524;
inline constexpr int kTxtRefreshTip = 526;
inline constexpr int kTxtContactMail = 540;
inline constexpr int kTxtHomePage = 542;
inline constexpr int kTxtAboutThanks = 544;
inline constexpr int kTxtLogFileShutdown = 560;
inline constexpr int kTxtLogFileCommandLine = 562;
inline constexpr int kTxtLogFileSaved = 564;
inline constexpr int kTxtSettingsTemplate = 566;
inline constexpr int kTxtReallocRetryQuestion = 592;
inline constexpr int kTxtLabelBadCharBox = 594;
inline constexpr int kTxtLabelBadCharLog = 596;
inline constexpr int kTxtClMissingFolder = 598;
inline constexpr int kTxtClMissingLabel = 600;
inline constexpr int kTxtClUnknownWord = 602;
inline constexpr int kTxtLibraryNotLoaded = 604;
inline constexpr int kTxtInitFailed = 606;
inline constexpr int kTxtInitUnexpected = 610;
inline constexpr int kTxtNoDriveList = 612;
inline constexpr int kTxtOutOfMemory = 614;
inline constexpr int kTxtNoVideoTsIfo = 616;
inline constexpr int kTxtNoVideoTsBup = 618;
inline constexpr int kTxtLabelTooLong = 622;
inline constexpr int kTxtReallocOffInfo = 640;
inline constexpr int kTxtEraseQuestion = 642;
inline constexpr int kTxtClFolder = 644;
inline constexpr int kTxtClLabel = 646;
inline constexpr int kTxtClShutdown = 648;
inline constexpr int kTxtClNoOverwriteQuestion = 650;
inline constexpr int kTxtNameAndCredit = 652;
inline constexpr int kTxtClStarted = 654;
inline constexpr int kTxtReallocRetryYes = 656;
inline constexpr int kTxtReallocRetryNo = 658;
inline constexpr int kTxtRecorderSetup = 660;
inline constexpr int kTxtInitOk = 662;
inline constexpr int kTxtRecordersFound = 664;
inline constexpr int kTxtNoRecorders = 666;
inline constexpr int kTxtRequiredFile = 672;
inline constexpr int kTxtMediaClassDvd = 674;
inline constexpr int kTxtMediaClassCd = 676;
inline constexpr int kTxtReallocOff = 678;
inline constexpr int kTxtReallocOn = 680;
inline constexpr int kTxtScanStart = 682;
inline constexpr int kTxtVideoTsFound = 684;
inline constexpr int kTxtVideoTsMissing = 686;
inline constexpr int kTxtAudioTsFound = 688;
inline constexpr int kTxtAudioTsMissing = 690;
inline constexpr int kTxtJacketFound = 692;
inline constexpr int kTxtAddingVideoFiles = 694;
inline constexpr int kTxtNoVideoTsVob = 696;
inline constexpr int kTxtAddingJacket = 698;
inline constexpr int kTxtNoDvdRoot = 700;
inline constexpr int kTxtBurnStart = 702;
inline constexpr int kTxtNoDiscInfo = 704;
inline constexpr int kTxtShutdownLogPath = 706;
inline constexpr int kTxtClNoEject = 708;
inline constexpr int kTxtSettingsNotRead = 710;
inline constexpr int kTxtClLogToDesktop = 712;
inline constexpr int kTxtOverwriteQuestion = 714;
inline constexpr int kTxtOverwriteDeclined = 716;
inline constexpr int kTxtClearLogTip = 722;
inline constexpr int kTxtRecorderGroup = 723;
inline constexpr int kTxtEraseGroup = 724;
inline constexpr int kTxtBurnGroup = 725;
inline constexpr int kTxtProgressGroup = 726;
inline constexpr int kTxtReallocateBox = 727;
inline constexpr int kTxtFullEraseRadio = 729;
inline constexpr int kTxtQuickEraseRadio = 730;
inline constexpr int kTxtEraseButton = 731;
inline constexpr int kTxtAbortButton = 732;
inline constexpr int kTxtAboutButton = 733;
inline constexpr int kTxtBurnButton = 734;
inline constexpr int kTxtHelpButton = 735;
inline constexpr int kTxtShutdownBox = 736;
inline constexpr int kTxtDirectoryButton = 737;
inline constexpr int kTxtSaveLogButton = 738;
inline constexpr int kTxtDevicesLabel = 739;
inline constexpr int kTxtDvdRootLabel = 740;
inline constexpr int kTxtVolumeLabel = 741;
inline constexpr int kTxtWriteSpeedLabel = 742;
inline constexpr int kTxtQuitButton = 743;
inline constexpr int kTxtTimeRemainingLabel = 744;
inline constexpr int kTxtTimeTotalLabel = 745;
inline constexpr int kTxtSettingsMenu = 746;
inline constexpr int kTxtFsFlagsMenu = 747;
inline constexpr int kTxtOtherSettingsMenu = 748;
inline constexpr int kTxtLanguageMenu = 749;
inline constexpr int kTxtSaveSettingsMenu = 750;
inline constexpr int kTxtUdfBox = 751;
inline constexpr int kTxtJolietBox = 752;
inline constexpr int kTxtIso9660Box = 753;
inline constexpr int kTxtMode2Box = 754;
inline constexpr int kTxtBurnProofBox = 755;
inline constexpr int kTxtSimulateBox = 756;
inline constexpr int kTxtNoEjectBox = 757;
inline constexpr int kTxtVerifyBox = 758;
inline constexpr int kTxtNoOverwriteQuestionBox = 759;
inline constexpr int kTxtDvdRomBooktypeBox = 760;
inline constexpr int kTxtCancelButton = 761;
inline constexpr int kTxtChooseLanguageGroup = 762;
inline constexpr int kTxtAboutTitle = 763;
inline constexpr int kTxtStatusBrowsing = 764;
inline constexpr int kTxtBrowseTitle = 765;
inline constexpr int kTxtStatusReady = 766;
inline constexpr int kTxtStatusAbout = 767;
inline constexpr int kTxtStatusReallocDeclined = 768;
inline constexpr int kTxtOverwriteAccepted = 769;
inline constexpr int kTxtRecorderPrefix = 770;
inline constexpr int kTxtStatusScanning = 771;
inline constexpr int kTxtScanRootPrefix = 772;
inline constexpr int kTxtStatusScanDone = 773;
inline constexpr int kTxtStatusScanFailed = 774;
inline constexpr int kTxtAddingFolderPrefix = 775;
inline constexpr int kTxtSettingsSaved = 776;
inline constexpr int kTxtSettingsNotSaved = 777;
inline constexpr int kTxtCannotOpenRecorder = 778;
inline constexpr int kTxtEraseBeforeBurn = 779;
inline constexpr int kTxtStatusBurning = 780;
inline constexpr int kTxtMediaIsDvd = 781;
inline constexpr int kTxtMediaIsCd = 782;
inline constexpr int kTxtSpeedPrefix = 783;
inline constexpr int kTxtBurnOk = 784;
inline constexpr int kTxtBurnResult1 = 785;
inline constexpr int kTxtStatusBurnFailed = 786;
inline constexpr int kTxtBurnResult2 = 787;
inline constexpr int kTxtBurnResult3 = 788;
inline constexpr int kTxtBurnResult4 = 789;
inline constexpr int kTxtBurnResult5 = 790;
inline constexpr int kTxtBurnAborted = 791;
inline constexpr int kTxtBurnResultOther = 792;
inline constexpr int kTxtStatusNoTree = 793;
inline constexpr int kTxtStatusErasing = 794;
inline constexpr int kTxtEraseNoDisc = 795;
inline constexpr int kTxtEraseNotSupported = 796;
inline constexpr int kTxtEraseNotRewritable = 797;
inline constexpr int kTxtEraseEstimate = 798;
inline constexpr int kTxtErasing = 799;
inline constexpr int kTxtEraseDone = 800;
inline constexpr int kTxtShutdownNotice = 802;
inline constexpr int kTxtContactGroup = 803;
inline constexpr int kTxtEraseTimeout = 806;
inline constexpr int kTxtLibraryNotLoadedBox = 807;
inline constexpr int kTxtFsFlagsTitle = 808;
inline constexpr int kTxtOtherSettingsTitle = 809;
inline constexpr int kTxtLanguageTitle = 810;
inline constexpr int kTxtWavButton = 811;
inline constexpr int kTxtErrorWaveLabel = 812;
inline constexpr int kTxtSuccessWaveLabel = 813;
inline constexpr int kTxtAudio = 814;
inline constexpr int kTxtAudioTitle = 815;
inline constexpr int kTxtWavTip = 816;
inline constexpr int kTxtPlayTip = 817;
inline constexpr int kTxtAboutTranslation = 818;
inline constexpr int kTxtLengthLabel = 819;
inline constexpr int kTxtEnableAudioBox = 820;
inline constexpr int kTxtMoreSettingsGroup = 821;
inline constexpr int kTxtForceShutdownBox = 822;
inline constexpr int kTxtLabel16Box = 823;
inline constexpr int kTxtAbortCaption = 824;
inline constexpr int kTxtAbortQuestion = 825;
inline constexpr int kTxtBurnTime = 826;
inline constexpr int kTxtIgnoreSourceSizeBox = 827;
inline constexpr int kTxtLimitsGroup = 828;
inline constexpr int kTxtResetButton = 829;
inline constexpr int kTxtEjectTip = 830;
inline constexpr int kTxtYellowLimitGroup = 831;
inline constexpr int kTxtRedLimitGroup = 832;
// The program's own texts beyond the numbered set.
inline constexpr int kTxtEraseFailed = 840;
inline constexpr int kTxtClTooManyWords = 841;
inline constexpr int kTxtNoIsoTrack = 842;
// The About box's library version when no library is loaded, and the help command's boxes.
inline constexpr int kTxtNoLibraryLoaded = 880;
inline constexpr int kTxtHelpFileMissing = 881;
inline constexpr int kTxtHelpViewerFailed = 882;
inline constexpr int kTxtHelpCaption = 883;

struct TextIdSignature {
    int id;
    const char* args;  // the conversions passed, in order ("%s%d"); "" for none
};

inline constexpr TextIdSignature kTextIdTable[] = {
    {kTxtSysMenuAbout, ""},
    {kTxtEraseTip, ""},
    {kTxtDirectoryTip, ""},
    {kTxtBurnTip, ""},
    {kTxtAbortTip, ""},
    {kTxtHelpTip, ""},
    {kTxtAboutTip, ""},
    {kTxtQuitTip, ""},
    {kTxtSaveLogTip, ""},
    {kTxtRefreshTip, ""},
    {kTxtContactMail, ""},
    {kTxtHomePage, ""},
    {kTxtAboutThanks, ""},
    {kTxtLogFileShutdown, "%s%s%s%s%s"},
    {kTxtLogFileCommandLine, "%s%s%s%s%s"},
    {kTxtLogFileSaved, "%s%s%s%s%s"},
    {kTxtSettingsTemplate, "%s%s%d%X%X%X%d%s%s%s%d%d%d%d%d%s"},
    {kTxtReallocRetryQuestion, ""},
    {kTxtLabelBadCharBox, "%d"},
    {kTxtLabelBadCharLog, "%d"},
    {kTxtClMissingFolder, ""},
    {kTxtClMissingLabel, ""},
    {kTxtClUnknownWord, ""},
    {kTxtLibraryNotLoaded, ""},
    {kTxtInitFailed, ""},
    {kTxtInitUnexpected, ""},
    {kTxtNoDriveList, ""},
    {kTxtOutOfMemory, ""},
    {kTxtNoVideoTsIfo, ""},
    {kTxtNoVideoTsBup, ""},
    {kTxtLabelTooLong, "%d"},
    {kTxtReallocOffInfo, ""},
    {kTxtEraseQuestion, ""},
    {kTxtClFolder, "%s"},
    {kTxtClLabel, "%s"},
    {kTxtClShutdown, ""},
    {kTxtClNoOverwriteQuestion, ""},
    {kTxtNameAndCredit, ""},
    {kTxtClStarted, ""},
    {kTxtReallocRetryYes, ""},
    {kTxtReallocRetryNo, ""},
    {kTxtRecorderSetup, ""},
    {kTxtInitOk, ""},
    {kTxtRecordersFound, ""},
    {kTxtNoRecorders, ""},
    {kTxtRequiredFile, ""},
    {kTxtMediaClassDvd, ""},
    {kTxtMediaClassCd, ""},
    {kTxtReallocOff, ""},
    {kTxtReallocOn, ""},
    {kTxtScanStart, ""},
    {kTxtVideoTsFound, ""},
    {kTxtVideoTsMissing, ""},
    {kTxtAudioTsFound, ""},
    {kTxtAudioTsMissing, ""},
    {kTxtJacketFound, ""},
    {kTxtAddingVideoFiles, ""},
    {kTxtNoVideoTsVob, ""},
    {kTxtAddingJacket, ""},
    {kTxtNoDvdRoot, ""},
    {kTxtBurnStart, ""},
    {kTxtNoDiscInfo, ""},
    {kTxtShutdownLogPath, "%s"},
    {kTxtClNoEject, ""},
    {kTxtSettingsNotRead, "%s"},
    {kTxtClLogToDesktop, ""},
    {kTxtOverwriteQuestion, ""},
    {kTxtOverwriteDeclined, ""},
    {kTxtClearLogTip, ""},
    {kTxtRecorderGroup, ""},
    {kTxtEraseGroup, ""},
    {kTxtBurnGroup, ""},
    {kTxtProgressGroup, ""},
    {kTxtReallocateBox, ""},
    {kTxtFullEraseRadio, ""},
    {kTxtQuickEraseRadio, ""},
    {kTxtEraseButton, ""},
    {kTxtAbortButton, ""},
    {kTxtAboutButton, ""},
    {kTxtBurnButton, ""},
    {kTxtHelpButton, ""},
    {kTxtShutdownBox, ""},
    {kTxtDirectoryButton, ""},
    {kTxtSaveLogButton, ""},
    {kTxtDevicesLabel, ""},
    {kTxtDvdRootLabel, ""},
    {kTxtVolumeLabel, ""},
    {kTxtWriteSpeedLabel, ""},
    {kTxtQuitButton, ""},
    {kTxtTimeRemainingLabel, ""},
    {kTxtTimeTotalLabel, ""},
    {kTxtSettingsMenu, ""},
    {kTxtFsFlagsMenu, ""},
    {kTxtOtherSettingsMenu, ""},
    {kTxtLanguageMenu, ""},
    {kTxtSaveSettingsMenu, ""},
    {kTxtUdfBox, ""},
    {kTxtJolietBox, ""},
    {kTxtIso9660Box, ""},
    {kTxtMode2Box, ""},
    {kTxtBurnProofBox, ""},
    {kTxtSimulateBox, ""},
    {kTxtNoEjectBox, ""},
    {kTxtVerifyBox, ""},
    {kTxtNoOverwriteQuestionBox, ""},
    {kTxtDvdRomBooktypeBox, ""},
    {kTxtCancelButton, ""},
    {kTxtChooseLanguageGroup, ""},
    {kTxtAboutTitle, "%s%s"},
    {kTxtStatusBrowsing, ""},
    {kTxtBrowseTitle, ""},
    {kTxtStatusReady, ""},
    {kTxtStatusAbout, ""},
    {kTxtStatusReallocDeclined, ""},
    {kTxtOverwriteAccepted, ""},
    {kTxtRecorderPrefix, ""},
    {kTxtStatusScanning, ""},
    {kTxtScanRootPrefix, ""},
    {kTxtStatusScanDone, ""},
    {kTxtStatusScanFailed, ""},
    {kTxtAddingFolderPrefix, ""},
    {kTxtSettingsSaved, ""},
    {kTxtSettingsNotSaved, ""},
    {kTxtCannotOpenRecorder, ""},
    {kTxtEraseBeforeBurn, ""},
    {kTxtStatusBurning, ""},
    {kTxtMediaIsDvd, ""},
    {kTxtMediaIsCd, ""},
    {kTxtSpeedPrefix, ""},
    {kTxtBurnOk, ""},
    {kTxtBurnResult1, ""},
    {kTxtStatusBurnFailed, ""},
    {kTxtBurnResult2, ""},
    {kTxtBurnResult3, ""},
    {kTxtBurnResult4, ""},
    {kTxtBurnResult5, ""},
    {kTxtBurnAborted, ""},
    {kTxtBurnResultOther, "%d"},
    {kTxtStatusNoTree, ""},
    {kTxtStatusErasing, ""},
    {kTxtEraseNoDisc, ""},
    {kTxtEraseNotSupported, ""},
    {kTxtEraseNotRewritable, ""},
    {kTxtEraseEstimate, "%d"},
    {kTxtErasing, ""},
    {kTxtEraseDone, ""},
    {kTxtShutdownNotice, ""},
    {kTxtContactGroup, ""},
    {kTxtEraseTimeout, ""},
    {kTxtLibraryNotLoadedBox, ""},
    {kTxtFsFlagsTitle, ""},
    {kTxtOtherSettingsTitle, ""},
    {kTxtLanguageTitle, ""},
    {kTxtWavButton, ""},
    {kTxtErrorWaveLabel, ""},
    {kTxtSuccessWaveLabel, ""},
    {kTxtAudio, ""},
    {kTxtAudioTitle, ""},
    {kTxtWavTip, ""},
    {kTxtPlayTip, ""},
    {kTxtAboutTranslation, ""},
    {kTxtLengthLabel, ""},
    {kTxtEnableAudioBox, ""},
    {kTxtMoreSettingsGroup, ""},
    {kTxtForceShutdownBox, ""},
    {kTxtLabel16Box, ""},
    {kTxtAbortCaption, ""},
    {kTxtAbortQuestion, ""},
    {kTxtBurnTime, "%d%d%d"},
    {kTxtIgnoreSourceSizeBox, ""},
    {kTxtLimitsGroup, ""},
    {kTxtResetButton, ""},
    {kTxtEjectTip, ""},
    {kTxtYellowLimitGroup, ""},
    {kTxtRedLimitGroup, ""},
    {kTxtEraseFailed, ""},
    {kTxtClTooManyWords, "%d"},
    {kTxtNoIsoTrack, ""},
    {kTxtNoLibraryLoaded, "%s"},
    {kTxtHelpFileMissing, "%s"},
    {kTxtHelpViewerFailed, "%d%s"},
    {kTxtHelpCaption, ""},
};

}  // namespace bb::res
