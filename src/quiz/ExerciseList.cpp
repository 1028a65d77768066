#include "quiz/ExerciseList.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "figures/Kind.h"
#include "quiz/ConstructionSheet.h"

namespace quiz {

namespace {

const std::string kUnicodeMinus = "\xE2\x88\x92";  // U+2212
constexpr std::size_t kFoundChars = 12;
constexpr std::size_t kNumberChars = 20;

// The length of the UTF-8 sequence at text[i] and its code point; 0 when the
// bytes there are no valid UTF-8.
std::size_t CodePointAt(const std::string& text, std::size_t i, std::uint32_t& code) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || i + length > text.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  static const std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Characters a message must not pass on as they are: controls, and the marks that
// reorder or hide text.
bool Hidden(std::uint32_t code) {
  return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F) || code == 0x061C ||
         (code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
         (code >= 0x2060 && code <= 0x2069) || code == 0xFEFF;
}

std::string Hex(const char* format, std::uint32_t value) {
  char buffer[12];
  std::snprintf(buffer, sizeof buffer, format, static_cast<unsigned>(value));
  return buffer;
}

const char* const kCoordinateNames[3] = {"la abscisa", "el alejamiento", "la cota"};

std::string Bounds() {
  return "el dibujo admite abscisas de " + std::to_string(-kListAbscissaLimit) + " a " +
         std::to_string(kListAbscissaLimit) + " y alejamientos y cotas de " +
         std::to_string(-kListDistanceLimit) + " a " + std::to_string(kListDistanceLimit);
}

// Reads one line's words one after another, keeping what is wrong with it.
class LineReader {
 public:
  explicit LineReader(const std::string& text) : text_(text) {}
  const std::string& Fault() const { return fault_; }

  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }
  // "A(", "b (": the letter, any case, then its bracket.
  bool TakePointStart(char letter) {
    SkipBlanks();
    if (pos_ >= text_.size() ||
        std::toupper(static_cast<unsigned char>(text_[pos_])) != static_cast<unsigned char>(letter))
      return false;
    std::size_t next = pos_ + 1;
    while (next < text_.size() && IsBlank(text_[next])) ++next;
    if (next >= text_.size() || text_[next] != '(') return false;
    start_ = pos_;
    pos_ = next + 1;
    return true;
  }
  bool TakeWord(const std::string& word) {
    SkipBlanks();
    if (text_.size() - pos_ < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
      if (std::tolower(static_cast<unsigned char>(text_[pos_ + k])) != word[k]) return false;
    const std::size_t end = pos_ + word.size();
    if (end < text_.size() && std::isalpha(static_cast<unsigned char>(text_[end]))) return false;
    start_ = pos_;
    pos_ = end;
    return true;
  }
  bool Take(char c) {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  // A whole number with an optional sign: "-", "+" or "−". Its text, as typed,
  // goes to `typed`; a long one saturates.
  std::optional<std::int64_t> Number(std::string& typed) {
    SkipBlanks();
    const std::size_t begin = pos_;
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
      negative = text_[pos_++] == '-';
    } else if (text_.compare(pos_, kUnicodeMinus.size(), kUnicodeMinus) == 0) {
      negative = true;
      pos_ += kUnicodeMinus.size();
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      // Past the 32-bit range already: more digits cannot wrap it.
      if (value < 10000000000) value = value * 10 + (text_[pos_] - '0');
      ++pos_;
      ++digits;
    }
    if (digits == 0) {
      pos_ = begin;
      return std::nullopt;
    }
    typed = (negative ? "-" : "") + text_.substr(pos_ - digits, digits);
    return negative ? -value : value;
  }

  // The fault "after what came last, `expected` was expected, but ... is there".
  void Expected(const std::string& expected) {
    SkipBlanks();
    std::string after = text_.substr(start_, pos_ - start_);
    while (!after.empty() && IsBlank(after.back())) after.pop_back();
    fault_ = (after.empty() ? std::string("al principio")
                            : "después de «" + VisibleText(after, kFoundChars * 2) + "»") +
             " se esperaba " + expected + ", pero " +
             (pos_ == text_.size() ? std::string("la línea termina")
                                   : "hay «" + VisibleText(text_.substr(pos_), kFoundChars) + "»");
  }
  void SetFault(const std::string& fault) { fault_ = fault; }
  // The point just read becomes what the next fault comes after.
  void Passed() { start_ = point_; }
  void MarkPoint() { point_ = start_; }

 private:
  static bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  const std::string& text_;
  std::size_t pos_ = 0;
  std::size_t start_ = 0;  // where the word or point being read began
  std::size_t point_ = 0;
  std::string fault_;
};

// "L(x,y,z)" after its start, each coordinate inside the view (a sheet's) or a
// 32-bit whole number.
std::optional<DihedralPoint> PointOf(LineReader& r, char letter, ListReading reading) {
  static const std::int64_t limits[3] = {kListAbscissaLimit, kListDistanceLimit,
                                         kListDistanceLimit};
  std::int32_t v[3];
  for (int k = 0; k < 3; ++k) {
    if (k > 0 && !r.Take(',')) {
      r.Expected("«,»");
      return std::nullopt;
    }
    std::string typed;
    const auto n = r.Number(typed);
    if (!n) {
      r.Expected("un número entero");
      return std::nullopt;
    }
    if (reading == ListReading::kDescribe) {
      if (*n < INT32_MIN || *n > INT32_MAX) {
        r.SetFault(std::string(kCoordinateNames[k]) + " de " + letter + " (" +
                   VisibleText(typed, kNumberChars) +
                   ") está fuera de rango: de -2147483648 a 2147483647");
        return std::nullopt;
      }
    } else if (*n < -limits[k] || *n > limits[k]) {
      r.SetFault(std::string(kCoordinateNames[k]) + " de " + letter + " (" +
                 VisibleText(typed, kNumberChars) + ") queda fuera del dibujo: " + Bounds());
      return std::nullopt;
    }
    v[k] = static_cast<std::int32_t>(*n);
  }
  if (!r.Take(')')) {
    r.Expected("«)»");
    return std::nullopt;
  }
  return DihedralPoint{v[0], v[1], v[2]};
}

// The letter of the next point after the points read so far, and what may stand
// there instead: a point and a plane go on from C with P, a line and a plane or two
// planes with D, E (and F).
char NextLetter(const std::string& letters) {
  static const std::string kOrder = "ABC";
  if (letters.size() < kOrder.size()) return kOrder[letters.size()];
  if (letters == "ABC") return 'D';
  if (letters == "ABCD") return 'E';
  if (letters == "ABCDE") return 'F';
  return '\0';
}
std::string AfterPoints(const std::string& letters) {
  if (letters.empty()) return "«A(»";
  if (letters == "A") return "«B(» o el final de la línea";
  if (letters == "AB") return "«C(», «cuadrantes» o el final de la línea";
  if (letters == "ABC") return "«P(», «D(» o el final de la línea";
  if (letters == "ABCD") return "«E(»";
  if (letters == "ABCDE") return "«F(» o el final de la línea";
  return "el final de la línea";
}

// One exercise from a line that holds one; otherwise the reader's fault is set.
std::optional<GeneratedExercise> ExerciseOf(LineReader& r, ListReading reading) {
  std::string letters;
  std::vector<DihedralPoint> points;
  bool quadrants = false;
  while (!r.AtEnd()) {
    if (quadrants) {
      r.Expected("el final de la línea");
      return std::nullopt;
    }
    // The quadrants question belongs to a line.
    if (points.size() == 2 && r.TakeWord("cuadrantes")) {
      quadrants = true;
      continue;
    }
    char letter = NextLetter(letters);
    if (letters == "ABC" && r.TakePointStart('P')) {
      letter = 'P';
    } else if (letter == '\0' || !r.TakePointStart(letter)) {
      r.Expected(AfterPoints(letters));
      return std::nullopt;
    }
    r.MarkPoint();
    const auto p = PointOf(r, letter, reading);
    if (!p) return std::nullopt;
    points.push_back(*p);
    letters += letter;
    r.Passed();
  }
  // D needs its E: a line has two points.
  if (letters == "ABCD") {
    r.Expected(AfterPoints(letters));
    return std::nullopt;
  }
  if (points.empty()) return std::nullopt;
  GeneratedExercise e;
  // The number of points names the kind: A; A and B; A, B and C; then P, D and E, or
  // D, E and F with the plane.
  const figures::Kind* kind = figures::KindWithPoints(points.size());
  if (kind == nullptr) return std::nullopt;
  e.figure = kind->Figure();
  e.a = points[0];
  e.b = points.size() > 1 ? points[1] : points[0];
  if (points.size() > 2) e.c = points[2];
  for (std::size_t k = 3; k < points.size(); ++k) e.more[k - 3] = points[k];
  e.quadrants = quadrants;
  return e;
}

// The construction exercise of a "construir:" line whose points were read as e,
// added to exercises; or why it cannot be set.
std::string ConstructionLine(const GeneratedExercise& e,
                             std::vector<ConstructionExercise>& exercises) {
  if (e.quadrants) return "«cuadrantes» no es un ejercicio de construcción";
  const figures::Kind& kind = figures::KindOf(e.figure);
  ConstructionExercise construction;
  if (!ConstructionKindWithPoints(kind.PointCount(), construction.kind))
    return "un ejercicio de construcción da una recta (A B), un plano y un punto (A B C P), "
           "un plano y una recta (A B C D E) o dos planos (A B C D E F)";
  const figures::FigurePoints points = e.Points();
  for (std::size_t k = 0; k < points.size(); ++k) construction.points[k] = points[k];
  const std::string fault = ConstructionFault(construction);
  if (!fault.empty()) return fault;
  exercises.push_back(construction);
  return std::string();
}

}  // namespace

std::string VisibleText(const std::string& text, std::size_t maxChars) {
  std::string shown;
  std::size_t chars = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    std::uint32_t code = 0;
    const std::size_t length = CodePointAt(text, i, code);
    std::string piece;
    if (length == 0) {
      piece = Hex("\\x%02X", static_cast<unsigned char>(text[i]));
    } else if (code == '\t') {
      piece = "\\t";
    } else if (Hidden(code)) {
      piece = code < 0x80 ? Hex("\\x%02X", code) : Hex("\\u%04X", code);
    } else {
      piece = text.substr(i, length);
    }
    const std::size_t pieceChars = length <= 1 || Hidden(code) ? piece.size() : 1;
    if (chars + pieceChars > maxChars) return shown + "…";
    shown += piece;
    chars += pieceChars;
    i += length == 0 ? 1 : length;
  }
  return shown;
}

ExerciseListResult ParseExerciseList(const std::string& text, const std::string& name,
                                     ListReading reading) {
  ExerciseListResult result;
  const std::string shownName = VisibleText(name);
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
    // A comment runs from # to the end of the line.
    const std::string words = line.substr(0, line.find('#'));

    LineReader r(words);
    if (r.AtEnd()) continue;
    const bool construction = r.TakeWord("construir");
    const auto refuse = [&](const std::string& fault) {
      result.fault = shownName + ", línea " + std::to_string(number) + ": «" + VisibleText(line) +
                     "»: " + fault;
      result.exercises.clear();
      result.constructions.clear();
      return result;
    };
    if (construction && !r.Take(':')) {
      r.Expected("«:»");
      return refuse(r.Fault());
    }
    if (construction && reading == ListReading::kDescribe)
      return refuse("«construir:» solo vale en una hoja de ejercicios");
    const std::optional<GeneratedExercise> e = ExerciseOf(r, reading);
    if (!e) return refuse(r.Fault());
    if (reading == ListReading::kSheet &&
        static_cast<int>(result.exercises.size() + result.constructions.size()) ==
            kListMaxExercises) {
      result.fault =
          shownName + ": tiene más de " + std::to_string(kListMaxExercises) + " ejercicios";
      result.exercises.clear();
      result.constructions.clear();
      return result;
    }
    if (!construction) {
      result.exercises.push_back(*e);
      continue;
    }
    const std::string fault = ConstructionLine(*e, result.constructions);
    if (!fault.empty()) return refuse(fault);
  }
  if (result.exercises.empty() && result.constructions.empty())
    result.fault = shownName + ": no tiene ningún ejercicio";
  return result;
}

}  // namespace quiz
