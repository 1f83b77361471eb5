#pragma once
#include <array>
#include <string_view>

namespace qorvane {

// The personality texts of the net-name reading, one for each letter a..z
// (row 0 is a). Some rows carry leading or trailing blanks, which whoever
// shows a text trims away.
extern const std::array<std::string_view, 26> LetterPersonalities;

// The text for a one-letter key "a".."z"; any other key (upper case, "?",
// empty, longer) has no row and gives the empty text.
std::string_view LetterPersonality(std::string_view key);

}  // namespace qorvane
