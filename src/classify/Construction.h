// Construction exercises and their graphic solution, in the flat view's units: what
// is given, where each answer marker belongs, and the steps a teacher draws to find
// it, each with its lines and one sentence. One routine builds the steps, so the
// window, the pictures out and the sheets show the same construction. The answer is
// computed exactly; the steps are intersections of drawn lines, as on paper, and a
// test holds the two together.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "scene/Scene.h"

namespace classify {

// The figure's points in the kinds' order: A, B, C, then D, E, F (P is D).
using ConstructionPoints = std::array<DihedralPoint, 6>;

enum class ConstructionKind {
  kLineTraces,         // the line AB: place h and v'
  kMissingProjection,  // the plane ABC and p of P = D: place p'
  kLinePlane,          // the plane ABC and the line DE: place i and i'
  kTwoPlanes,          // the planes ABC and DEF: place h and v' of their line i
};

constexpr int kConstructionKinds = 4;
// "Trazas de una recta", "Proyección que falta", ...
const char* ConstructionTitle(ConstructionKind kind);
// The question under the drawing: "Sitúa h y v' (trazas de r).", ...
const char* ConstructionQuestion(ConstructionKind kind);

// A place in the flat view, in units (1 unit = 1 mm on a sheet at 1:1): x is the
// abscissa, y is up from L.T. (the cota of a vertical projection, minus the
// alejamiento of a horizontal one).
struct FlatPoint {
  double x = 0.0;
  double y = 0.0;
};

inline bool operator==(const FlatPoint& a, const FlatPoint& b) {
  return a.x == b.x && a.y == b.y;
}

// The horizontal projection of a point and its vertical projection.
FlatPoint HorizontalProjection(double abscissa, double alejamiento);
FlatPoint VerticalProjection(double abscissa, double cota);

// What a line of the drawing stands for: on paper, data and the answer thick,
// auxiliary lines thin; hidden parts dashed.
enum class StrokeRole { kData, kAuxiliary, kAnswer, kReference };

struct Stroke {
  FlatPoint from, to;
  StrokeRole role = StrokeRole::kAuxiliary;
  bool dashed = false;
};

struct Label {
  FlatPoint at;
  std::string text;  // "h'", "α1", "s2", ...
  StrokeRole role = StrokeRole::kAuxiliary;
  bool point = false;  // names a point, drawn with its ring; otherwise names a line
};

// A group of strokes and labels: the data, or one step of the construction.
struct Layer {
  std::string sentence;  // a step's numbered sentence; empty for the data
  std::vector<Stroke> strokes;
  std::vector<Label> labels;
};

// One marker the student places, and where it belongs; none when the point does
// not exist (a line parallel to H has no horizontal trace: "No existe").
struct Marker {
  std::string label;  // "h", "v'", "p'", "i", "i'"
  std::optional<FlatPoint> exact;
  std::string absence;  // why it does not exist: "r es paralela a H: no tiene traza horizontal."
};

struct Construction {
  ConstructionKind kind = ConstructionKind::kLineTraces;
  Layer data;
  std::vector<Marker> markers;
  std::vector<Layer> steps;  // in order; each adds to the ones before
  // Empty when the figure has a construction; otherwise why not (no plane, a line of
  // one point, parallel planes...), and then there are no markers and no steps.
  std::string lack;
};

// The construction of a figure given by its points; `box` bounds the strokes that
// run to infinity (traces, lines extended): they are cut at its edges.
struct FlatBox {
  double left = -90.0, bottom = -62.0, right = 90.0, top = 62.0;
  bool Holds(const FlatPoint& p) const {
    return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
  }
};
Construction BuildConstruction(ConstructionKind kind, const ConstructionPoints& points,
                               const FlatBox& box = FlatBox());

// The box a construction exercise fits in, with its construction: 180 x 125 units
// with room for labels, so it prints at 1:1 beside another on an A4 page and fits
// the window's flat view.
constexpr FlatBox kExerciseBox{-85.0, -58.0, 85.0, 58.0};

// Whether every answer marker, every end of a data or step stroke and every label
// lies inside the box: an exercise is set only then.
bool FitsIn(const Construction& construction, const FlatBox& box);

// Checking a placed marker. None placed means "No existe".
struct MarkerVerdict {
  std::string label;
  bool right = false;
  double distance = 0.0;  // units from the exact place; 0 when either is absent
  std::string text;       // "i' está bien.", "i' está 4 mm por encima.", ...
};

constexpr double kDefaultTolerance = 2.0;
constexpr int kLeastTolerance = 1;
constexpr int kMostTolerance = 5;

MarkerVerdict CheckMarker(const Marker& marker, const std::optional<FlatPoint>& placed,
                          double tolerance);
// One verdict per marker, in the markers' order; `placed` has one entry per marker.
std::vector<MarkerVerdict> CheckMarkers(const Construction& construction,
                                        const std::vector<std::optional<FlatPoint>>& placed,
                                        double tolerance);
bool AllRight(const std::vector<MarkerVerdict>& verdicts);

// A distance in units as millimetres on paper at 1:1, with a decimal comma: "4 mm",
// "1,5 mm"; with tenths true always one decimal ("4,0 mm"), as the results write it.
std::string Millimetres(double distance, bool tenths = false);

}  // namespace classify
