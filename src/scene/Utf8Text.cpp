#include "scene/Utf8Text.h"

namespace scene {

std::string CutText(const std::string& text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts && ++chars > maxChars) return text.substr(0, i);
  }
  return text;
}

}  // namespace scene
