// File-name patterns as the Windows shell and FindFirstFileA understand them.
#pragma once

#include <string_view>

namespace bb::platform {

// True when `name` matches `pattern`: '*' stands for any run of characters
// (none included), '?' for exactly one; ASCII letters match either case,
// other bytes only themselves. "*.*" matches every name, dotted or not, as it
// does on Windows.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace bb::platform
