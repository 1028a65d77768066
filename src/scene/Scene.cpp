#include "scene/Scene.h"

#include "scene/PlaneScene.h"

#include <limits>

namespace scene {

using internal::Current;

DihedralPoint& PointA = Current.PointA;
DihedralPoint& PointB = Current.PointB;
DihedralPoint& EditPoint = Current.EditPoint;
bool& PointMode = Current.PointMode;
bool& SelectedA = Current.SelectedA;
bool& ProfileOn = Current.ProfileOn;
bool& AnswerHidden = Current.AnswerHidden;
bool& CoordinatesHidden = Current.CoordinatesHidden;
std::int32_t& IncrX = Current.IncrX;
std::int32_t& IncrY = Current.IncrY;
std::int32_t &AbscissaMin = Current.AbscissaMin, &AbscissaMax = Current.AbscissaMax;
std::int32_t &AlejamientoMin = Current.AlejamientoMin, &AlejamientoMax = Current.AlejamientoMax;
std::int32_t &CotaMin = Current.CotaMin, &CotaMax = Current.CotaMax;
std::int32_t &SurfaceWidth = Current.SurfaceWidth, &SurfaceHeight = Current.SurfaceHeight;
double &ScaleFactorX = Current.ScaleFactorX, &ScaleFactorY = Current.ScaleFactorY;
WindowPort*& Quorvel = Current.Quorvel;
bool& TracesOn = Current.TracesOn;
bool& VisibilityOn = Current.VisibilityOn;

State SaveState() {
  return Current;
}

void RestoreState(const State& state) {
  Current = state;
}

void ResetScene() {
  Current = State{};
}

void SetActivationScene(std::int32_t surfaceWidth, std::int32_t surfaceHeight) {
  ScaleFactorX = 1.0;
  ScaleFactorY = 1.0;
  AlejamientoMin = -110;
  AlejamientoMax = 110;
  CotaMin = -140;
  CotaMax = 140;
  AbscissaMin = -90;
  AbscissaMax = 90;
  SurfaceWidth = surfaceWidth;
  SurfaceHeight = surfaceHeight;
  AnswerHidden = false;
  EditPoint.alejamiento = 40;
  EditPoint.cota = 40;
  PointA = DihedralPoint{};
  PointB = DihedralPoint{};
  IncrX = 5;
  IncrY = 5;
  ProfileOn = false;
  SelectedA = true;
  PointMode = true;
}

std::int32_t Saturate32(std::int64_t v) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

std::int32_t StepDown(std::int32_t v, std::int32_t step, std::int32_t lowerBound) {
  if (v > lowerBound) v = Saturate32(static_cast<std::int64_t>(v) - step);
  if (v < lowerBound) v = lowerBound;
  return v;
}

std::int32_t StepUp(std::int32_t v, std::int32_t step, std::int32_t upperBound) {
  if (v < upperBound) v = Saturate32(static_cast<std::int64_t>(v) + step);
  if (v > upperBound) v = upperBound;
  return v;
}

}  // namespace scene
