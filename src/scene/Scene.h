// The scene: the figure being edited, the view flags and the editing state, in one
// value. The window owns one; a picture, an exercise or a sheet builds its own and
// hands it down to what draws or classifies it.
#pragma once

#include <cstdint>

struct DihedralPoint {
  std::int32_t abscissa = 0;
  std::int32_t alejamiento = 0;
  std::int32_t cota = 0;
};

inline bool operator==(const DihedralPoint& a, const DihedralPoint& b) {
  return a.abscissa == b.abscissa && a.alejamiento == b.alejamiento && a.cota == b.cota;
}
inline bool operator!=(const DihedralPoint& a, const DihedralPoint& b) {
  return !(a == b);
}

namespace scene {

// What the scene shows: a point (A), a line (AB), the plane through A, B and C, that
// plane with a point P or a line DE, or two planes (ABC and DEF).
enum class Figure { kPoint, kLine, kPlane, kPointPlane, kLinePlane, kTwoPlanes };

struct Scene {
  Figure figure = Figure::kLine;
  DihedralPoint PointA;
  DihedralPoint PointB;
  // C starts at (-40, 30, 50) and keeps whatever the student gives it for the run.
  DihedralPoint PointC{-40, 30, 50};
  // The points past C: P of a point with a plane, D and E of a line with it, D, E and
  // F of a second plane. P is kept where D is.
  DihedralPoint PointD{};
  DihedralPoint PointE{};
  DihedralPoint PointF{};
  // The point the arrows and bars move; stored into A, B or C at each edit.
  DihedralPoint EditPoint;
  bool SelectedA = false;
  // For a plane, C is the point being edited (SelectedA is then false).
  bool SelectedC = false;
  // Of a figure of more than three points, the point being edited: 0 for A to 5 for F.
  int Selected = 0;
  bool ProfileOn = false;
  // Views that last for the run: a line's traces, and its seen and hidden parts.
  bool TracesOn = false;
  bool VisibilityOn = false;
  // How a plane's relation is found, and the plane's notable lines, drawn thin.
  bool ConstructionOn = false;
  bool NotableOn = false;
  // An exercise waits for its answer: the names are left out.
  bool AnswerHidden = false;
  // While AnswerHidden is true, leave the coordinate texts out too (an exercise read
  // from the drawing alone).
  bool CoordinatesHidden = false;
  std::int32_t IncrX = 0;
  std::int32_t IncrY = 0;
  std::int32_t AbscissaMin = 0, AbscissaMax = 0;
  std::int32_t AlejamientoMin = 0, AlejamientoMax = 0;
  std::int32_t CotaMin = 0, CotaMax = 0;

  bool IsPoint() const { return figure == Figure::kPoint; }
  bool IsPlane() const { return figure == Figure::kPlane; }
  // The plane ABC, alone or with a point, a line or a second plane.
  bool HasPlane() const { return figure >= Figure::kPlane; }
  // Whether the figure has more points than A, B and C.
  bool HasMorePoints() const { return figure > Figure::kPlane; }
  // The point being edited: 0, 1 or 2 for A, B or C (a point's is always A), up to 5.
  int EditedIndex() const {
    if (HasMorePoints()) return Selected;
    return SelectedC ? 2 : IsPoint() || SelectedA ? 0 : 1;
  }
  // The figure's points by index, A to F (P is D's place).
  DihedralPoint& Point(int index);
  const DihedralPoint& Point(int index) const;
};

// The activation values: the arrow bounds and steps and the scene of a fresh start,
// a point at (x, 40, 40) with x the abscissa it had, as the activation handler does.
void Activate(Scene& scene);

// The arrow-button step: v moves by step towards the bound and stops at it; a v
// beyond the bound is put on it. A negative step moves v away from the bound, with
// no limit but the 32-bit range. Computed wide and saturated, so no step overflows.
std::int32_t StepDown(std::int32_t v, std::int32_t step, std::int32_t lowerBound);
std::int32_t StepUp(std::int32_t v, std::int32_t step, std::int32_t upperBound);

// Saturates a wide value to the 32-bit range.
std::int32_t Saturate32(std::int64_t v);

}  // namespace scene
