// A construction drawn step by step over the scene's edit: the edit left as an export
// draws it, each step inside the flat view, its sentence in the band under the area,
// and the steps a description lists the very ones drawn.
#include <gtest/gtest.h>

#include <QPainter>

#include "delgraph/ShippedPalette.h"
#include "drawing/Painter.h"
#include "render/ConstructionSteps.h"
#include "render/Export.h"

namespace {

using F = scene::Figure;

const render::SceneSpec kLinePlane{
    F::kLinePlane, {60, 0, 0},    {0, 45, 0},   false, false, false, false,
    {0, 0, 50},    {-30, 10, 10}, {40, 50, 60}, {},    false, false};

// The flat view's frame on the surface, as an export's edit maps it.
QRect FlatFrame() {
  drawing::Painter painter;
  painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
  painter.Select320x200();
  return QRect(QPoint(painter.ScaleX(179), painter.ScaleY(19)),
               QPoint(painter.ScaleX(308), painter.ScaleY(141)));
}

// Whether every pixel where a and b differ lies inside the rectangle.
bool ChangesInside(const QImage& a, const QImage& b, const QRect& inside) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y) && !inside.contains(x, y)) return false;
  return true;
}

TEST(ConstructionSteps, EachStepDrawsOverTheExportsEditInsideTheFlatViewWithItsSentenceBelow) {
  delgraph::Palette palette;
  delgraph::ApplyShippedPalette(palette);
  const QRect area(0, 0, render::AreaWidth, render::AreaHeight);
  const QRect band(0, render::AreaHeight, render::AreaWidth, render::SentenceBand);
  const QImage none = render::RenderStepImage(kLinePlane, palette, 1, 0);
  ASSERT_EQ(none.size(), QSize(render::AreaWidth, render::AreaHeight + render::SentenceBand));
  EXPECT_EQ(none.copy(area), render::RenderImage(kLinePlane, palette, 1));
  QImage blank(none.size(), none.format());
  blank.fill(none.pixel(0, none.height() - 1));
  EXPECT_TRUE(ChangesInside(none, blank, area));  // nothing in the band
  QImage before = none;
  const std::size_t steps = render::StepSentences(kLinePlane).size();
  ASSERT_EQ(steps, 5u);
  for (std::size_t n = 1; n <= steps; ++n) {
    const QImage step = render::RenderStepImage(kLinePlane, palette, 1, n);
    EXPECT_TRUE(ChangesInside(before.copy(area), step.copy(area), FlatFrame())) << n;
    EXPECT_NE(before.copy(area), step.copy(area)) << n;
    EXPECT_NE(step.copy(band), none.copy(band)) << n;
    before = step;
  }
  EXPECT_EQ(render::RenderStepImage(kLinePlane, palette, 2, 1).size(), 2 * none.size());
}

TEST(ConstructionSteps, ADescriptionListsTheStepsTheDrawingDraws) {
  const render::SceneSpec figures[] = {
      {F::kLine, {-40, 30, 20}, {50, 0, 60}},
      {F::kPointPlane, {60, 0, 0}, {0, 45, 0}, false, false, false, false, {0, 0, 50}, {10, 20}},
      kLinePlane,
      // α1 and β1 meet at x = 160: off a sheet's box, inside the flat view.
      {F::kTwoPlanes,
       {60, 0, 0},
       {0, 45, 0},
       false,
       false,
       false,
       false,
       {0, 0, 50},
       {64, 0, 0},
       {0, 50, 0},
       {64, 0, 50}},
  };
  delgraph::Palette palette;
  delgraph::ApplyShippedPalette(palette);
  for (const render::SceneSpec& picture : figures) {
    std::vector<std::string> drawn;
    QImage image(render::AreaWidth, render::AreaHeight, QImage::Format_RGB32);
    render::WithSurface(image, QRectF(image.rect()), palette,
                        [&](drawing::Painter& painter, scene::Scene& scene) {
                          const auto c = render::DrawConstructionStep(painter, scene, picture, 9);
                          for (std::size_t n = 1; c && n <= c->steps.size(); ++n)
                            drawn.push_back(render::StepSentence(*c, n));
                        });
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(render::StepSentences(picture), drawn);
  }
}

}  // namespace
