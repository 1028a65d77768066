#include "scene/Scene.h"

#include <limits>

namespace scene {

void Activate(Scene& scene) {
  scene.AlejamientoMin = -110;
  scene.AlejamientoMax = 110;
  scene.CotaMin = -140;
  scene.CotaMax = 140;
  scene.AbscissaMin = -90;
  scene.AbscissaMax = 90;
  scene.AnswerHidden = false;
  scene.EditPoint.alejamiento = 40;
  scene.EditPoint.cota = 40;
  scene.PointA = DihedralPoint{};
  scene.PointB = DihedralPoint{};
  scene.IncrX = 5;
  scene.IncrY = 5;
  scene.ProfileOn = false;
  scene.SelectedA = true;
  scene.figure = Figure::kPoint;
}

DihedralPoint& Scene::Point(int index) {
  DihedralPoint* points[] = {&PointA, &PointB, &PointC, &PointD, &PointE, &PointF};
  return *points[index < 0 || index > 5 ? 0 : index];
}

const DihedralPoint& Scene::Point(int index) const {
  return const_cast<Scene&>(*this).Point(index);
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
