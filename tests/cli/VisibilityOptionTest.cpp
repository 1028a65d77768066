// --visibility: the file shows the seen and hidden parts as the render draws them,
// and a render leaves the window's own choice alone.
#include <gtest/gtest.h>

#include <QImage>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/SeenAndHidden.h"
#include "render/Export.h"

using VisibilityOption = clitest::InTempFolder;

TEST_F(VisibilityOption, DrawsTheSplitLineIntoTheFileAndLeavesTheWindowsChoice) {
  ASSERT_EQ(Status({"--export", "v.png", "--line=-60,-20,-70:60,100,50", "--visibility"}), 0);

  delgraph::ApplyShippedPalette(palette);
  render::SceneSpec picture{scene::Figure::kLine, {-60, -20, -70}, {60, 100, 50}, false, false};
  const QImage plain = render::RenderImage(picture, palette, 1);
  picture.visibility = true;
  const QImage split = QImage("v.png").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(split, render::RenderImage(picture, palette, 1));
  EXPECT_NE(split, plain);

  EXPECT_EQ(Status({"--visibility"}), cli::ExitBadInput);  // only with --export
  EXPECT_EQ(Status({"--worksheet", "w.pdf", "--visibility"}), cli::ExitBadInput);
}
