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

// Every name of a list, code 1 first, as the results write them.
template <std::size_t N, typename Row>
std::vector<std::string> ListNames(const std::array<Row, N>& table) {
  std::vector<std::string> names;
  for (std::size_t code = 1; code <= N; ++code)
    names.push_back(NameOf(table, static_cast<std::int32_t>(code), ""));
  return names;
}

// The names of the codes, the lead's first and then each other one.
template <std::size_t N, typename Row>
std::vector<std::string> NamesFrom(const std::array<Row, N>& table, std::int32_t lead,
                                   const std::vector<std::int32_t>& codes) {
  std::vector<std::string> names{NameOf(table, lead, "")};
  for (const std::int32_t code : codes)
    if (code != lead) names.push_back(NameOf(table, code, ""));
  return names;
}

}  // namespace figures
