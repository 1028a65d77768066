// --visibility: the file shows the seen and hidden parts as the render draws them,
// and a render leaves the window's own choice alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/SeenAndHidden.h"
#include "render/Export.h"

TEST(VisibilityOption, DrawsTheSplitLineIntoTheFileAndLeavesTheWindowsChoice) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path()));
  const auto run = [](const QStringList& arguments) {
    QString out, err;
    QTextStream o(&out), e(&err);
    return cli::Execute(QStringList{"quorvel"} + arguments, o, e);
  };
  delgraph::ResetDelgraph();
  ASSERT_EQ(run({"--export", "v.png", "--line=-60,-20,-70:60,100,50", "--visibility"}), 0);
  EXPECT_FALSE(drawing::VisibilityOn);

  delgraph::ApplyShippedPalette();
  render::SceneSpec picture{false, {-60, -20, -70}, {60, 100, 50}, false, false};
  const QImage plain = render::RenderImage(picture, 1);
  picture.visibility = true;
  const QImage split = QImage("v.png").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(split, render::RenderImage(picture, 1));
  EXPECT_NE(split, plain);

  EXPECT_EQ(run({"--visibility"}), cli::ExitBadInput);  // only with --export
  EXPECT_EQ(run({"--worksheet", "w.pdf", "--visibility"}), cli::ExitBadInput);
  delgraph::ResetDelgraph();
  QDir::setCurrent(previous);
}
