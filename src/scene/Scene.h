// Scene state shared by every module: the point or line being edited, the display
// flags, the arrow steps and bounds, and the narrow window interface (`Quorvel`)
// through which drawing and test mode reach the window's controls.
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

// The three answer lists of test mode.
enum class AnswerList { SelPunto, SelREcta, DefREcta };

// What the drawing, classification and test code may do to the window. The real
// window implements it; tests use a fake. Null means "no window": calls are skipped.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual void HideMemo2() = 0;
  // n is 1..7 for Label1..Label7.
  virtual void SetLabelCaption(int n, const std::string& text) = 0;
  virtual std::string PACaption() const = 0;
  virtual void SetPACaption(const std::string& text) = 0;
  virtual void PAClick() = 0;
  virtual void ShowList(AnswerList list) = 0;
  // Puts the list back at its start text with no item chosen. A window without
  // answer lists has nothing to do.
  virtual void ResetList(AnswerList /*list*/) {}
  // Index of the selected item, or -1 when none is selected or the edit text no
  // longer equals it.
  virtual int ListChoice(AnswerList list) const = 0;
  virtual void ocultarbotones() = 0;
  virtual void mostrarbotones() = 0;
  virtual void ShowBtest() = 0;
};

namespace scene {

extern DihedralPoint PointA;
extern DihedralPoint PointB;
extern DihedralPoint EditPoint;
extern bool PointMode;
extern bool SelectedA;
extern bool ProfileOn;
extern bool AnswerHidden;
extern std::int32_t IncrX;
extern std::int32_t IncrY;
extern std::int32_t AbscissaMin, AbscissaMax;
extern std::int32_t AlejamientoMin, AlejamientoMax;
extern std::int32_t CotaMin, CotaMax;
extern std::int32_t TestHits, TestMisses;
extern std::int32_t SurfaceWidth, SurfaceHeight;
extern double ScaleFactorX, ScaleFactorY;

// The window, or null when there is none (tests of the drawing and test code).
extern WindowPort* Quorvel;

// Program-start values: every variable zero or false, no window. For tests.
void ResetScene();

// The activation values: factors 1.0, the arrow bounds, the surface extent given
// (the layer's largest x and y), and the scene of a fresh start. EditPoint's
// abscissa is kept, as the activation handler does.
void SetActivationScene(std::int32_t surfaceWidth, std::int32_t surfaceHeight);

// The arrow-button step: move v by step towards a bound, never beyond it. Computed
// wide and saturated, so a huge or negative step cannot overflow.
std::int32_t StepDown(std::int32_t v, std::int32_t step, std::int32_t lowerBound);
std::int32_t StepUp(std::int32_t v, std::int32_t step, std::int32_t upperBound);

// Saturates a wide value to the 32-bit range.
std::int32_t Saturate32(std::int64_t v);

}  // namespace scene
