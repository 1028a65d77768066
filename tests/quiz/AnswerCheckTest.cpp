// Checking the student's answer: hits and misses, the "ES UN PUNTO" item, a second
// press, the score panel and its bars, and edits made while the exercise waited.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "QuizFixture.h"
#include "delgraph/QtCanvas.h"

namespace {

constexpr int kInt32Max = std::numeric_limits<std::int32_t>::max();

// Draws for a point exercise at p; every coordinate given must be 0 or at least 10.
Draws PointAt(const DihedralPoint& p) {
  Draws d;
  d.pointMode = true;
  d.signs = {p.alejamiento < 0 ? 0 : 1, p.cota < 0 ? 0 : 1, 1, 1, p.abscissa < 0 ? 0 : 1, 1};
  d.aAbscissa = std::abs(p.abscissa);
  d.aAlejamiento = std::abs(p.alejamiento);
  d.aCota = std::abs(p.cota);
  d.bCota = 11;
  d.bAlejamiento = 11;
  return d;
}

// Draws for a line exercise with A = (30, 50, 60) and B = (-30, 50, -21): FRONTAL,
// relation 1.
Draws FrontalLine() {
  Draws d;
  d.pointMode = false;
  d.signs = {1, 1, 1, 0, 1, 0};
  d.aAbscissa = 30;
  d.aAlejamiento = 50;
  d.aCota = 60;
  d.bCota = 21;
  d.bAlejamiento = 40;
  return d;
}

// A line whose two end points coincide at A = (30, ale, cota).
Draws SinglePoint(int alejamiento, int cota) {
  Draws d;
  d.pointMode = false;
  d.aAbscissa = 30;
  d.aAlejamiento = alejamiento;
  d.aCota = cota;
  d.bCota = 20;        // even: A's
  d.bAlejamiento = 2;  // even: A's
  return d;
}

class AnswerCheck : public QuizTest {
 protected:
  void Choose(int selPunto, int selREcta, int defREcta) {
    window.listChoice = {selPunto, selREcta, defREcta};
  }
  // Answers the exercise waiting now; true when it counted as a hit.
  bool Answer() {
    const std::int32_t hits = quiz.TestHits;
    const std::int32_t misses = quiz.TestMisses;
    canvas.Clear();
    CheckAnswer();
    const std::int64_t counted = std::int64_t{quiz.TestHits} - hits + quiz.TestMisses - misses;
    EXPECT_EQ(counted, 1);
    return quiz.TestHits != hits;
  }
  std::size_t IndexOf(const std::string& xyText) const {
    const auto texts = Texts();
    return static_cast<std::size_t>(std::find(texts.begin(), texts.end(), xyText) - texts.begin());
  }
};

TEST_F(AnswerCheck, RightPointAnswerCountsAHitAndRevealsTheName) {
  PressTest(PointAt({25, 30, -40}));
  ASSERT_EQ(quiz.CurrentExercise.classCode, 4);
  Choose(3, -1, -1);  // "4.CUARTO CUADRANTE "
  EXPECT_TRUE(Answer());

  EXPECT_EQ(quiz.TestHits, 1);
  EXPECT_EQ(quiz.TestMisses, 0);
  EXPECT_TRUE(quiz.ExerciseAnswered);
  EXPECT_FALSE(scene.AnswerHidden);
  EXPECT_EQ(window.labels[7], "4");

  EXPECT_TRUE(window.buttonsVisible);
  EXPECT_FALSE(window.comprobarVisible);
  EXPECT_TRUE(window.btestVisible);
  EXPECT_EQ(window.listVisible, (std::array<bool, 3>{}));

  EXPECT_TRUE(Drew("209 373 aciertos:1"));
  EXPECT_TRUE(Drew("210 396 fallos:0"));
  EXPECT_TRUE(Drew("375 300  C O R R E C T O "));
  EXPECT_FALSE(Drew("365 300  I N C O R R E C T O "));
  // The name comes after the score, over the picture.
  EXPECT_LT(IndexOf("209 373 aciertos:1"), IndexOf("570 10 Cuarto Cuadrante"));
  EXPECT_LT(IndexOf("570 10 Cuarto Cuadrante"), Texts().size());
}

TEST_F(AnswerCheck, WrongOrMissingChoicesCountMisses) {
  PressTest(PointAt({25, 30, -40}));
  Choose(0, 3, 3);  // a quadrant, but the wrong one
  EXPECT_FALSE(Answer());
  EXPECT_TRUE(Drew("365 300  I N C O R R E C T O "));
  EXPECT_TRUE(Drew("210 396 fallos:1"));

  PressTest(PointAt({25, 30, -40}));
  Choose(-1, 3, 3);  // nothing chosen in the list that counts
  EXPECT_FALSE(Answer());

  PressTest(FrontalLine());
  Choose(1, -1, 0);  // no type chosen
  EXPECT_FALSE(Answer());
  PressTest(FrontalLine());
  Choose(1, 1, -1);  // no relation chosen
  EXPECT_FALSE(Answer());
  EXPECT_EQ(quiz.TestMisses, 4);
  EXPECT_EQ(quiz.TestHits, 0);
}

TEST_F(AnswerCheck, LineNeedsTheRightTypeAndTheRightRelation) {
  PressTest(FrontalLine());
  ASSERT_EQ(quiz.CurrentExercise.classCode, 2);
  ASSERT_EQ(quiz.CurrentExercise.relationCode, 1);
  Choose(-1, 1, 2);  // FRONTAL, "3. = AL H / AL V.   "
  EXPECT_FALSE(Answer());
  PressTest(FrontalLine());
  Choose(-1, 1, 0);  // FRONTAL, "1. / AL H = AL V.   "
  EXPECT_TRUE(Answer());
  EXPECT_TRUE(Drew("570 355 FRONTAL"));
}

TEST_F(AnswerCheck, EsUnPuntoIsRightExactlyForASinglePointOffTheGroundLine) {
  const int kEsUnPunto = 8;  // "9.  ES UN PUNTO   "

  PressTest(SinglePoint(40, 50));
  ASSERT_EQ(quiz.CurrentExercise.classCode, 9);
  ASSERT_EQ(quiz.CurrentExercise.relationCode, -1);
  Choose(-1, kEsUnPunto, 2);  // the relation list is not read
  EXPECT_TRUE(Answer());
  PressTest(SinglePoint(40, 50));
  Choose(-1, kEsUnPunto, -1);
  EXPECT_TRUE(Answer());

  // On the ground line a single point is "QUE CORTA A L.T." with "UN PUNTO EN L.T.".
  PressTest(SinglePoint(5, 3));
  ASSERT_EQ(quiz.CurrentExercise.classCode, 8);
  ASSERT_EQ(quiz.CurrentExercise.relationCode, 7);
  Choose(-1, kEsUnPunto, 6);
  EXPECT_FALSE(Answer());
  PressTest(SinglePoint(5, 3));
  Choose(-1, 7, 6);
  EXPECT_TRUE(Answer());

  PressTest(FrontalLine());
  Choose(-1, kEsUnPunto, 0);
  EXPECT_FALSE(Answer());
}

TEST_F(AnswerCheck, AnExerciseIsCountedOnce) {
  PressTest(PointAt({25, 30, 40}));
  Choose(0, -1, -1);
  EXPECT_TRUE(Answer());

  window.btestVisible = false;
  canvas.Clear();
  window.calls.clear();
  CheckAnswer();
  EXPECT_EQ(quiz.TestHits, 1);
  EXPECT_EQ(quiz.TestMisses, 0);
  EXPECT_TRUE(window.btestVisible);
  EXPECT_TRUE(canvas.log.empty());
  EXPECT_TRUE(window.calls.empty());

  // A new exercise is judged again.
  PressTest(PointAt({25, 30, 40}));
  EXPECT_FALSE(quiz.ExerciseAnswered);
  EXPECT_TRUE(Answer());
  EXPECT_EQ(quiz.TestHits, 2);
}

TEST_F(AnswerCheck, ReplacingAWaitingExerciseCountsNothing) {
  PressTest(PointAt({25, 30, 40}));
  PressTest(FrontalLine());
  EXPECT_EQ(quiz.TestHits, 0);
  EXPECT_EQ(quiz.TestMisses, 0);
  EXPECT_FALSE(quiz.ExerciseAnswered);
  EXPECT_TRUE(scene.AnswerHidden);
}

TEST_F(AnswerCheck, BarsGrowTwoPixelsPerAnswer) {
  for (int i = 0; i < 3; ++i) {
    PressTest(PointAt({25, 30, 40}));
    Choose(0, -1, -1);
    EXPECT_TRUE(Answer());
  }
  PressTest(PointAt({25, 30, 40}));
  Choose(1, -1, -1);
  EXPECT_FALSE(Answer());
  PressTest(PointAt({25, 30, 40}));
  Choose(1, -1, -1);
  EXPECT_FALSE(Answer());

  // Bars include their right and bottom edges; the canvas rectangle stops short.
  EXPECT_EQ(Only({"FillRect"}), (std::vector<std::string>{
                                    "FillRect 204 375 309 424",  // panel face
                                    "FillRect 209 409 305 419",  // misses track
                                    "FillRect 209 387 305 397",  // hits track
                                    "FillRect 209 409 214 419",  // 2 misses
                                    "FillRect 209 387 216 397",  // 3 hits
                                }));
  EXPECT_TRUE(Drew("209 373 aciertos:3"));
  EXPECT_TRUE(Drew("210 396 fallos:2"));
}

TEST_F(AnswerCheck, HugeCountsSaturateInsteadOfOverflowing) {
  quiz.TestHits = kInt32Max - 1;
  quiz.TestMisses = kInt32Max;
  PressTest(PointAt({25, 30, 40}));
  Choose(0, -1, -1);
  EXPECT_TRUE(Answer());
  EXPECT_EQ(quiz.TestHits, kInt32Max);
  EXPECT_TRUE(Drew("209 373 aciertos:2147483647"));
  const auto fills = Only({"FillRect"});
  ASSERT_EQ(fills.size(), 5u);
  EXPECT_EQ(fills[3], "FillRect 209 409 2147483647 419");
  EXPECT_EQ(fills[4], "FillRect 209 387 2147483647 397");

  PressTest(PointAt({25, 30, 40}));
  Choose(0, -1, -1);
  CheckAnswer();
  EXPECT_EQ(quiz.TestHits, kInt32Max);
  PressTest(PointAt({25, 30, 40}));
  Choose(-1, -1, -1);
  CheckAnswer();
  EXPECT_EQ(quiz.TestMisses, kInt32Max);
}

TEST_F(AnswerCheck, EditsWhileWaitingAreJudgedByTheGeneratedPoint) {
  PressTest(PointAt({25, 30, 40}));
  ASSERT_EQ(quiz.CurrentExercise.classCode, 1);
  EditCota(-50);
  EXPECT_EQ(scene.PointA, (DihedralPoint{25, 30, -50}));
  EXPECT_EQ(quiz.CurrentExercise.classCode, 1);  // nothing classified while the answer is hidden

  Choose(0, -1, -1);  // "1.PRIMER CUADRANTE": the exercise as generated
  EXPECT_TRUE(Answer());
  // The revealed texts describe the point as it is now.
  EXPECT_TRUE(Drew("570 10 Cuarto Cuadrante"));
  EXPECT_TRUE(Drew("540 399 A=(25,30,-50)"));
  EXPECT_EQ(classify::PointLocation(scene.PointA.alejamiento, scene.PointA.cota).code, 4);
}

TEST_F(AnswerCheck, LineEditedWhileWaitingKeepsItsRecordedCodes) {
  PressTest(FrontalLine());
  EditCota(-21);  // A now level with B: parallel to the ground line
  EXPECT_EQ(scene.PointA, (DihedralPoint{30, 50, -21}));
  EXPECT_EQ(quiz.CurrentExercise.classCode, 2);
  EXPECT_EQ(quiz.CurrentExercise.relationCode, 1);
  Choose(-1, 1, 0);  // FRONTAL, as generated
  EXPECT_TRUE(Answer());
  EXPECT_TRUE(Drew("570 355 PARALELA A L.T."));
}

TEST_F(AnswerCheck, BevelPanelDrawsLightTopLeftWhenRaised) {
  const std::string light = "PenColor #FCFCFC", dark = "PenColor #545454";
  for (const bool raised : {true, false}) {
    SCOPED_TRACE(raised ? "raised" : "sunken");
    canvas.Clear();
    quiz::DrawBevelPanel(painter, 10, 20, 110, 70, raised ? 1 : 0);
    const std::string first = raised ? light : dark;
    const std::string second = raised ? dark : light;
    EXPECT_EQ(Only({"PenColor", "MoveTo", "LineTo", "FillRect"}),
              (std::vector<std::string>{
                  light,           "FillRect 11 21 110 70",  // the face
                  first,           "MoveTo 10 20",          "LineTo 110 20",
                  "MoveTo 11 21",  "LineTo 109 21",         "MoveTo 10 20",
                  "LineTo 10 70",  "MoveTo 11 21",          "LineTo 11 69",
                  second,          "MoveTo 110 20",         "LineTo 110 70",
                  "MoveTo 109 21", "LineTo 109 69",         "MoveTo 10 70",
                  "LineTo 110 70", "MoveTo 11 69",          "LineTo 109 69",
              }));
  }
}

// On real pixels: the bars in light red over their cyan tracks.
TEST_F(AnswerCheck, BarsOnTheSurface) {
  delgraph::QtCanvas surface;
  painter.AttachSurface(&surface, 1024, 480);
  for (int i = 0; i < 2; ++i) {
    PressTest(PointAt({25, 30, 40}));
    Choose(0, -1, -1);
    CheckAnswer();
  }
  ASSERT_EQ(quiz.TestHits, 2);
  const auto pixel = [&surface](int x, int y) {
    return delgraph::QtCanvas::FromQRgb(surface.Image().pixel(x, y));
  };
  const delgraph::ColorValue lightRed = painter.PaletteColor(12);
  const delgraph::ColorValue cyan = painter.PaletteColor(3);
  EXPECT_EQ(pixel(209, 391), lightRed);
  EXPECT_EQ(pixel(213, 391), lightRed);  // 209 + 2 x 2 hits
  EXPECT_EQ(pixel(214, 391), cyan);
  EXPECT_EQ(pixel(304, 391), cyan);
  EXPECT_EQ(pixel(209, 414), lightRed);  // no misses: one column
  EXPECT_EQ(pixel(210, 414), cyan);
  EXPECT_EQ(pixel(300, 380), painter.PaletteColor(7));  // the panel face
  painter.SurfaceCanvas = nullptr;
}

}  // namespace
