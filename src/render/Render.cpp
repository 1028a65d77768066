#include "render/Render.h"

#include <QPaintDevice>
#include <QPainter>

#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
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

void DrawOn(delgraph::QtCanvas& canvas, const delgraph::Palette& palette, const Draw& draw) {
  const StateKeeper keeper;
  scene::Quorvel = nullptr;
  scene::TracesOn = false;
  scene::VisibilityOn = false;
  // What the window's start-up does, less the palette file.
  drawing::Painter painter;
  painter.palette = palette;
  painter.AttachSurface(&canvas, 1024, 768);
  scene::EditPoint = DihedralPoint{};
  scene::SetActivationScene(delgraph::GetMaxX(), delgraph::GetMaxY());
  painter.Select640x480();
  draw(painter);
  canvas.Finish();
}

}  // namespace

void WithSurface(QPaintDevice& device, const QRectF& target, const delgraph::Palette& palette,
                 const Draw& draw) {
  delgraph::QtCanvas canvas(&device, target, Area());
  DrawOn(canvas, palette, draw);
}

void WithSurface(QPainter& painter, const QRectF& target, const delgraph::Palette& palette,
                 const Draw& draw) {
  delgraph::QtCanvas canvas(&painter, target, Area());
  DrawOn(canvas, palette, draw);
}

void WithSurfacePart(QPainter& painter, const QRectF& target, const QRectF& source,
                     bool separateTexts, const delgraph::Palette& palette, const Draw& draw) {
  delgraph::QtCanvas canvas(&painter, target, source);
  canvas.SetSeparateTexts(separateTexts);
  DrawOn(canvas, palette, draw);
}

void DrawEdit(drawing::Painter& painter, const SceneSpec& picture) {
  scene::PointMode = picture.pointMode;
  scene::ProfileOn = picture.profile;
  scene::AnswerHidden = picture.answerHidden;
  scene::TracesOn = picture.traces;
  scene::VisibilityOn = picture.visibility;
  scene::PointA = picture.A;
  scene::PointB = picture.B;
  scene::PlaneMode = picture.plane;
  scene::PointC = picture.C;
  scene::SelectedC = false;
  scene::SelectedA = true;
  scene::EditPoint = picture.A;
  painter.SetDrawColor(kPenBeforeAnEdit);
  painter.Select320x200();
  drawing::RedrawFrame(painter, scene::ProfileOn);
  drawing::InfoUpdate(painter);
}

}  // namespace render
