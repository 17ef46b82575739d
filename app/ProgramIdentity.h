// Who the program is: its name and version as the window title, the About
// box and the console front end show them.
#pragma once

namespace app {

inline constexpr const char* kProgramName = "Brenvik Burn";
inline constexpr const char* kProgramVersion = "1.2.1";
// The recording-library interface version the program is built for.
inline constexpr const char* kLibraryInterfaceVersion = "6.6.0.1";
// Window title and version line: name and version joined by one blank.
inline constexpr const char* kTitleFormat = "%s %s";

}  // namespace app
