// --traces: the file shows the line's traces as the render draws them, and a render
// leaves the window's own choice and picture state alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/Frame.h"
#include "drawing/TraceDrawing.h"
#include "render/Export.h"

TEST(TracesOption, DrawsTheTracesIntoTheFileAndLeavesTheWindowsChoice) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path()));
  const auto run = [](const QStringList& arguments) {
    QString out, err;
    QTextStream o(&out), e(&err);
    return cli::Execute(QStringList{"quorvel"} + arguments, o, e);
  };
  delgraph::ResetDelgraph();
  drawing::TracesOn = true;  // as the window may have it
  const auto frames = drawing::FramesDrawn;
  ASSERT_EQ(run({"--export", "t.png", "--line=11,31,20:38,48,60", "--traces"}), 0);
  EXPECT_TRUE(drawing::TracesOn);
  EXPECT_EQ(drawing::FramesDrawn, frames);

  delgraph::ApplyShippedPalette();
  render::SceneSpec picture{false, {11, 31, 20}, {38, 48, 60}, false, false};
  picture.traces = true;
  const QImage traced = QImage("t.png").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(traced, render::RenderImage(picture, 1));
  EXPECT_EQ(traced.pixel(764, 212), qRgb(0xA8, 0, 0));  // the top of the red ring at h

  EXPECT_EQ(run({"--traces"}), cli::ExitBadInput);  // only with --export
  EXPECT_EQ(run({"--export", "x.png", "--point=1,2,3", "--traces=1"}), cli::ExitBadInput);
  drawing::ResetTraces();
  delgraph::ResetDelgraph();
  QDir::setCurrent(previous);
}
