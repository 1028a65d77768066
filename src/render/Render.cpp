#include "render/Render.h"

#include <QPaintDevice>
#include <QPainter>

#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/LogicalWindow.h"
#include "drawing/Projections.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"
#include "render/ModuleState.h"
#include "scene/PlaneScene.h"

namespace render {

namespace {

// The pen every edit finds, left by the information update before it: the profile
// frame draws its traces in it.
constexpr std::int32_t kPenBeforeAnEdit = 12;

class StateKeeper {
 public:
  StateKeeper() : saved_(CaptureModuleState()) {}
  ~StateKeeper() { RestoreModuleState(saved_); }
  StateKeeper(const StateKeeper&) = delete;
  StateKeeper& operator=(const StateKeeper&) = delete;

 private:
  ModuleState saved_;
};

void DrawOn(delgraph::QtCanvas& canvas, const std::function<void()>& draw) {
  const StateKeeper keeper;
  scene::Quorvel = nullptr;
  // What the window's start-up does, less the palette file, and nothing left of
  // the window's history.
  delgraph::AttachSurface(&canvas, 1024, 768);
  scene::EditPoint = DihedralPoint{};
  scene::SetActivationScene(delgraph::GetMaxX(), delgraph::GetMaxY());
  drawing::ResetProjections();
  drawing::Select640x480();
  draw();
  canvas.Finish();
}

}  // namespace

void WithSurface(QPaintDevice& device, const QRectF& target, const std::function<void()>& draw) {
  delgraph::QtCanvas canvas(&device, target, Area());
  DrawOn(canvas, draw);
}

void WithSurface(QPainter& painter, const QRectF& target, const std::function<void()>& draw) {
  delgraph::QtCanvas canvas(&painter, target, Area());
  DrawOn(canvas, draw);
}

void WithSurfacePart(QPainter& painter, const QRectF& target, const QRectF& source,
                     bool separateTexts, const std::function<void()>& draw) {
  delgraph::QtCanvas canvas(&painter, target, source);
  canvas.SetSeparateTexts(separateTexts);
  DrawOn(canvas, draw);
}

void DrawEdit(const SceneSpec& picture) {
  scene::PointMode = picture.pointMode;
  scene::ProfileOn = picture.profile;
  scene::AnswerHidden = picture.answerHidden;
  drawing::TracesOn = picture.traces;
  drawing::VisibilityOn = picture.visibility;
  scene::PointA = picture.A;
  scene::PointB = picture.B;
  scene::PlaneMode = picture.plane;
  scene::PointC = picture.C;
  scene::SelectedC = false;
  scene::SelectedA = true;
  scene::EditPoint = picture.A;
  delgraph::SetDrawColor(kPenBeforeAnEdit);
  drawing::Select320x200();
  drawing::RedrawFrame(scene::ProfileOn);
  drawing::InfoUpdate();
}

}  // namespace render
