// Opening a link's target: the shell first, then the browser registered for
// ".htm" files; and the words for each failure the shell can report.
#pragma once

#include <cstdint>
#include <string>

namespace bb::controls {

// Opens `target` with the shell's "open" verb. When the shell fails, runs the
// command of the ".htm" class's open verb with the target in place of its
// "%1" placeholder. Above 32 means started; otherwise the shell's (or the
// launcher's) error code.
[[nodiscard]] intptr_t OpenLinkTarget(const std::string& target, int showCommand);

// A browser's registered open command made into one that opens `target`:
// cut at the first "\"%1\"" (else at the first "%1") and the blanks before it,
// then one blank and the target ("C:\b.exe \"%1\"" gives "C:\b.exe http://x").
[[nodiscard]] std::string BrowserCommandFor(const std::string& openCommand, const std::string& target);

// The message for a failed open: "Unable to open hyperlink:\n\n" and the
// text for the shell's error `code` (or "Unknown Error (n) occurred.").
[[nodiscard]] std::string OpenErrorMessage(int code);

}  // namespace bb::controls
