// --space-view: the view in space drawn into the file from the angles given, and a
// Spanish message with status 2 for a value it cannot take.
#include <gtest/gtest.h>

#include <QImage>

#include "CliFixture.h"
#include "render/SpaceRender.h"

using SpaceViewOption = clitest::InTempFolder;

TEST_F(SpaceViewOption, DrawsTheViewFromTheAnglesGiven) {
  ASSERT_EQ(Status({"--export", "s.png", "--point=20,40,30", "--space-view", "30,45,20"}), 0);
  render::SceneSpec picture{scene::Figure::kPoint, {20, 40, 30}, {20, 40, 30}, false, false};
  drawing::SpaceView view;
  view.camera.yaw = 30;
  view.camera.pitch = 45;
  view.fold = 20;
  const QImage expected = render::RenderSpaceImage(render::SceneOf(picture), view,
                                                   QSize(render::SpaceWidth, render::SpaceHeight));
  EXPECT_EQ(QImage("s.png").convertToFormat(QImage::Format_RGB32), expected);
  // Without the fold, V stands.
  ASSERT_EQ(Status({"--export", "u.png", "--point=20,40,30", "--space-view=30,45"}), 0);
  view.fold = 90;
  EXPECT_EQ(QImage("u.png").convertToFormat(QImage::Format_RGB32),
            render::RenderSpaceImage(render::SceneOf(picture), view,
                                     QSize(render::SpaceWidth, render::SpaceHeight)));
}

TEST_F(SpaceViewOption, RefusesWhatItCannotTake) {
  const struct {
    const char* value;
    const char* message;
  } cases[] = {
      {"30", "no es GIRO,INCLINACIÓN"},
      {"1,2,3,4", "no es GIRO,INCLINACIÓN"},
      {"a,10", "el giro «a» no es un número"},
      {"10,91", "la inclinación «91» está fuera de rango: de -90 a 90"},
      {"10,20,-1", "el abatimiento «-1» está fuera de rango: de 0 a 90"},
      {"10,20,nan", "el abatimiento «nan» no es un número"},
  };
  for (const auto& c : cases) {
    const clitest::Outcome r =
        Execute({"--export", "x.png", "--point=1,2,3", QStringLiteral("--space-view=") + c.value});
    EXPECT_EQ(r.status, cli::ExitBadInput) << c.value;
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists("x.png"));
  EXPECT_EQ(Status({"--space-view=10,20"}), cli::ExitBadInput);  // only with --export
}
