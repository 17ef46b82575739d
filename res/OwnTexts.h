// The texts the program owns itself (not from a language file): box
// captions and the few lines and statuses that every language shows alike.
#pragma once

namespace bb::res {

inline constexpr const char* kCaptionInformation = "Information";
inline constexpr const char* kCaptionError = "Error!";
inline constexpr const char* kCaptionErrorPlain = "Error";
inline constexpr const char* kCaptionOverwriteRw = "Overwrite ReWriteable?!";
inline constexpr const char* kCaptionEraseRw = "Erase ReWriteable";
inline constexpr const char* kCaptionTimeout = "Timeout Error";
inline constexpr const char* kCaptionReallocProblem = "Problem Reallocation!";
inline constexpr const char* kCaptionJustInfo = "Just 4 Info";
inline constexpr const char* kCaptionParseError = "CL parsing error!";

inline constexpr const char* kParseErrorBody =
    "The command line could not be read. The log names each word that was refused; nothing was burned.";
inline constexpr const char* kIsoFlagsPrefix = "Using ISO Flags: ";
inline constexpr const char* kLibraryVersionFormat = "Nero API version %d.%d.%d.%d";

inline constexpr const char* kStatusSavingLog = "Saving Log...";
inline constexpr const char* kStatusSaveCancelled = "Break...";
inline constexpr const char* kNoFolderChosen = "Can't get dir...";

}  // namespace bb::res
