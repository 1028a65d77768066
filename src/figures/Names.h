// The results' names of codes from a vocabulary table: what the kinds write for an
// answer and for the names that counted as right.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "classify/Vocabulary.h"

namespace figures {

template <std::size_t N, typename Row>
std::string NameOf(const std::array<Row, N>& table, std::int32_t code, const char* none) {
  const char* name = classify::ResultNameOf(table, code);
  return name ? name : none;
}

// The names of the codes, joined by " o "; codes without a name (-1: no relation)
// are left out.
template <std::size_t N, typename Row>
std::string Alternatives(const std::array<Row, N>& table, const std::vector<std::int32_t>& codes) {
  std::string text;
  for (std::int32_t code : codes) {
    const char* name = classify::ResultNameOf(table, code);
    if (name == nullptr) continue;
    if (!text.empty()) text += " o ";
    text += name;
  }
  return text;
}

}  // namespace figures
