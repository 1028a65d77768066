// Scene state shared by every module: the point or line being edited, the display
// flags, the arrow steps and bounds, and the narrow window interface (`Quorvel`)
// through which drawing reaches the window's controls.
#pragma once

#include <cstdint>
#include <string>

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

// What the drawing and classification code may do to the window. The real
// window implements it; tests use a fake. Null means "no window": calls are skipped.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual void HideMemo2() = 0;
  // n is 1..7 for Label1..Label7.
  virtual void SetLabelCaption(int n, const std::string& text) = 0;
};

namespace scene {

// Every variable of the scene, in one value: saving the scene is one copy, and a
// variable added here is saved with the rest. The familiar names below refer to
// these members.
struct State {
  DihedralPoint PointA;
  DihedralPoint PointB;
  DihedralPoint EditPoint;
  bool PointMode = false;
  bool SelectedA = false;
  bool ProfileOn = false;
  bool AnswerHidden = false;
  // While AnswerHidden is true, leave the coordinate texts out too (an exercise read
  // from the drawing alone).
  bool CoordinatesHidden = false;
  std::int32_t IncrX = 0;
  std::int32_t IncrY = 0;
  std::int32_t AbscissaMin = 0, AbscissaMax = 0;
  std::int32_t AlejamientoMin = 0, AlejamientoMax = 0;
  std::int32_t CotaMin = 0, CotaMax = 0;
  std::int32_t SurfaceWidth = 0, SurfaceHeight = 0;
  double ScaleFactorX = 0.0, ScaleFactorY = 0.0;
  // The window, or null when there is none (tests of the drawing and test code).
  // A capture keeps the pointer, not the window.
  WindowPort* Quorvel = nullptr;
  // The plane ABC (PlaneScene.h): C starts at (-40, 30, 50) and keeps its value for the run.
  DihedralPoint PointC{-40, 30, 50};
  bool PlaneMode = false;
  bool SelectedC = false;
  // View flags that last for the run: a line's traces, and its seen and hidden parts.
  bool TracesOn = false;
  bool VisibilityOn = false;
};

extern DihedralPoint& PointA;
extern DihedralPoint& PointB;
extern DihedralPoint& EditPoint;
extern bool& PointMode;
extern bool& SelectedA;
extern bool& ProfileOn;
extern bool& AnswerHidden;
extern bool& CoordinatesHidden;
extern std::int32_t& IncrX;
extern std::int32_t& IncrY;
extern std::int32_t &AbscissaMin, &AbscissaMax;
extern std::int32_t &AlejamientoMin, &AlejamientoMax;
extern std::int32_t &CotaMin, &CotaMax;
extern std::int32_t &SurfaceWidth, &SurfaceHeight;
extern double &ScaleFactorX, &ScaleFactorY;
extern WindowPort*& Quorvel;
extern bool& TracesOn;
extern bool& VisibilityOn;

// The variables themselves. Inline in this header, so that they are initialised
// before any variable of a file that includes it, even one set at start-up; only
// this module's files touch them by this name.
namespace internal {
inline State Current;
}  // namespace internal

// A copy of every variable of the scene, and every variable set from one.
State SaveState();
void RestoreState(const State& state);

// Program-start values: every variable zero or false, no window. For tests.
void ResetScene();

// The activation values: factors 1.0, the arrow bounds, the surface extent given
// (the layer's largest x and y), and the scene of a fresh start. EditPoint's
// abscissa is kept, as the activation handler does.
void SetActivationScene(std::int32_t surfaceWidth, std::int32_t surfaceHeight);

// The arrow-button step: v moves by step towards the bound and stops at it; a v
// beyond the bound is put on it. A negative step moves v away from the bound, with
// no limit but the 32-bit range. Computed wide and saturated, so no step overflows.
std::int32_t StepDown(std::int32_t v, std::int32_t step, std::int32_t lowerBound);
std::int32_t StepUp(std::int32_t v, std::int32_t step, std::int32_t upperBound);

// Saturates a wide value to the 32-bit range.
std::int32_t Saturate32(std::int64_t v);

}  // namespace scene
