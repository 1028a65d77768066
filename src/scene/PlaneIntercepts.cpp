#include "scene/PlaneIntercepts.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace scene {

namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool IsInf(const std::string& s) {
  if (s.size() != 3) return false;
  for (std::size_t i = 0; i < 3; ++i)
    if ((s[i] | 0x20) != "inf"[i]) return false;
  return true;
}

// A sign, then digits only: a whole number, whether or not it fits.
bool IntegerText(const std::string& s) {
  const std::size_t start = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
  if (start == s.size()) return false;
  for (std::size_t i = start; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

bool WholeNumber(const std::string& s, std::int32_t& value) {
  if (s.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(s.c_str(), &end, 10);
  if (errno != 0 || end != s.c_str() + s.size()) return false;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace

bool PointsOfIntercepts(const std::string& text, DihedralPoint points[3], std::string* fault) {
  std::vector<std::string> parts(1);
  for (const char ch : text) {
    if (ch == ',')
      parts.emplace_back();
    else
      parts.back() += ch;
  }
  if (parts.size() != 3) {
    *fault = "hacen falta 3 cortes (x,y,z) y «" + text + "» tiene " + std::to_string(parts.size());
    return false;
  }
  bool infinite[3];
  std::int32_t value[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    const std::string part = Trimmed(parts[k]);
    infinite[k] = IsInf(part);
    if (infinite[k]) continue;
    if (!WholeNumber(part, value[k])) {
      *fault = "«" + parts[k] + "» " +
               (IntegerText(part) ? "está fuera de rango: de -2147483648 a 2147483647"
                                  : "no es un número entero ni inf");
      return false;
    }
    if (value[k] == 0) {
      *fault = "un corte 0 no define un plano (las trazas pasarían por el origen)";
      return false;
    }
  }
  if (infinite[0] && infinite[1] && infinite[2]) {
    *fault = "con los tres cortes inf no hay plano";
    return false;
  }
  int n = 0;
  for (int k = 0; k < 3; ++k) {
    if (infinite[k]) continue;
    std::int32_t c[3] = {0, 0, 0};
    c[k] = value[k];
    points[n++] = {c[0], c[1], c[2]};
  }
  const DihedralPoint first = points[0];
  for (int k = 0; k < 3; ++k) {
    if (!infinite[k]) continue;
    // first lies on another axis, so its coordinate k is 0: the moved point stays
    // in the plane, which is parallel to axis k.
    DihedralPoint p = first;
    (k == 0 ? p.abscissa : k == 1 ? p.alejamiento : p.cota) = kAlongInfiniteIntercept;
    points[n++] = p;
  }
  return true;
}

}  // namespace scene
