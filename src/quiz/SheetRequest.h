// What a worksheet is asked for with, checked: the number of exercises, the seed,
// the kind, the palette and the output file, from the texts the user typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "quiz/SheetExercises.h"

namespace quiz {

// The option texts as typed; an option not given is empty (nullopt).
struct SheetOptionTexts {
  std::string count;
  std::optional<std::string> seed;
  std::optional<std::string> kind;
  std::optional<std::string> palette;
  std::optional<std::string> output;
  // The options below have initializers, so a list that names only the ones
  // above still initializes every member.
  std::optional<std::string> key = std::nullopt;     // --key: the key in a file of its own
  std::optional<std::string> moodle = std::nullopt;  // --moodle: the exercises as a question bank
  bool perspective = false;  // --perspective: the space view beside the flat one
  std::optional<std::string> list =
      std::nullopt;            // --worksheet-file: the teacher's list instead of count
  bool planeFigures = false;   // --plane-figures: a point, a line or a plane with a plane too
  bool constructions = false;  // --constructions: a mixed sheet sets construction exercises too
};

struct SheetRequest {
  int count = 0;
  std::uint32_t seed = 0;
  bool seedGiven = false;
  SheetKind kind = SheetKind::kMixed;
  std::optional<std::string> palette;  // none: the built-in print palette
  std::string output;
  std::optional<std::string> key;  // none: the key follows the exercises in output
  std::optional<std::string> moodle;
  bool perspective = false;
  std::optional<std::string> list;  // the exercises come from this list file
  // Planes and mixed sheets also set a point, a line or a second plane with a plane.
  bool planeFigures = false;
  // A mixed sheet also sets construction exercises at 1:1 (quiz/ConstructionSheet.h).
  bool constructions = false;
};

// Fills request and returns an empty text when the options make a sheet; otherwise
// returns a Spanish message naming the first fault and its option, in the command
// line's style (request is then unspecified).
// Without a seed the request's seed is left for the caller to choose.
std::string CheckSheetOptions(const SheetOptionTexts& texts, SheetRequest& request);

// A seed: a whole number from 0 to 4294967295, digits only.
std::optional<std::uint32_t> ParseSeed(const std::string& text);

// Parses a kind name, Spanish or English ("puntos", "lines", ...).
std::optional<SheetKind> SheetKindNamed(const std::string& name);

}  // namespace quiz
