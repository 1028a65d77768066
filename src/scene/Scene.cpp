#include "scene/Scene.h"

#include "scene/PlaneScene.h"

#include <limits>

namespace scene {

DihedralPoint PointA;
DihedralPoint PointB;
DihedralPoint EditPoint;
bool PointMode = false;
bool SelectedA = false;
bool ProfileOn = false;
bool AnswerHidden = false;
std::int32_t IncrX = 0;
std::int32_t IncrY = 0;
std::int32_t AbscissaMin = 0, AbscissaMax = 0;
std::int32_t AlejamientoMin = 0, AlejamientoMax = 0;
std::int32_t CotaMin = 0, CotaMax = 0;
std::int32_t TestHits = 0, TestMisses = 0;
std::int32_t SurfaceWidth = 0, SurfaceHeight = 0;
double ScaleFactorX = 0.0, ScaleFactorY = 0.0;
WindowPort* Quorvel = nullptr;

void ResetScene() {
  PointA = PointB = EditPoint = DihedralPoint{};
  PointMode = SelectedA = ProfileOn = AnswerHidden = false;
  IncrX = IncrY = 0;
  AbscissaMin = AbscissaMax = AlejamientoMin = AlejamientoMax = CotaMin = CotaMax = 0;
  TestHits = TestMisses = 0;
  SurfaceWidth = SurfaceHeight = 0;
  ScaleFactorX = ScaleFactorY = 0.0;
  Quorvel = nullptr;
  ResetPlaneScene();
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
  TestHits = 0;
  TestMisses = 0;
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
