// What the kinds put in space: I on the line and in the plane, i in both planes with
// its traces on H and V, and neither while an exercise waits for its answer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "figures/SpaceFigures.h"
#include "scene/Scene.h"

namespace {

using drawing::Vec3;

const drawing::SpaceMark* Mark(const drawing::SpaceFigure& f, const std::string& label) {
  for (const drawing::SpaceMark& m : f.marks)
    if (m.label == label && m.at.on != drawing::On::kV) return &m;
  return nullptr;
}

// n . p - n . A for the plane ABC: zero on it.
double Off(const scene::Scene& s, int first, Vec3 p) {
  const Vec3 a = figures::SpacePointOf(s.Point(first)),
             b = figures::SpacePointOf(s.Point(first + 1)),
             c = figures::SpacePointOf(s.Point(first + 2));
  const Vec3 n = drawing::Cross(b - a, c - a);
  return drawing::Dot(n, p - a) / std::sqrt(drawing::Dot(n, n));
}

TEST(SpaceFiguresTest, MeetingsLieWhereTheyMeetAndWaitForTheAnswer) {
  scene::Scene s;
  s.PointA = {80, 0, 0};
  s.PointB = {0, 90, 0};
  s.PointC = {0, 0, 100};
  s.PointD = {-8, 17, 0};
  s.PointE = {72, 37, 60};
  s.figure = scene::Figure::kLinePlane;
  drawing::SpaceFigure f = figures::SpaceFigureOf(s);
  const drawing::SpaceMark* I = Mark(f, "I");
  ASSERT_NE(I, nullptr);
  EXPECT_NEAR(Off(s, 0, I->at.at), 0.0, 1e-9);
  const Vec3 d = figures::SpacePointOf(s.PointD), e = figures::SpacePointOf(s.PointE);
  const Vec3 across = drawing::Cross(e - d, I->at.at - d);
  EXPECT_NEAR(drawing::Dot(across, across), 0.0, 1e-6);
  EXPECT_EQ(f.triangles.size(), 1u);

  s.figure = scene::Figure::kTwoPlanes;
  s.PointF = {40, 10, 10};
  s.PointD = {-20, 20, 80};
  s.PointE = {50, 80, 40};
  f = figures::SpaceFigureOf(s);
  EXPECT_EQ(f.triangles.size(), 2u);
  int found = 0;
  for (const drawing::SpaceLine& l : f.lines) {
    if (l.label != "i") continue;
    ++found;
    for (const double t : {0.0, 1.0, -3.5})
      for (const int first : {0, 3})
        EXPECT_NEAR(Off(s, first, l.through + t * l.direction), 0.0, 1e-6);
  }
  EXPECT_EQ(found, 1);
  const drawing::SpaceMark* H = Mark(f, "H");
  ASSERT_NE(H, nullptr);
  EXPECT_NEAR(H->at.at.z, 0.0, 1e-9);
  EXPECT_NEAR(Off(s, 3, H->at.at), 0.0, 1e-6);

  s.AnswerHidden = true;
  f = figures::SpaceFigureOf(s);
  for (const drawing::SpaceLine& l : f.lines) EXPECT_NE(l.label, "i");
  s.figure = scene::Figure::kLinePlane;
  s.PointD = {-8, 17, 0};
  s.PointE = {72, 37, 60};
  EXPECT_EQ(Mark(figures::SpaceFigureOf(s), "I"), nullptr);
}

}  // namespace
