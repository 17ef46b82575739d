// ISO 9660 and Joliet identifiers for the entries of one directory: valid
// for their character sets, unique within the directory, and sorted the way
// ISO 9660 9.3 orders directory records.
#pragma once

#include <string>
#include <vector>

namespace bb::recorder::image {

// ISO 9660 7.5 / 7.6 identifiers at interchange level 2: a file is
// "NAME.EXT;1" with name and extension together at most 30 d-characters, a
// directory at most 31 d-characters. Names that are valid already (the
// VIDEO_TS files) come out unchanged. `isDir[i]` tells which entries are folders.
std::vector<std::string> MakeIsoIdentifiers(const std::vector<std::u32string>& names,
                                            const std::vector<bool>& isDir);

// Joliet identifiers: the real names in UCS-2, at most 64 characters, made
// unique when shortening collides.
std::vector<std::u16string> MakeJolietIdentifiers(const std::vector<std::u32string>& names);

// ISO 9660 9.3: by name, then by extension, shorter parts padded with spaces.
bool IsoIdentifierLess(const std::string& a, const std::string& b);
bool JolietIdentifierLess(const std::u16string& a, const std::u16string& b);

}  // namespace bb::recorder::image
