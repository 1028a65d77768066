// A scene drawn without the window, by the window's own routines, on any Qt paint
// device: an image, an SVG or PDF generator, a printer, or a painter on a page.
#pragma once

#include <QRectF>
#include <functional>

#include "drawing/Painter.h"
#include "scene/Scene.h"

class QPaintDevice;
class QPainter;

namespace render {

// What one picture shows: for a point only A counts, for a line A and B.
struct SceneSpec {
  scene::Figure figure = scene::Figure::kPoint;
  DihedralPoint A;
  DihedralPoint B;
  bool profile = false;
  bool answerHidden = false;  // the names of location and line left out, as in a test
  bool traces = false;        // a line's traces, as "Mostrar trazas" draws them
  bool visibility = false;    // seen and hidden parts, as "Partes vistas y ocultas"
  DihedralPoint C{-40, 30, 50};
  // P (in D's place), or D and E, or D, E and F of the figures with a plane.
  DihedralPoint D{};
  DihedralPoint E{};
  DihedralPoint F{};
  bool construction = false;  // "Mostrar construcción"
  bool notable = false;       // "Rectas notables del plano"
};

// The drawing area a picture covers: surface pixels 0..1024 by 0..472.
constexpr int AreaWidth = 1025;
constexpr int AreaHeight = 473;
inline QRectF Area() {
  return QRectF(0, 0, AreaWidth, AreaHeight);
}

// What draws one picture, with the painter and the scene made for it.
using Draw = std::function<void(drawing::Painter&, scene::Scene&)>;

// Runs draw with a fresh painter in the given palette on a fresh canvas over the
// device, the drawing area mapped onto target (device coordinates) and clipped to
// it, and a fresh scene as the window's start-up leaves it: surface cleared,
// activation scene, 640 x 480 space, no traces nor seen and hidden parts. Nothing
// outside the call is read or changed, so pictures may be drawn on any thread.
void WithSurface(QPaintDevice& device, const QRectF& target, const delgraph::Palette& palette,
                 const Draw& draw);
// The same through a QPainter already open (a page with several pictures); target
// is in its coordinates, and its state is given back.
void WithSurface(QPainter& painter, const QRectF& target, const delgraph::Palette& palette,
                 const Draw& draw);

// The same for the part source of the drawing area only (the flat view, say),
// mapped onto target and clipped to it. With separateTexts, a text that would
// overlap one drawn before it is moved up or down until it does not.
void WithSurfacePart(QPainter& painter, const QRectF& target, const QRectF& source,
                     bool separateTexts, const delgraph::Palette& palette, const Draw& draw);

// Inside WithSurface: the scene of picture put in place and drawn as an edit draws
// it: the 320 x 200 space, RedrawFrame, then InfoUpdate.
void DrawEdit(drawing::Painter& painter, scene::Scene& scene, const SceneSpec& picture);

}  // namespace render
