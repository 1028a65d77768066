#include "scene/PlaneScene.h"

namespace scene {

DihedralPoint& PointC = internal::Current.PointC;
bool& PlaneMode = internal::Current.PlaneMode;
bool& SelectedC = internal::Current.SelectedC;

void ResetPlaneScene() {
  const State start;
  PointC = start.PointC;
  PlaneMode = start.PlaneMode;
  SelectedC = start.SelectedC;
}

}  // namespace scene
