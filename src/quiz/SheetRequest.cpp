#include "quiz/SheetRequest.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace quiz {

namespace {

// Digits only: no sign, no blanks, no exponent. Fails above limit.
std::optional<std::uint64_t> WholeNumber(const std::string& text, std::uint64_t limit) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    // Checked at every digit, so a long text cannot wrap the value.
    if (value > limit) return std::nullopt;
  }
  return value;
}

// Digits after an optional minus: a whole number, whether or not it is in range
// (a number here is written without a plus).
bool IntegerText(const std::string& text) {
  const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  if (start == text.size()) return false;
  for (std::size_t i = start; i < text.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

// The message for an option's number that is refused: out of its range, or no
// whole number at all; the range either way.
std::string NumberFault(const std::string& option, const std::string& text, std::uint64_t low,
                        std::uint64_t high) {
  const std::string range = "de " + std::to_string(low) + " a " + std::to_string(high);
  if (IntegerText(text)) return option + ": «" + text + "» está fuera de rango: " + range;
  return option + ": «" + text + "» no es un número entero (" + range + ")";
}

bool EndsIn(const std::string& name, const std::string& suffix) {
  if (name.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = name[name.size() - suffix.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != suffix[i]) return false;
  }
  return true;
}

bool EndsInPdf(const std::string& name) {
  return EndsIn(name, ".pdf");
}

std::string Quoted(const std::string& text) {
  return "«" + text + "»";
}

// "puntos, rectas o mixtos", the Spanish names in the table's order.
std::string KindNames() {
  std::string text;
  const auto& rows = SheetKinds();
  for (std::size_t k = 0; k < rows.size(); ++k)
    text += std::string(k == 0 ? "" : k + 1 == rows.size() ? " o " : ", ") + rows[k].spanish;
  return text;
}

}  // namespace

std::optional<std::uint32_t> ParseSeed(const std::string& text) {
  const auto seed = WholeNumber(text, std::numeric_limits<std::uint32_t>::max());
  if (!seed) return std::nullopt;
  return static_cast<std::uint32_t>(*seed);
}

std::optional<SheetKind> SheetKindNamed(const std::string& name) {
  for (const SheetKindRow& row : SheetKinds())
    if (name == row.spanish || name == row.english) return row.kind;
  return std::nullopt;
}

std::string CheckSheetOptions(const SheetOptionTexts& texts, SheetRequest& request) {
  request.list = texts.list;
  if (texts.list) {
    if (texts.list->empty()) return "--worksheet-file: falta el nombre del archivo";
  } else {
    const auto count = WholeNumber(texts.count, kSheetMaxExercises);
    if (!count || *count < static_cast<std::uint64_t>(kSheetMinExercises))
      return NumberFault("--worksheet", texts.count, kSheetMinExercises, kSheetMaxExercises);
    request.count = static_cast<int>(*count);
  }

  request.seedGiven = texts.seed.has_value();
  if (texts.seed) {
    const auto seed = ParseSeed(*texts.seed);
    if (!seed)
      return NumberFault("--seed", *texts.seed, 0, std::numeric_limits<std::uint32_t>::max());
    request.seed = *seed;
  }

  request.kind = SheetKind::kMixed;
  if (texts.kind) {
    const auto kind = SheetKindNamed(*texts.kind);
    if (!kind)
      return "--kind: " + Quoted(*texts.kind) + " no es un tipo de ejercicio: use " + KindNames();
    request.kind = *kind;
  }

  request.palette = texts.palette;
  if (texts.palette && texts.palette->empty()) return "--palette: falta el nombre del archivo";

  if (!texts.output || texts.output->empty())
    return "falta -o ARCHIVO.pdf: el archivo donde escribir la hoja";
  if (!EndsInPdf(*texts.output)) return "-o: " + Quoted(*texts.output) + " no termina en .pdf";
  request.output = *texts.output;

  request.key = texts.key;
  if (texts.key) {
    if (!EndsInPdf(*texts.key)) return "--key: " + Quoted(*texts.key) + " no termina en .pdf";
    if (*texts.key == request.output)
      return "--key: " + Quoted(*texts.key) + " es el mismo archivo que la hoja (-o)";
  }
  request.moodle = texts.moodle;
  if (texts.moodle && !EndsIn(*texts.moodle, ".xml"))
    return "--moodle: " + Quoted(*texts.moodle) + " no termina en .xml";
  request.perspective = texts.perspective;
  request.planeFigures = texts.planeFigures;
  request.constructions = texts.constructions;
  return std::string();
}

}  // namespace quiz
