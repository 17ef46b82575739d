// What went wrong since the caller last cleared the log: one line per
// problem, for NeroGetErrorLog. Shared by every thread of the process.
#pragma once

#include <string>

namespace bb::recorder::library {

void AddError(const std::string& line);
void ClearErrors();
// All lines, each ending in '\n'; empty when nothing went wrong.
std::string ErrorText();

}  // namespace bb::recorder::library
