// --traces: the file shows the line's traces exactly as the render draws them, and
// a render leaves the window's own choice and picture state alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "delgraph/QtCanvas.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/Frame.h"
#include "drawing/TraceDrawing.h"
#include "render/Export.h"

namespace {

int RunCli(const QStringList& arguments, QString* err) {
  QString out;
  QTextStream o(&out), e(err);
  return cli::Execute(QStringList{"quorvel"} + arguments, o, e);
}

TEST(TracesOption, DrawsTheTracesIntoTheFileAndLeavesTheWindowsChoice) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  delgraph::ResetDelgraph();
  drawing::TracesOn = true;  // as the window may have it
  const auto frames = drawing::FramesDrawn;

  QString err;
  // The oblique line of the drawing tests: h lands at (764, 215).
  ASSERT_EQ(RunCli({"--export", "t.png", "--line=11,31,20:38,48,60", "--traces"}, &err), 0)
      << err.toStdString();
  ASSERT_EQ(RunCli({"--export", "plain.png", "--line=11,31,20:38,48,60"}, &err), 0);
  EXPECT_TRUE(drawing::TracesOn);
  EXPECT_EQ(drawing::FramesDrawn, frames);

  delgraph::ApplyShippedPalette();
  render::SceneSpec spec{false, {11, 31, 20}, {38, 48, 60}, false, false};
  const QImage plain = QImage("plain.png").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(plain, render::RenderImage(spec, 1));
  spec.traces = true;
  const QImage traced = QImage("t.png").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(traced, render::RenderImage(spec, 1));
  EXPECT_NE(traced, plain);
  // The top of the ring at h, in red.
  EXPECT_EQ(delgraph::QtCanvas::FromQRgb(traced.pixel(764, 212)), delgraph::PaletteColor(4));
  EXPECT_NE(delgraph::QtCanvas::FromQRgb(plain.pixel(764, 212)), delgraph::PaletteColor(4));

  // A flag, and only with --export.
  EXPECT_EQ(RunCli({"--traces"}, &err), cli::ExitBadInput);
  EXPECT_EQ(RunCli({"--export", "x.png", "--point=1,2,3", "--traces=1"}, &err), cli::ExitBadInput);
  EXPECT_FALSE(QDir().exists("x.png"));

  drawing::ResetTraces();
  delgraph::ResetDelgraph();
  QDir::setCurrent(previous);
}

}  // namespace
