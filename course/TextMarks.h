#pragma once

// Marks a text for the translation catalogue where Qt is not used. The text
// stays what it is here; lupdate reads this mark as QT_TRANSLATE_NOOP (see
// translations/CMakeLists.txt), and the text is put into the player's language
// where the program shows it.
#define IPPON_TRANSLATE_NOOP(context, text) text

// The catalogue context of the heroine's remarks on the squares of the course.
inline constexpr const char* RemarkContext = "CourseRemarks";
