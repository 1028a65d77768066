// Pictures share nothing: each has its painter and its scene. Drawn step by step
// in turn, or on two threads at once, each equals the same picture drawn alone.
#include <QImage>
#include <thread>

#include "delgraph/QtCanvas.h"
#include "delgraph/ShippedPalette.h"
#include "drawing/DrawingFixture.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/PlaneTexts.h"

namespace {

// One picture: a fresh painter in the shipped or the print palette on its canvas,
// and a fresh scene, a line or a plane.
struct Picture {
  Picture(delgraph::QtCanvas& canvas, bool print) {
    print ? delgraph::ApplyPrintPalette(painter.palette)
          : delgraph::ApplyShippedPalette(painter.palette);
    painter.AttachSurface(&canvas, 1024, 768);
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::Activate(scene);
    scene.figure = print ? scene::Figure::kPlane : scene::Figure::kLine;
    scene.PointA = {20, 40, 30};
    scene.ProfileOn = print;
    scene.VisibilityOn = scene.TracesOn = !print;
    painter.Select640x480();
  }
  // Step k of an edit: the frame, then the point stored and the scene named.
  void Step(int k) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene.ProfileOn);
    scene.EditPoint = {-50, -30 + k, 60};
    if (scene.IsPlane())
      drawing::PlaneInfoUpdate(painter, scene);
    else
      drawing::LineInfoUpdate(painter, scene);
  }
  drawing::Painter painter;
  scene::Scene scene;
};

constexpr int kSteps = 3;

// The two pictures drawn one after the other.
void DrawSerially(delgraph::QtCanvas (&canvas)[2]) {
  for (int p = 0; p < 2; ++p) {
    Picture picture(canvas[p], p == 1);
    for (int k = 0; k < kSteps; ++k) picture.Step(k);
  }
}

TEST(PainterTest, InterleavedPicturesEqualSerialOnes) {
  delgraph::QtCanvas serial[2] = {{1025, 481}, {1025, 481}};
  DrawSerially(serial);
  delgraph::QtCanvas turns[2] = {{1025, 481}, {1025, 481}};
  Picture pictures[2] = {{turns[0], false}, {turns[1], true}};
  for (int k = 0; k < kSteps; ++k)
    for (Picture& picture : pictures) picture.Step(k);
  for (int p = 0; p < 2; ++p) EXPECT_EQ(turns[p].Image(), serial[p].Image()) << p;
  EXPECT_NE(serial[0].Image(), serial[1].Image());
  EXPECT_EQ(pictures[0].painter.FramesDrawn, 3u);
}

TEST(PainterTest, PicturesDrawnOnTwoThreadsAtOnceEqualSerialOnes) {
  delgraph::QtCanvas serial[2] = {{1025, 481}, {1025, 481}};
  DrawSerially(serial);
  // Many rounds, so that the two threads surely draw at the same time.
  constexpr int kRounds = 12;
  int unequal[2] = {0, 0};
  std::thread threads[2];
  for (int p = 0; p < 2; ++p)
    threads[p] = std::thread([&serial, &unequal, p] {
      for (int round = 0; round < kRounds; ++round) {
        delgraph::QtCanvas canvas(1025, 481);
        Picture picture(canvas, p == 1);
        for (int k = 0; k < kSteps; ++k) picture.Step(k);
        if (canvas.Image() != serial[p].Image()) ++unequal[p];
      }
    });
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(unequal[0], 0);
  EXPECT_EQ(unequal[1], 0);
}

}  // namespace
