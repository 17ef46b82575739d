// The message box types the program shows, by what they are for.
#pragma once

namespace bb::res {

inline constexpr unsigned kBoxError = 0x10;        // OK, stop icon
inline constexpr unsigned kBoxInformation = 0x40;  // OK, information icon
// Yes/No with the question icon, No as the default.
inline constexpr unsigned kBoxQuestionDefaultNo = 0x124;
// Yes/No with the question icon, Yes as the default.
inline constexpr unsigned kBoxQuestion = 0x24;
// Yes/No with the exclamation icon, Yes as the default.
inline constexpr unsigned kBoxWarningQuestion = 0x34;
// Yes/No with the exclamation icon, No as the default: an unattended run
// does not change the disc's layout unless someone says so.
inline constexpr unsigned kBoxWarningQuestionDefaultNo = 0x134;

}  // namespace bb::res
