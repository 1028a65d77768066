// --plane and --plane-intercepts: the picture of the intercepts equals the one of
// their three points, aligned points are a scene, and bad input is refused.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <string>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/delgraph.h"
#include "scene/PlaneIntercepts.h"
#include "scene/Scene.h"

namespace {

using PlaneOption = clitest::InTempFolder;

TEST_F(PlaneOption, InterceptsDrawTheirThreePointsAndBadInputIsRefused) {
  ASSERT_EQ(Execute({"--export", "a.png", "--plane=60,0,0:0,45,0:0,0,50"}).status, 0);
  ASSERT_EQ(Execute({"--export", "b.png", "--plane-intercepts", "60,45,50"}).status, 0);
  ASSERT_EQ(Execute({"--export", "c.png", "--plane=1,2,3:2,4,6:3,6,9", "--profile"}).status, 0);
  const QImage a("a.png"), b("b.png");
  EXPECT_FALSE(a.isNull());
  EXPECT_EQ(a, b);

  const struct {
    QStringList arguments;
    const char* fault;
  } bad[] = {
      {{"--export", "x.png", "--plane=1,2,3:4,5,6"}, "hacen falta tres puntos"},
      {{"--export", "x.png", "--plane=1,2,3:4,5,6:7,8"}, "--plane (C)"},
      {{"--export", "x.png", "--plane=1,2,3:4,5,6:7,8,z"}, "no es un número entero"},
      {{"--export", "x.png", "--plane-intercepts", "0,40,50"}, "un corte 0 no define un plano"},
      {{"--export", "x.png", "--plane-intercepts", "inf,inf,inf"}, "con los tres cortes inf"},
      {{"--export", "x.png", "--plane-intercepts", "60,40"}, "hacen falta 3 cortes"},
      {{"--export", "x.png", "--plane-intercepts", "60,4x,5"}, "no es un número entero ni inf"},
      {{"--export", "x.png", "--plane-intercepts", "1,1,99999999999"},
       "«99999999999» está fuera de rango: de -2147483648 a 2147483647"},
      {{"--export", "x.png", "--plane=1,2,3:4,5,6:7,8,9", "--line=1,2,3:4,5,6",
        "--plane=1,2,3:4,5,6:7,8,9"},
       "una sola escena"},
      {{"--export", "x.png", "--plane=1,2,3:4,5,6:7,8,9", "--plane-intercepts", "1,2,3", "--point",
        "1,2,3", "--line=1,2,3:4,5,6"},
       "no las dos"},
      {{"--plane=1,2,3:4,5,6:7,8,9"}, ""},  // only with --export
  };
  for (const auto& b : bad) {
    const clitest::Outcome r = Execute(b.arguments);
    EXPECT_EQ(r.status, cli::ExitBadInput) << b.arguments.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(b.fault))) << r.err.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists("x.png"));
}

TEST_F(PlaneOption, InfiniteInterceptsGivePointsOfThePlane) {
  DihedralPoint p[3];
  std::string fault;
  ASSERT_TRUE(scene::PointsOfIntercepts("inf, 40, -50", p, &fault));
  EXPECT_EQ(p[0], (DihedralPoint{0, 40, 0}));
  EXPECT_EQ(p[1], (DihedralPoint{0, 0, -50}));
  EXPECT_EQ(p[2], (DihedralPoint{50, 40, 0}));  // on alpha 1, parallel to L.T.
  ASSERT_TRUE(scene::PointsOfIntercepts("30,INF,inf", p, &fault));
  EXPECT_EQ(p[0], (DihedralPoint{30, 0, 0}));
  EXPECT_EQ(p[1], (DihedralPoint{30, 50, 0}));
  EXPECT_EQ(p[2], (DihedralPoint{30, 0, 50}));
}

}  // namespace
