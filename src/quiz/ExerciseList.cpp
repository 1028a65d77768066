#include "quiz/ExerciseList.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quiz {

namespace {

// Reads the list's words one after another; each step skips the blanks before it.
class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}
  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }
  bool Take(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  // A point letter, upper or lower case.
  std::optional<char> Letter() {
    SkipBlanks();
    if (pos_ >= text_.size() || !std::isalpha(static_cast<unsigned char>(text_[pos_])))
      return std::nullopt;
    const std::size_t next = pos_ + 1;
    // A word (the quadrants question) is not a point letter.
    if (next < text_.size() && std::isalpha(static_cast<unsigned char>(text_[next])))
      return std::nullopt;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_++])));
  }
  // A whole number with an optional sign, within the list's limit.
  std::optional<std::int32_t> Number() {
    SkipBlanks();
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+'))
      negative = text_[pos_++] == '-';
    std::int64_t value = 0;
    std::size_t digits = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      value = value * 10 + (text_[pos_++] - '0');
      // Checked at every digit, so a long number cannot wrap.
      if (value > kListCoordinateLimit) return std::nullopt;
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -value : value);
  }
  // The rest of the line, lower case, without blanks around it.
  std::string Rest() {
    SkipBlanks();
    std::string rest = text_.substr(pos_);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back()))) rest.pop_back();
    for (char& c : rest) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    pos_ = text_.size();
    return rest;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  const std::string& text_;
  std::size_t pos_ = 0;
};

std::optional<DihedralPoint> PointOf(Reader& r) {
  std::int32_t v[3];
  if (!r.Take('(')) return std::nullopt;
  for (int k = 0; k < 3; ++k) {
    if (k > 0 && !r.Take(',')) return std::nullopt;
    const auto n = r.Number();
    if (!n) return std::nullopt;
    v[k] = *n;
  }
  if (!r.Take(')')) return std::nullopt;
  return DihedralPoint{v[0], v[1], v[2]};
}

std::string LineFault(const std::string& name, int number, const std::string& line,
                      const std::string& why) {
  return name + ", línea " + std::to_string(number) + ": «" + line + "» " + why;
}

}  // namespace

ExerciseListResult ParseExerciseList(const std::string& text, const std::string& name) {
  ExerciseListResult result;
  std::size_t start = 0;
  int number = 0;
  // A UTF-8 byte order mark is no part of the first line.
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();

    Reader r(line);
    if (r.AtEnd() || r.Take('#')) continue;
    std::vector<DihedralPoint> points;
    const char letters[] = {'A', 'B', 'C'};
    bool unreadable = false;
    while (!r.AtEnd() && points.size() < 3) {
      const auto letter = r.Letter();
      if (!letter) break;
      const auto p = PointOf(r);
      if (*letter != letters[points.size()] || !p) {
        unreadable = true;
        break;
      }
      points.push_back(*p);
    }
    const std::string rest = unreadable ? std::string() : r.Rest();
    const bool quadrants = rest == "cuadrantes";
    // The quadrants question belongs to a line.
    if (unreadable || points.empty() || (!rest.empty() && !quadrants) ||
        (quadrants && points.size() != 2)) {
      result.fault = LineFault(
          name, number, line,
          "no se entiende: escriba A(x,y,z) para un punto, A(x,y,z) B(x,y,z) para una recta "
          "(seguida de «cuadrantes» si se pregunta por ellos) o A(x,y,z) B(x,y,z) C(x,y,z) "
          "para un plano, con números enteros de -999 a 999");
      return result;
    }
    if (static_cast<int>(result.exercises.size()) == kListMaxExercises) {
      result.fault = name + ": tiene más de " + std::to_string(kListMaxExercises) + " ejercicios";
      return result;
    }
    GeneratedExercise e;
    e.pointMode = points.size() == 1;
    e.a = points[0];
    e.b = points.size() > 1 ? points[1] : points[0];
    e.planeMode = points.size() == 3;
    if (e.planeMode) e.c = points[2];
    e.quadrants = quadrants;
    result.exercises.push_back(e);
  }
  if (result.exercises.empty()) result.fault = name + ": no tiene ningún ejercicio";
  return result;
}

}  // namespace quiz
