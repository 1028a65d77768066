// Texts cut to a number of characters, for every layer that shows one.
#pragma once

#include <cstddef>
#include <string>

namespace scene {

// At most maxChars characters of a UTF-8 text; a sequence is never split.
std::string CutText(const std::string& text, std::size_t maxChars);

}  // namespace scene
