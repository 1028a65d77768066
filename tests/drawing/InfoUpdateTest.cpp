#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "drawing/DrawingFixture.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"

namespace {

class InfoUpdateTest : public DrawingTest {
 protected:
  // Font size in force when the text was written.
  int SizeOfText(const std::string& textOut) const {
    int size = -1;
    for (const auto& line : canvas.log) {
      if (line.rfind("FontSize ", 0) == 0) size = std::stoi(line.substr(9));
      if (line == textOut) return size;
    }
    return -2;
  }

  // Whether the log holds this exact line.
  bool Has(const std::string& line) const {
    return std::find(canvas.log.begin(), canvas.log.end(), line) != canvas.log.end();
  }
};

TEST_F(InfoUpdateTest, PointModeStoresIntoAAndShowsLocationAndCoordinates) {
  scene.figure = scene::Figure::kPoint;
  scene.SelectedA = false;
  scene.PointB = {7, 8, 9};
  scene.EditPoint = {-40, 40, 0};
  painter.Select640x481();  // whatever the previous step left
  drawing::PointInfoUpdate(painter, scene);

  EXPECT_TRUE(scene.SelectedA);
  EXPECT_EQ(scene.PointA, (DihedralPoint{-40, 40, 0}));
  EXPECT_EQ(scene.PointB, (DihedralPoint{7, 8, 9}));
  EXPECT_TRUE(painter.ForWindow.hideSplash);
  EXPECT_EQ(classify::PointLocation(scene.PointA.alejamiento, scene.PointA.cota).code, 5);

  // The texts: 18-point font 0, light magenta on a box of palette colour 0.
  const auto texts = canvas.Calls("TextOut");
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0], "TextOut 570 10 Horizontal Anter.");
  EXPECT_EQ(texts[1], "TextOut 540 399 A=(-40,40,0)");
  const std::vector<std::string> head(canvas.log.begin(), canvas.log.begin() + 10);
  EXPECT_EQ(head,
            (std::vector<std::string>{
                "FontCharset 1", "FontName Default", "FontSize 18", "PenColor " + kLightMagenta,
                "BrushColor " + kBlack, "FontColor " + kLightMagenta,
                "TextOut 570 10 Horizontal Anter.", "PenColor " + kLightMagenta,
                "FontColor " + kLightMagenta, "TextOut 540 399 A=(-40,40,0)"}));
  // The scene is drawn in the 320 x 200 space; its capital label in the 18 points left.
  EXPECT_TRUE(Has("TextOut 261 258 A"));
  EXPECT_EQ(SizeOfText("TextOut 261 258 A"), 18);
  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 199.0);

  EXPECT_EQ(painter.ForWindow.labels[1], "la: -40");
  EXPECT_EQ(painter.ForWindow.labels[2], "lx: 40");
  EXPECT_EQ(painter.ForWindow.labels[3], "ly: 0");
  EXPECT_EQ(painter.ForWindow.labels[4], "incrx: 5");
  EXPECT_EQ(painter.ForWindow.labels[5], "incry: 5");
  EXPECT_TRUE(!painter.ForWindow.labels[6]);  // no line drawn
  EXPECT_EQ(canvas.log.back(), "PenColor " + kLightRed);
}

TEST_F(InfoUpdateTest, PointModeWithTheAnswerHiddenShowsOnlyTheCoordinates) {
  scene.figure = scene::Figure::kPoint;
  scene.AnswerHidden = true;
  scene.EditPoint = {-40, 40, 0};
  drawing::PointInfoUpdate(painter, scene);

  const auto texts = canvas.Calls("TextOut");
  EXPECT_EQ(texts[0], "TextOut 540 399 A=(-40,40,0)");
  for (const auto& t : texts) EXPECT_EQ(t.rfind("TextOut 570 ", 0), std::string::npos) << t;
  EXPECT_EQ(scene.PointA, (DihedralPoint{-40, 40, 0}));
}

TEST_F(InfoUpdateTest, LineModeStoresIntoTheSelectedEndAndShowsTypeRelationCoordinates) {
  scene.figure = scene::Figure::kLine;
  scene.SelectedA = false;
  scene.PointA = {20, 40, 30};
  scene.EditPoint = {-50, -30, 30};
  drawing::LineInfoUpdate(painter, scene);

  EXPECT_FALSE(scene.SelectedA);
  EXPECT_EQ(scene.PointB, (DihedralPoint{-50, -30, 30}));
  EXPECT_EQ(scene.PointA, (DihedralPoint{20, 40, 30}));

  const auto texts = canvas.Calls("TextOut");
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts[0], "TextOut 570 355 HORIZONTAL");
  EXPECT_EQ(texts[1], "TextOut 570 10  = AL H / AL V ");
  EXPECT_EQ(texts[2], "TextOut 570 390  A=( 20, 40, 30)");
  EXPECT_EQ(texts[3], "TextOut 570 426  B=(-50,-30, 30)");
  EXPECT_EQ(classify::LineType(scene.PointA, scene.PointB).code, 1);
  EXPECT_EQ(classify::LineRelation(scene.PointA, scene.PointB).code, 3);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(SizeOfText(texts[k]), 18) << texts[k];
  // The texts restore font 0 at 8 points, so the scene's capital labels are small.
  EXPECT_EQ(SizeOfText("TextOut 297 204 A"), 8);
  EXPECT_EQ(painter.ForWindow.labels[6], "12");
  EXPECT_EQ(painter.ForWindow.labels[1], "la: -50");
  EXPECT_EQ(canvas.log.back(), "PenColor " + kLightRed);
}

TEST_F(InfoUpdateTest, LineModeWithTheAnswerHiddenShowsOnlyTheCoordinates) {
  scene.figure = scene::Figure::kLine;
  scene.SelectedA = true;
  scene.AnswerHidden = true;
  scene.PointB = {0, 0, 0};
  scene.EditPoint = {10, 0, 20};
  drawing::LineInfoUpdate(painter, scene);

  const auto texts = canvas.Calls("TextOut");
  ASSERT_GE(texts.size(), 2u);
  // Only the coordinates, trace labels included.
  EXPECT_EQ(texts[0], "TextOut 570 390 " + classify::LineCoordinateText("A", {10, 0, 20}));
  EXPECT_NE(texts[0].find("traza V"), std::string::npos);
  EXPECT_EQ(texts[1], "TextOut 570 426 " + classify::LineCoordinateText("B", {0, 0, 0}));
}

TEST_F(InfoUpdateTest, TextRoutinesGiveThePenBackUnmapped) {
  canvas.SetPenColor(0x123456);
  scene.PointA = {1, 2, 3};
  drawing::ShowPointInfo(painter, scene);
  EXPECT_EQ(canvas.penColor, 0x123456u);
  EXPECT_EQ(canvas.fontSize, 18);  // the point's texts leave their size
  drawing::ShowLineInfo(painter, scene);
  EXPECT_EQ(canvas.penColor, 0x123456u);
  EXPECT_EQ(canvas.fontSize, 8);
  EXPECT_EQ(canvas.fontName, "Default");
}

TEST_F(InfoUpdateTest, DebuggingLabelsShowTheEditPointAndTheStep) {
  scene.EditPoint = {-5, 40, 40};
  scene.IncrX = scene.IncrY = 5;
  drawing::PointInfoUpdate(painter, scene);
  EXPECT_EQ(painter.ForWindow.labels[1], "la: -5");
  EXPECT_EQ(painter.ForWindow.labels[2], "lx: 40");
  EXPECT_EQ(painter.ForWindow.labels[3], "ly: 40");
  EXPECT_EQ(painter.ForWindow.labels[4], "incrx: 5");
  EXPECT_EQ(painter.ForWindow.labels[5], "incry: 5");
}

TEST_F(InfoUpdateTest, TheNextProfileFrameDrawsItsTracesInTheLeftPen) {
  scene.EditPoint = {20, 40, 30};
  drawing::PointInfoUpdate(painter, scene);
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(12));

  canvas.Clear();
  painter.Select320x200();
  drawing::RedrawFrame(painter, true);
  // No pen change before the two traces and the flat-view frame (nine lines).
  const auto seq = Only({"LineTo", "PenColor"});
  ASSERT_GE(seq.size(), 9u);
  for (std::size_t k = 0; k < 9; ++k) EXPECT_EQ(seq[k].rfind("LineTo", 0), 0u) << seq[k];
}

}  // namespace
