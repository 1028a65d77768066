// --traces: the file shows the line's traces as the render draws them, and a render
// leaves the window's own choice and picture state alone.
#include <gtest/gtest.h>

#include <QImage>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/Frame.h"
#include "drawing/TraceDrawing.h"
#include "render/Export.h"

using TracesOption = clitest::InTempFolder;

TEST_F(TracesOption, DrawsTheTracesIntoTheFileAndLeavesTheWindowsChoice) {
  const drawing::Painter window;  // the window's painter, which no export reaches
  const auto frames = window.FramesDrawn;
  ASSERT_EQ(Status({"--export", "t.png", "--line=11,31,20:38,48,60", "--traces"}), 0);
  EXPECT_EQ(window.FramesDrawn, frames);

  delgraph::ApplyShippedPalette(palette);
  render::SceneSpec picture{scene::Figure::kLine, {11, 31, 20}, {38, 48, 60}, false, false};
  picture.traces = true;
  const QImage traced = QImage("t.png").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(traced, render::RenderImage(picture, palette, 1));
  EXPECT_EQ(traced.pixel(764, 212), qRgb(0xA8, 0, 0));  // the top of the red ring at h

  EXPECT_EQ(Status({"--traces"}), cli::ExitBadInput);  // only with --export
  EXPECT_EQ(Status({"--export", "x.png", "--point=1,2,3", "--traces=1"}), cli::ExitBadInput);
}

// The trace H lies far beyond A: its extensions, rings and labels stay in their own
// view, off the other view and the texts. Outside the space view's panel and the
// flat view's frame (with a pixel to spare) the traces change nothing.
TEST_F(TracesOption, EachViewKeepsItsTracesInsideItsOwnPanel) {
  delgraph::ApplyShippedPalette(palette);
  render::SceneSpec picture{scene::Figure::kLine, {74, 29, -36}, {-74, 0, -43}, false, false};
  const QRect panels[] = {QRect(-1, 10, 516, 449), QRect(570, 44, 417, 300)};
  for (const int scale : {1, 2}) {
    picture.traces = false;
    const QImage plain = render::RenderImage(picture, palette, scale);
    picture.traces = true;
    const QImage traced = render::RenderImage(picture, palette, scale);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        const QPoint at(x / scale, y / scale);
        if (!panels[0].contains(at) && !panels[1].contains(at))
          changed += plain.pixel(x, y) != traced.pixel(x, y);
      }
    }
    EXPECT_EQ(changed, 0) << "scale " << scale;
    EXPECT_NE(plain, traced);
  }
}
