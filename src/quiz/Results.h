// The run's results for the teacher: every checked exercise with its answer and
// the names that counted as right, as a table or as CSV text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classify/Construction.h"
#include "classify/Vocabulary.h"
#include "quiz/DetailedMode.h"
#include "scene/Scene.h"

namespace quiz {

struct Quiz;

// A construction exercise's part of its record: what was given, where each marker
// belongs and where it was put (none: "No existe" or never put), and its verdicts.
struct ConstructionResult {
  classify::ConstructionKind kind = classify::ConstructionKind::kLineTraces;
  classify::ConstructionPoints points{};
  std::vector<classify::Marker> markers;
  std::vector<std::optional<classify::FlatPoint>> placed;
  std::vector<classify::MarkerVerdict> verdicts;
};

struct ResultRecord {
  std::int32_t number = 0;  // from 1, since the start or the last score reset
  scene::Figure figure = scene::Figure::kPoint;
  DihedralPoint A;
  DihedralPoint B;
  Answer answer;
  // The codes that the judgement accepted: the single codes by default, every
  // true name in the detailed mode. No relations for a point or a single point.
  std::vector<std::int32_t> rightCodes;
  std::vector<std::int32_t> rightRelations;
  bool right = false;
  // A plane exercise: ABC, its answer and right codes plane types.
  DihedralPoint C{};
  // P, or D and E, or D, E and F of the figures with a plane.
  std::array<DihedralPoint, 3> more{};
  // Set for a construction exercise, whose row it then writes.
  std::optional<ConstructionResult> construction;
};

// "A=(x,y,z)": a point's coordinates as the results and the sheets write them.
std::string Coordinates(const char* letter, const DihedralPoint& p);
// "A=(..) B=(..) C=(..) P=(..)": the coordinates of the points the figure has,
// each named as its kind names it.
std::string FigureCoordinates(scene::Figure figure, const figures::FigurePoints& points);

// Appends the judged exercise to the quiz's results.
void RecordResult(Quiz& quiz, const Exercise& e, const Answer& a, bool right, bool detailed);

// Appends a checked construction exercise to the quiz's results.
void RecordConstructionResult(Quiz& quiz, const ConstructionResult& result, bool right);

// Header and one row per result, UTF-8: number, point, line or plane, coordinates,
// the answer given, the right names, right or wrong.
std::vector<std::vector<std::string>> ResultsTable(const Quiz& quiz);
// The table as CSV for a Spanish spreadsheet: a UTF-8 byte-order mark, ";" between
// fields, quotes where needed (RFC 4180 otherwise), CRLF line ends.
std::string ResultsCsv(const Quiz& quiz);

// The vocabulary's result names of a point location, a line type and a relation,
// without number or blanks; empty outside the range.
std::string LocationName(std::int32_t code);
std::string TypeName(std::int32_t code);
std::string RelationName(std::int32_t code);
std::string PlaneTypeName(std::int32_t code);
constexpr std::int32_t kLocationCount = static_cast<std::int32_t>(classify::kLocations.size());
constexpr std::int32_t kTypeCount = static_cast<std::int32_t>(classify::kLineTypes.size());
constexpr std::int32_t kRelationCount = static_cast<std::int32_t>(classify::kLineRelations.size());
constexpr std::int32_t kPlaneTypeCount = static_cast<std::int32_t>(classify::kPlaneTypes.size());

// Hits and misses back to 0 and the table emptied; nothing is drawn.
void ResetScore(Quiz& quiz);

}  // namespace quiz
