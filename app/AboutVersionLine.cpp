#include "app/AboutVersionLine.h"

#include "framework/CheckedFormat.h"
#include "res/ProgramIdentity.h"

namespace bb::app {

namespace {
constexpr const char* kVersionLineFormat = " %s / Ver. %s (API %s) Build %s ";
}

std::string VersionText(const neroapi::ApiVersion& version) {
    return std::to_string(version.majorHigh) + '.' + std::to_string(version.majorLow) + '.' +
           std::to_string(version.minorHigh) + '.' + std::to_string(version.minorLow);
}

std::string AboutVersionLine(const neroapi::VersionReading& library, const std::string& noLibraryTemplate,
                             const char* buildDate) {
    const std::string api = library ? VersionText(*library)
                                    : framework::Format(noLibraryTemplate, {res::kLibraryInterfaceVersion});
    return framework::Format(kVersionLineFormat,
                         {res::kProgramName, res::kProgramVersion, api.c_str(), buildDate ? buildDate : ""});
}

const char* ProgramBuildDate() {
    return __DATE__;
}

}  // namespace bb::app
