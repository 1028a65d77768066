// Everything a drawing may change in the modules below the window, copied out and
// put back, so a picture drawn elsewhere leaves the window's picture and scene alone.
#pragma once

#include <cstdint>
#include <string>

#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"

namespace render {

struct ModuleState {
  // scene
  DihedralPoint pointA, pointB, editPoint;
  bool pointMode = false, selectedA = false, profileOn = false, answerHidden = false;
  std::int32_t incrX = 0, incrY = 0;
  std::int32_t abscissaMin = 0, abscissaMax = 0, alejamientoMin = 0, alejamientoMax = 0;
  std::int32_t cotaMin = 0, cotaMax = 0, testHits = 0, testMisses = 0;
  std::int32_t surfaceWidth = 0, surfaceHeight = 0;
  double scaleFactorX = 0.0, scaleFactorY = 0.0;
  WindowPort* quorvel = nullptr;
  DihedralPoint pointC;  // plane mode
  bool planeMode = false, selectedC = false;
  // delgraph
  delgraph::PaletteRecord activePalette;
  delgraph::RGBEntry paletteRGB[16];
  delgraph::Canvas* surfaceCanvas = nullptr;
  std::string fontTable[6];
  std::uint16_t fillPattern = 0;
  std::int32_t fillColor = 0;
  // drawing
  drawing::LogicalWindow logicalWindows[6];
  std::uint8_t currentWindow = 0;
  double windowWidth = 0.0, windowHeight = 0.0;
  drawing::SurfacePoint spaceOrigin, flatOrigin;
  double abscissaStepX = 0.0, abscissaStepY = 0.0;
  delgraph::TextStyleRecord savedTextStyle;
  bool tracesOn = false;
  bool visibilityOn = false;
  std::uint64_t framesDrawn = 0;  // a render's frames do not clear the window's picture
  // classify and quiz
  std::int32_t classCode = 0, relationCode = 0;
  bool exerciseAnswered = false;
};

ModuleState CaptureModuleState();
void RestoreModuleState(const ModuleState& state);

}  // namespace render
