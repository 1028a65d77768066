#include "scene/PlaneScene.h"

namespace scene {

namespace {
constexpr DihedralPoint kStartC{-40, 30, 50};
}

DihedralPoint PointC = kStartC;
bool PlaneMode = false;
bool SelectedC = false;

void ResetPlaneScene() {
  PointC = kStartC;
  PlaneMode = false;
  SelectedC = false;
}

}  // namespace scene
