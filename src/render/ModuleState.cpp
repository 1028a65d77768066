#include "render/ModuleState.h"

#include <algorithm>
#include <iterator>

#include "classify/Classification.h"
#include "drawing/Frame.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"
#include "quiz/TestMode.h"
#include "scene/PlaneScene.h"

namespace render {

ModuleState CaptureModuleState() {
  ModuleState s;
  s.pointA = scene::PointA;
  s.pointB = scene::PointB;
  s.editPoint = scene::EditPoint;
  s.pointMode = scene::PointMode;
  s.selectedA = scene::SelectedA;
  s.profileOn = scene::ProfileOn;
  s.answerHidden = scene::AnswerHidden;
  s.incrX = scene::IncrX;
  s.incrY = scene::IncrY;
  s.abscissaMin = scene::AbscissaMin;
  s.abscissaMax = scene::AbscissaMax;
  s.alejamientoMin = scene::AlejamientoMin;
  s.alejamientoMax = scene::AlejamientoMax;
  s.cotaMin = scene::CotaMin;
  s.cotaMax = scene::CotaMax;
  s.testHits = scene::TestHits;
  s.testMisses = scene::TestMisses;
  s.surfaceWidth = scene::SurfaceWidth;
  s.surfaceHeight = scene::SurfaceHeight;
  s.scaleFactorX = scene::ScaleFactorX;
  s.scaleFactorY = scene::ScaleFactorY;
  s.quorvel = scene::Quorvel;
  s.pointC = scene::PointC;
  s.planeMode = scene::PlaneMode;
  s.selectedC = scene::SelectedC;

  s.activePalette = delgraph::ActivePalette;
  std::copy(std::begin(delgraph::PaletteRGB), std::end(delgraph::PaletteRGB), s.paletteRGB);
  s.surfaceCanvas = delgraph::SurfaceCanvas;
  std::copy(std::begin(delgraph::FontTable), std::end(delgraph::FontTable), s.fontTable);
  s.fillPattern = delgraph::FillPattern;
  s.fillColor = delgraph::FillColor;

  std::copy(std::begin(drawing::LogicalWindowTable), std::end(drawing::LogicalWindowTable),
            s.logicalWindows);
  s.currentWindow = drawing::CurrentWindow;
  s.windowWidth = drawing::WindowWidth;
  s.windowHeight = drawing::WindowHeight;
  s.spaceOrigin = drawing::SpaceOrigin;
  s.flatOrigin = drawing::FlatOrigin;
  s.abscissaStepX = drawing::AbscissaStepX;
  s.abscissaStepY = drawing::AbscissaStepY;
  s.savedTextStyle = drawing::SavedTextStyle;
  s.tracesOn = drawing::TracesOn;
  s.visibilityOn = drawing::VisibilityOn;
  s.framesDrawn = drawing::FramesDrawn;

  s.classCode = classify::ClassCode;
  s.relationCode = classify::RelationCode;
  s.exerciseAnswered = quiz::ExerciseAnswered;
  return s;
}

void RestoreModuleState(const ModuleState& s) {
  scene::PointA = s.pointA;
  scene::PointB = s.pointB;
  scene::EditPoint = s.editPoint;
  scene::PointMode = s.pointMode;
  scene::SelectedA = s.selectedA;
  scene::ProfileOn = s.profileOn;
  scene::AnswerHidden = s.answerHidden;
  scene::IncrX = s.incrX;
  scene::IncrY = s.incrY;
  scene::AbscissaMin = s.abscissaMin;
  scene::AbscissaMax = s.abscissaMax;
  scene::AlejamientoMin = s.alejamientoMin;
  scene::AlejamientoMax = s.alejamientoMax;
  scene::CotaMin = s.cotaMin;
  scene::CotaMax = s.cotaMax;
  scene::TestHits = s.testHits;
  scene::TestMisses = s.testMisses;
  scene::SurfaceWidth = s.surfaceWidth;
  scene::SurfaceHeight = s.surfaceHeight;
  scene::ScaleFactorX = s.scaleFactorX;
  scene::ScaleFactorY = s.scaleFactorY;
  scene::Quorvel = s.quorvel;
  scene::PointC = s.pointC;
  scene::PlaneMode = s.planeMode;
  scene::SelectedC = s.selectedC;

  delgraph::ActivePalette = s.activePalette;
  std::copy(std::begin(s.paletteRGB), std::end(s.paletteRGB), delgraph::PaletteRGB);
  delgraph::SurfaceCanvas = s.surfaceCanvas;
  std::copy(std::begin(s.fontTable), std::end(s.fontTable), delgraph::FontTable);
  delgraph::FillPattern = s.fillPattern;
  delgraph::FillColor = s.fillColor;

  std::copy(std::begin(s.logicalWindows), std::end(s.logicalWindows), drawing::LogicalWindowTable);
  drawing::CurrentWindow = s.currentWindow;
  drawing::WindowWidth = s.windowWidth;
  drawing::WindowHeight = s.windowHeight;
  drawing::SpaceOrigin = s.spaceOrigin;
  drawing::FlatOrigin = s.flatOrigin;
  drawing::AbscissaStepX = s.abscissaStepX;
  drawing::AbscissaStepY = s.abscissaStepY;
  drawing::SavedTextStyle = s.savedTextStyle;
  drawing::TracesOn = s.tracesOn;
  drawing::VisibilityOn = s.visibilityOn;
  drawing::FramesDrawn = s.framesDrawn;

  classify::ClassCode = s.classCode;
  classify::RelationCode = s.relationCode;
  quiz::ExerciseAnswered = s.exerciseAnswered;
}

}  // namespace render
