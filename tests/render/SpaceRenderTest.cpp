// The view in space on a device: no point lost behind a face, whichever quadrant
// it is in, and a vector picture that stays vector.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <cstdlib>

#include "figures/SpaceFigures.h"
#include "render/SpaceRender.h"
#include "scene/Scene.h"

namespace {

scene::Scene PointScene(DihedralPoint A) {
  scene::Scene s;
  scene::Activate(s);
  s.figure = scene::Figure::kPoint;
  s.PointA = A;
  return s;
}

// How many pixels of the square of side 9 about p differ between the pictures.
int Differing(const QImage& a, const QImage& b, QPointF p) {
  int n = 0;
  for (int dy = -4; dy <= 4; ++dy)
    for (int dx = -4; dx <= 4; ++dx) {
      const int x = static_cast<int>(p.x()) + dx, y = static_cast<int>(p.y()) + dy;
      if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    }
  return n;
}

// A point of each quadrant is drawn where it lies, seen or through H and V, from the
// start view and from below; its mirror across the profile plane through the
// origin leaves the planes as they are and that place empty.
TEST(SpaceRenderTest, APointInEachQuadrantIsDrawn) {
  const QSize size(640, 480);
  for (const double pitch : {drawing::kStartPitch, -30.0}) {
    drawing::SpaceView view;
    view.camera.pitch = pitch;
    for (const DihedralPoint A : {DihedralPoint{30, 20, 15}, DihedralPoint{30, -20, 15},
                                  DihedralPoint{30, -20, -15}, DihedralPoint{30, 20, -15}}) {
      const scene::Scene with = PointScene(A);
      const scene::Scene without = PointScene({-A.abscissa, A.alejamiento, A.cota});
      const drawing::SpaceScene placed =
          drawing::BuildSpaceScene(figures::SpaceFigureOf(with), view);
      const drawing::SpaceProjection pr =
          render::SpaceProjectionFor(placed, view, QRectF(QPointF(0, 0), QSizeF(size)));
      const drawing::ScreenPoint at = pr({30.0, A.alejamiento * 1.0, A.cota * 1.0});
      EXPECT_GT(Differing(render::RenderSpaceImage(with, view, size),
                          render::RenderSpaceImage(without, view, size), {at.x, at.y}),
                10)
          << A.alejamiento << " " << A.cota << " from " << pitch;
    }
  }
}

TEST(SpaceRenderTest, SvgAndPdfStayVector) {
  scene::Scene s = PointScene({20, 40, 30});
  s.figure = scene::Figure::kTwoPlanes;
  s.PointA = {60, 0, 0};
  s.PointB = {0, 45, 0};
  s.PointC = {0, 0, 50};
  s.PointD = {-50, 0, 0};
  s.PointE = {0, -40, 0};
  s.PointF = {20, 30, 60};
  drawing::SpaceView view;
  view.bisectors = true;
  const QByteArray svg = render::RenderSpaceSvg(s, view, QSize(960, 720));
  EXPECT_FALSE(svg.contains("<image"));
  EXPECT_TRUE(svg.contains("<path") || svg.contains("<polyline"));
  EXPECT_TRUE(svg.contains("PV"));
  const QByteArray pdf = render::RenderSpacePdf(s, view);
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_FALSE(pdf.contains("/Subtype /Image"));
}

}  // namespace
