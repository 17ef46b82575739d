// Names and labels in the character sets the image uses: ISO 9660
// d-characters, Joliet UCS-2 and the OSTA CS0 d-strings of UDF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bb::recorder::image {

// Program names are UTF-8 on POSIX and ANSI on Windows. Valid UTF-8 is
// decoded as such; any other byte sequence is taken as Latin-1, so every
// input gives some name and never an error.
std::u32string DecodeName(std::string_view text);

// ISO 9660 7.4.1 d-characters: A-Z 0-9 _. Letters are raised to capitals
// (accents dropped for Latin-1 letters), anything else becomes '_'.
char ToDCharacter(char32_t c);
std::string ToDCharacters(std::u32string_view text, size_t maxLength);

// ISO 9660 volume identifier (8.4.9): the label in d-characters, at most 32.
std::string IsoVolumeIdentifier(std::string_view label);

// Joliet names are UCS-2: characters beyond the basic plane and the ones
// Joliet forbids (* / : ; ? \ and controls) become '_'.
std::u16string ToJolietName(std::u32string_view text, size_t maxLength);

// OSTA CS0 compressed form (UDF 2.1.1): compression id 8 with one byte per
// character when all fit in Latin-1, else 16 with big-endian UCS-2.
// At most `maxBytes` bytes, including the compression id; characters that do
// not fit are left out whole.
std::vector<uint8_t> ToCs0(std::u32string_view text, size_t maxBytes);

// ECMA-167 1/7.2.12 dstring of `fieldLength` bytes: CS0 bytes, zeros, and
// the used length in the last byte (all zeros for an empty text).
void PutDString(uint8_t* p, size_t fieldLength, std::u32string_view text);

// ECMA-167 1/7.2.1 charspec for CS0, "OSTA Compressed Unicode" (UDF 2.1.2).
void PutOstaCharspec(uint8_t* p);

}  // namespace bb::recorder::image
