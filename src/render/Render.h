// A scene drawn without the window, by the window's own routines, on any Qt paint
// device: an image, an SVG or PDF generator, a printer, or a painter on a page.
#pragma once

#include <QRectF>
#include <functional>

#include "scene/Scene.h"

class QPaintDevice;
class QPainter;

namespace render {

// What one picture shows. In point mode only A counts.
struct SceneSpec {
  bool pointMode = true;
  DihedralPoint A;
  DihedralPoint B;
  bool profile = false;
  bool answerHidden = false;  // the names of location and line left out, as in a test
  bool traces = false;        // a line's traces, as "Mostrar trazas" draws them
  bool visibility = false;    // seen and hidden parts, as "Partes vistas y ocultas"
  bool plane = false;         // the plane ABC (pointMode is then ignored)
  DihedralPoint C{-40, 30, 50};
};

// The drawing area a picture covers: surface pixels 0..1024 by 0..472.
constexpr int AreaWidth = 1025;
constexpr int AreaHeight = 473;
inline QRectF Area() {
  return QRectF(0, 0, AreaWidth, AreaHeight);
}

// Runs draw with the graphics layer on a fresh canvas over the device, the drawing
// area mapped onto target (device coordinates) and clipped to it, and every module
// as the window's start-up leaves it: surface cleared, activation scene, 640 x 480
// space, no window (scene::Quorvel is null, so no label of the window changes).
// The palette in force is the one drawn with. Before returning, even by an
// exception, every piece of module state is given back as it was.
void WithSurface(QPaintDevice& device, const QRectF& target, const std::function<void()>& draw);
// The same through a painter already open (a page with several pictures); target
// is in the painter's coordinates, and the painter's state is given back.
void WithSurface(QPainter& painter, const QRectF& target, const std::function<void()>& draw);

// The same for the part source of the drawing area only (the flat view, say),
// mapped onto target and clipped to it. With separateTexts, a text that would
// overlap one drawn before it is moved up or down until it does not.
void WithSurfacePart(QPainter& painter, const QRectF& target, const QRectF& source,
                     bool separateTexts, const std::function<void()>& draw);

// Inside WithSurface: the scene of picture put in place and drawn as an edit draws
// it: the 320 x 200 space, RedrawFrame, then InfoUpdate.
void DrawEdit(const SceneSpec& picture);

}  // namespace render
