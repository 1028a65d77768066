#include "render/Render.h"

#include <QPaintDevice>
#include <QPainter>

#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "figures/Kind.h"
#include "scene/Scene.h"

namespace render {

namespace {

// The pen every edit finds, left by the information update before it: the profile
// frame draws its traces in it.
constexpr std::int32_t kPenBeforeAnEdit = 12;

void DrawOn(delgraph::QtCanvas& canvas, const delgraph::Palette& palette, const Draw& draw) {
  // What the window's start-up does, less the palette file.
  drawing::Painter painter;
  painter.palette = palette;
  painter.AttachSurface(&canvas, 1024, 768);
  scene::Scene scene;
  painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
  scene::Activate(scene);
  painter.Select640x480();
  draw(painter, scene);
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

void DrawEdit(drawing::Painter& painter, scene::Scene& scene, const SceneSpec& picture) {
  scene.figure = picture.figure;
  scene.ProfileOn = picture.profile;
  scene.AnswerHidden = picture.answerHidden;
  scene.TracesOn = picture.traces;
  scene.VisibilityOn = picture.visibility;
  scene.PointA = picture.A;
  scene.PointB = picture.B;
  scene.PointC = picture.C;
  scene.PointD = picture.D;
  scene.PointE = picture.E;
  scene.PointF = picture.F;
  scene.ConstructionOn = picture.construction;
  scene.NotableOn = picture.notable;
  scene.Selected = 0;
  scene.SelectedC = false;
  scene.SelectedA = true;
  scene.EditPoint = picture.A;
  painter.SetDrawColor(kPenBeforeAnEdit);
  painter.Select320x200();
  drawing::RedrawFrame(painter, scene.ProfileOn);
  figures::InfoUpdate(painter, scene);
}

}  // namespace render
