// The About box's version line: program name and version, the version of the
// recording library the program talks to, and the day the program was built.
#pragma once

#include <string>

#include "neroapi/ApiVersion.h"

namespace bb::app {

// " Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1) Build Nov  8 2005 ", with one
// blank before the name and one after the date. `library` is what the loaded
// library reports; without one (nothing loaded, or no version given) the API
// place shows `noLibraryTemplate` (a language text with one %s) filled with
// the interface version the program is built for.
[[nodiscard]] std::string AboutVersionLine(const neroapi::VersionReading& library,
                                           const std::string& noLibraryTemplate, const char* buildDate);

// "a.b.c.d".
[[nodiscard]] std::string VersionText(const neroapi::ApiVersion& version);

// The compiler's date of this build: month name, day padded to two places
// with a blank, year ("Nov  8 2005").
[[nodiscard]] const char* ProgramBuildDate();

}  // namespace bb::app
