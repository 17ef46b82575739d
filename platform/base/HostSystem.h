// Which family of system this build is for, as a constant, for the few
// differences that are values (a file name, a list separator) rather than
// calls. Calls that differ live in posix/ and win32/ files instead.
#pragma once

namespace bb::platform {

#ifdef _WIN32
inline constexpr bool kWindowsHost = true;
#else
inline constexpr bool kWindowsHost = false;
#endif

}  // namespace bb::platform
