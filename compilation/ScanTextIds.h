// Language texts of the DVD root scan.
#pragma once

namespace compilation::text {
constexpr int kOutOfMemory = 614;
constexpr int kNoVideoTsIfo = 616;
constexpr int kNoVideoTsBup = 618;
constexpr int kScanStart = 682;
constexpr int kVideoTsFound = 684;
constexpr int kVideoTsMissing = 686;
constexpr int kAudioTsFound = 688;
constexpr int kAudioTsMissing = 690;
constexpr int kJacketFound = 692;
constexpr int kAddingVideoTs = 694;
constexpr int kNoVideoTsVob = 696;
constexpr int kAddingJacket = 698;
constexpr int kStatusScanning = 771;
constexpr int kDvdRoot = 772;
constexpr int kStatusScanDone = 773;
constexpr int kStatusScanFailed = 774;
constexpr int kAddingFolder = 775;
}  // namespace compilation::text
