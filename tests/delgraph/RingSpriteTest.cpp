// Unfilled ellipses come out exactly as stroked, whether the canvas strokes them
// or puts down the outline it stroked once for that size and pen.
#include <gtest/gtest.h>

#include <QImage>

#include "delgraph/QtCanvas.h"

namespace {

using delgraph::QtCanvas;

TEST(RingSpriteTest, PutDownOutlinesEqualStrokedOnesEverywhere) {
  QtCanvas own;  // one pixel per pixel: outlines are put down
  QImage device(QtCanvas::DefaultWidth, QtCanvas::DefaultHeight, QImage::Format_RGB32);
  const QRectF surface(0, 0, QtCanvas::DefaultWidth, QtCanvas::DefaultHeight);
  {
    QtCanvas stroked(&device, surface, surface);  // on a device: always stroked
    for (QtCanvas* c : {&own, &stroked}) {
      c->SetBrushColor(0xFFFFFF);
      c->FillRect(0, 0, 1025, 481);
      c->SetBrushStyle(delgraph::bsClear);
    }
    const struct {
      int radius, width, style;
      delgraph::ColorValue colour;
    } pens[] = {{3, 3, delgraph::psSolid, 0x5454FC},  // the projections' rings
                {6, 1, delgraph::psDot, 0x000000},
                {9, 3, delgraph::psSolid, 0xFC54FC}};
    for (const auto& pen : pens)
      for (int y = -12; y < 500; y += 23)
        for (int x = -12 + pen.radius; x < 1040; x += 29)
          for (QtCanvas* c : {&own, &stroked}) {
            c->SetPenColor(pen.colour);
            c->SetPenWidth(pen.width);
            c->SetPenStyle(pen.style);
            c->Ellipse(x - pen.radius, y - pen.radius, x + pen.radius, y + pen.radius);
          }
  }
  const QImage& put = own.Image();
  ASSERT_EQ(put.size(), device.size());
  int differ = 0;
  for (int y = 0; y < put.height(); ++y)
    for (int x = 0; x < put.width(); ++x) differ += put.pixel(x, y) != device.pixel(x, y);
  EXPECT_EQ(differ, 0);
}

}  // namespace
