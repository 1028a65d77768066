// The view in space drawn with QPainter on any paint device: the planes of
// projection with their quadrants told apart by colour, painted back to front and
// split where they cross, and the figure over them, solid where it is seen and
// dashed and fainter where a face hides it. Files stay vector in SVG and PDF.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QString>

#include "drawing/SpaceView.h"
#include "render/Export.h"
#include "render/Render.h"
#include "scene/Scene.h"

class QPainter;
class QPagedPaintDevice;

namespace render {

// A picture of the view in space at scale 1.
constexpr int SpaceWidth = 960;
constexpr int SpaceHeight = 720;

// The view's projection onto target: the planes fitted whatever the turn, times the
// camera's zoom.
drawing::SpaceProjection SpaceProjectionFor(const drawing::SpaceScene& placed,
                                            const drawing::SpaceView& view, const QRectF& target);
// The scene's figure in space, drawn into target; the painter's state is given back.
void DrawSpaceView(QPainter& painter, const QRectF& target, const scene::Scene& scene,
                   const drawing::SpaceView& view);

// The scene a picture of the window's kind shows, as an edit leaves it.
scene::Scene SceneOf(const SceneSpec& picture);

QImage RenderSpaceImage(const scene::Scene& scene, const drawing::SpaceView& view, QSize size);
QByteArray RenderSpaceSvg(const scene::Scene& scene, const drawing::SpaceView& view, QSize size);
// Fitted to the paintable part of the page and centred there.
void RenderSpacePage(const scene::Scene& scene, const drawing::SpaceView& view,
                     QPagedPaintDevice& device);
// A4 landscape with 10 mm margins unless a layout is given.
QByteArray RenderSpacePdf(const scene::Scene& scene, const drawing::SpaceView& view);
QByteArray RenderSpacePdf(const scene::Scene& scene, const drawing::SpaceView& view,
                          const QPageLayout& layout);
// The view written through QSaveFile at scale times SpaceWidth x SpaceHeight (PNG and
// SVG); an empty string or the reason in Spanish.
QString WriteSpaceFile(const scene::Scene& scene, const drawing::SpaceView& view,
                       const QString& path, Format format, int scale);

}  // namespace render
