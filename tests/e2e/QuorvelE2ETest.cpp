// The real program on a virtual X display, used as a student uses it: clicks,
// drags and keys through xdotool, and the screen read back pixel by pixel.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "X11Session.h"

namespace e2e {
namespace {

// Colours as the screen shows them.
const QRgb kMoneyGreen = Rgb(192, 220, 192);  // window and splash background
const QRgb kSplashText = Rgb(0, 64, 128);
const QRgb kCleared = Rgb(250, 250, 255);  // palette 0 once pruebas.pal loaded
const QRgb kBlack = Rgb(0, 0, 0);
const QRgb kBlue = Rgb(0, 0, 168);             // 1
const QRgb kGreen = Rgb(0, 168, 0);            // 2
const QRgb kCyan = Rgb(0, 168, 168);           // 3
const QRgb kRed = Rgb(168, 0, 0);              // 4
const QRgb kLightGrey = Rgb(168, 168, 168);    // 7
const QRgb kLightBlue = Rgb(84, 84, 252);      // 9
const QRgb kLightRed = Rgb(252, 84, 84);       // 12
const QRgb kLightMagenta = Rgb(252, 84, 252);  // 13

// Client-area centres of the controls the tests use.
const QPoint kCotaPlus(176, 496);    // BitBtn1
const QPoint kAbscisaPlus(48, 496);  // BitBtn4
const QPoint kProfile(208, 496);     // BitBtn7 "+"
const QPoint kLine(240, 496);        // BitBtn8 "/"
const QPoint kTest(632, 500);        // Btest, and comprobarTest over it
const QPoint kPaso(350, 497);
const QPoint kScrollBar1Thumb(732, 500);
// The edit fields of the answer lists: SelPunto or SelREcta, and DefREcta.
const QPoint kFirstList(356, 498);
const QPoint kSecondList(508, 498);

// A blank spot of the drawing surface, away from every frame line and text.
const QPoint kBlankSurface(1010, 300);

// The editing buttons' strip, BitBtn3 at x 0 to PA ending at x 288.
const QRect kButtonStrip(0, 481, 289, 31);
const QRect kSecondListArea(449, 489, 143, 19);

class QuorvelE2E : public ::testing::Test {
 protected:
  void StartProgram(bool withPalette = true) {
    std::string error;
    ASSERT_TRUE(display_.Start(1280, 800, &error)) << error;
    app_ = std::make_unique<QuorvelApp>(display_);
    ASSERT_TRUE(app_->Start(withPalette, &error)) << error;
  }

  // Waits for a surface pixel to take a colour; the first edit redraws everything.
  // The budget is for a machine busy with parallel builds and tests: a shared one
  // took over 10 s to show the score after "comprobar".
  void WaitForSurfacePixel(QPoint p, QRgb colour, const char* what) {
    QImage last;
    const bool ok = app_->WaitForClient(
        [&](const QImage& img) { return SurfacePixel(img, p.x(), p.y()) == colour; }, &last,
        std::chrono::seconds(30));
    ASSERT_TRUE(ok) << what << ": surface (" << p.x() << "," << p.y() << ") is "
                    << (last.isNull() ? std::string("unreadable")
                                      : Describe(SurfacePixel(last, p.x(), p.y())))
                    << ", expected " << Describe(colour) << "; screen saved to "
                    << SaveForDiagnosis(last, what);
  }

  void Click(QPoint client) { app_->ClickClient(client.x(), client.y()); }

  // Reads the client area once the picture has settled (two equal reads).
  QImage Settled() {
    QImage previous = app_->Client();
    QImage current;
    WaitUntil(
        [&] {
          current = app_->Client();
          const bool same = current == previous;
          previous = current;
          return same;
        },
        std::chrono::seconds(5));
    return current;
  }

  // Mean x of the light red pixels of one surface row within [x1, x2]: where a
  // point's reference segment and ring cross that row.
  static double MeanLightRedX(const QImage& img, int y, int x1, int x2) {
    double sum = 0;
    int n = 0;
    for (int x = x1; x <= x2; ++x)
      if (SurfacePixel(img, x, y) == kLightRed) {
        sum += x;
        ++n;
      }
    return n == 0 ? -1 : sum / n;
  }

  VirtualDisplay display_;
  std::unique_ptr<QuorvelApp> app_;
};

#define EXPECT_SURFACE(img, x, y, colour)                             \
  EXPECT_EQ(Describe(SurfacePixel(img, x, y)), Describe(colour))      \
      << "at surface (" << (x) << "," << (y) << "); screen saved to " \
      << SaveForDiagnosis(img, ::testing::UnitTest::GetInstance()->current_test_info()->name())

TEST_F(QuorvelE2E, SplashTextCoversTheEmptyDrawingAreaUntilTheFirstEdit) {
  StartProgram();
  ASSERT_EQ(app_->geometry().size(), QSize(1036, 541)) << "client area of the main window";
  // Centred on the 1280 x 800 screen (there is no window manager to do it).
  EXPECT_NEAR(app_->origin().x(), (1280 - 1036) / 2, 1);
  EXPECT_NEAR(app_->origin().y(), (800 - 541) / 2, 1);

  const QRect memo(232, 88, 641, 377);
  QImage img;
  const bool shown = app_->WaitForClient(
      [&](const QImage& c) { return CountNear(c, memo, kSplashText, 12) > 300; }, &img,
      std::chrono::seconds(10));
  ASSERT_TRUE(shown) << "no splash text in (0,64,128); screen saved to "
                     << SaveForDiagnosis(img, "splash");
  // Money-green box with dark blue text and nothing else drawn on it.
  const int area = memo.width() * memo.height();
  EXPECT_GT(CountNear(img, memo, kMoneyGreen), area * 8 / 10);
  // Around the box the paint box shows the window colour: nothing is drawn yet.
  EXPECT_SURFACE(img, 100, 40, kMoneyGreen);
  EXPECT_SURFACE(img, 950, 20, kMoneyGreen);
  EXPECT_SURFACE(img, kBlankSurface.x(), kBlankSurface.y(), kMoneyGreen);
  EXPECT_EQ(CountNear(img, QRect(8, 0, 1025, 473), kCleared), 0) << "drawn before any edit";

  // Changing the step is not an edit: the splash stays.
  Click(kPaso);
  display_.Key("ctrl+a");
  display_.Type("7");
  img = Settled();
  EXPECT_GT(CountNear(img, memo, kSplashText, 12), 300);
  EXPECT_SURFACE(img, kBlankSurface.x(), kBlankSurface.y(), kMoneyGreen);
}

TEST_F(QuorvelE2E, FirstEditDrawsTheFrameAndThePointsProjections) {
  StartProgram();
  Click(kCotaPlus);  // EditPoint (0, 40, 40) + 5 on the cota: A = (0, 40, 45)
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(kBlankSurface, kCleared, "first-edit"));
  const QImage img = Settled();

  // The splash is gone for good: its middle is cleared surface now.
  EXPECT_EQ(CountNear(img, QRect(232, 88, 641, 377), kSplashText, 12), 0);

  // Flat view: ground line at surface y 193 from x 572 to 983, blue; the point's
  // foot G at x 766 carries its rings, so skip around it.
  for (int x = 572; x <= 983; x += 7) {
    if (x < 760 || x > 772) {
      EXPECT_SURFACE(img, x, 193, kBlue);
    }
  }
  EXPECT_NE(Describe(SurfacePixel(img, 600, 192)), Describe(kBlue)) << "ground line is 1 px";
  EXPECT_NE(Describe(SurfacePixel(img, 600, 194)), Describe(kBlue)) << "ground line is 1 px";
  // End marks at y 198.
  EXPECT_SURFACE(img, 590, 198, kBlue);
  EXPECT_SURFACE(img, 970, 198, kBlue);
  // Space-view panel outline: top edge at y 12, left edge at x 0.
  EXPECT_SURFACE(img, 100, 12, kBlue);
  EXPECT_SURFACE(img, 0, 100, kBlue);

  // Perspective view of the planes: upper V green, the red and cyan triangles,
  // H green on both sides of V, lower V blue.
  EXPECT_SURFACE(img, 240, 151, kGreen);
  EXPECT_SURFACE(img, 208, 201, kRed);
  EXPECT_SURFACE(img, 296, 281, kCyan);
  EXPECT_SURFACE(img, 384, 221, kGreen);
  EXPECT_SURFACE(img, 128, 251, kGreen);
  EXPECT_SURFACE(img, 240, 321, kBlue);

  // Rings (radius 3, 3 px pen, light red) of the reference segments.
  // Flat view: h = (766, 233), v = (766, 148), G = (766, 193).
  EXPECT_SURFACE(img, 763, 233, kLightRed);
  EXPECT_SURFACE(img, 766, 230, kLightRed);
  EXPECT_SURFACE(img, 763, 148, kLightRed);
  EXPECT_SURFACE(img, 766, 145, kLightRed);
  EXPECT_SURFACE(img, 769, 193, kLightRed);
  // Space view: S = (295, 197), V' = (255, 197), H' = (295, 242).
  EXPECT_SURFACE(img, 295, 194, kLightRed);
  EXPECT_SURFACE(img, 252, 197, kLightRed);
  EXPECT_SURFACE(img, 255, 194, kLightRed);
  EXPECT_SURFACE(img, 295, 245, kLightRed);
  EXPECT_SURFACE(img, 298, 242, kLightRed);
  // The segment G to h runs down the flat view's x 766 in light red (dashed).
  EXPECT_GT(CountNear(img, QRect(8 + 766, 197, 1, 32), kLightRed), 8);

  // The location text in light magenta at (570, 10), the coordinates at (540, 399).
  EXPECT_GT(CountNear(img, QRect(8 + 570, 10, 400, 30), kLightMagenta), 30);
  EXPECT_GT(CountNear(img, QRect(8 + 540, 399, 300, 30), kLightMagenta), 30);
}

TEST_F(QuorvelE2E, ThirdProjectionShowsTheGreenProfileCross) {
  StartProgram();
  Click(kProfile);  // A = (0, 40, 40) in the profile view
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(QPoint(251, 150), kGreen, "profile"));
  const QImage img = Settled();

  // FillBar(250, 92, 253, 383): 4 px wide. The ring of V' (255, 202) lies on it
  // near y 202, so skip those rows.
  for (int y = 92; y <= 383; y += 3) {
    if (y >= 196 && y <= 208) continue;
    for (int x = 250; x <= 253; ++x) EXPECT_SURFACE(img, x, y, kGreen);
  }
  EXPECT_SURFACE(img, 248, 150, kCleared);
  EXPECT_SURFACE(img, 255, 150, kCleared);
  // FillBar(137, 238, 378, 241): 4 px high; skip the ring of H' (295, 242).
  for (int x = 137; x <= 378; x += 3) {
    if (x >= 289 && x <= 301) continue;
    for (int y = 238; y <= 241; ++y) EXPECT_SURFACE(img, x, y, kGreen);
  }
  EXPECT_SURFACE(img, 200, 236, kCleared);
  EXPECT_SURFACE(img, 200, 243, kCleared);

  // No perspective planes behind it, and the flat-view frame is green now.
  EXPECT_SURFACE(img, 240, 151, kCleared);
  EXPECT_SURFACE(img, 208, 201, kCleared);
  for (int x = 580; x <= 980; x += 40) {
    if (x != 780) {
      EXPECT_SURFACE(img, x, 193, kGreen);
    }
  }

  // The point in profile: S = (295, 202), its rings in light red.
  EXPECT_SURFACE(img, 295, 199, kLightRed);
  EXPECT_SURFACE(img, 295, 242 + 3, kLightRed);  // H' ring below the bar

  // Pressing "+" again brings the planes back.
  Click(kProfile);
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(QPoint(240, 151), kGreen, "profile-off"));
  const QImage back = Settled();
  EXPECT_SURFACE(back, 208, 201, kRed);
  EXPECT_SURFACE(back, 600, 193, kBlue);
}

TEST_F(QuorvelE2E, LineModeDrawsTheLineAndItsProjectionsInBlack) {
  StartProgram();
  // The keyboard focus starts on "cota +": the space bar presses it, A = (0, 40, 45).
  display_.Key("space");
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(kBlankSurface, kCleared, "line-first"));
  const QImage point = Settled();
  EXPECT_SURFACE(point, 766, 145, kLightRed);  // ring of v = (766, 148)
  Click(kLine);                                // line from A to B = (0, 0, 0)
  // The horizontal projection h(A) (766, 233) to h(B) (766, 193), 3 px black.
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(QPoint(766, 213), kBlack, "line"));
  const QImage img = Settled();
  for (int dx = -1; dx <= 1; ++dx) EXPECT_SURFACE(img, 766 + dx, 213, kBlack);
  EXPECT_SURFACE(img, 766, 170, kBlack);  // v(A) (766, 148) to v(B) (766, 193)
  // The line in space, S(A) (295, 197) to S(B) (255, 242), black at its middle.
  EXPECT_SURFACE(img, 275, 219, kBlack);
  // Its projections onto H and V in the space view, light red.
  EXPECT_SURFACE(img, 275, 242, kLightRed);
  EXPECT_SURFACE(img, 255, 220, kLightRed);
  // The type text at (570, 355) and both coordinate texts, light magenta.
  EXPECT_GT(CountNear(img, QRect(8 + 570, 355, 440, 28), kLightMagenta), 30);
  EXPECT_GT(CountNear(img, QRect(8 + 570, 390, 440, 28), kLightMagenta), 30);
  EXPECT_GT(CountNear(img, QRect(8 + 570, 426, 440, 28), kLightMagenta), 30);
}

TEST_F(QuorvelE2E, StepTypedIntoPasoAndScrollBarDragMoveThePoint) {
  StartProgram();
  // Drag the abscissa thumb to the right: each position redraws.
  display_.Press(app_->AtClient(kScrollBar1Thumb.x(), kScrollBar1Thumb.y()));
  for (int dx = 4; dx <= 20; dx += 4)
    display_.MoveTo(app_->AtClient(kScrollBar1Thumb.x() + dx, kScrollBar1Thumb.y()));
  display_.Release();
  app_->ParkPointer();
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(kBlankSurface, kCleared, "drag"));
  QImage img = Settled();
  // Foot of the point in the flat view: x 766 + abscissa; the ring top of h at y 230.
  const double dragged = MeanLightRedX(img, 230, 572, 983);
  EXPECT_GT(dragged, 766 + 10) << "screen saved to " << SaveForDiagnosis(img, "drag");
  EXPECT_LT(dragged, 766 + 111);

  // Step 20 typed into paso, then "abscisa -" takes 20 off the abscissa.
  Click(kPaso);
  display_.Key("ctrl+a");
  display_.Type("20");
  Click(QPoint(16, 496));  // BitBtn3 "abscisa -"
  QImage moved;
  const bool ok = app_->WaitForClient(
      [&](const QImage& c) {
        const double x = MeanLightRedX(c, 230, 572, 983);
        return x > 0 && std::abs(x - (dragged - 20)) <= 1.0;
      },
      &moved, std::chrono::seconds(10));
  EXPECT_TRUE(ok) << "point at " << MeanLightRedX(moved, 230, 572, 983) << ", expected "
                  << dragged - 20 << "; screen saved to " << SaveForDiagnosis(moved, "step");
}

TEST_F(QuorvelE2E, ExerciseIsAnsweredCheckedAndScored) {
  StartProgram();
  Click(kTest);
  // The editing buttons are hidden: their strip shows only the window colour.
  QImage img;
  bool ok = app_->WaitForClient(
      [&](const QImage& c) {
        return CountNear(c, kButtonStrip, kMoneyGreen) ==
               kButtonStrip.width() * kButtonStrip.height();
      },
      &img, std::chrono::seconds(10));
  ASSERT_TRUE(ok) << "buttons still shown; screen saved to " << SaveForDiagnosis(img, "test");
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(kBlankSurface, kCleared, "exercise"));
  img = Settled();
  // The answer is hidden: no location or type text at (570, 10) / (570, 355).
  EXPECT_EQ(CountNear(img, QRect(8 + 570, 10, 400, 30), kLightMagenta), 0);
  EXPECT_EQ(CountNear(img, QRect(8 + 570, 355, 440, 28), kLightMagenta), 0);

  // A line exercise shows DefREcta beside SelREcta; a point exercise only SelPunto.
  const bool line = CountNear(img, kSecondListArea, kMoneyGreen) <
                    kSecondListArea.width() * kSecondListArea.height() / 2;
  // Pick the first item of each list shown: focus its edit field, then the down
  // key selects the item after the current one (none yet).
  Click(kFirstList);
  display_.Key("Down");
  if (line) {
    Click(kSecondList);
    display_.Key("Down");
  }
  Click(kTest);  // comprobar

  // Score panel: face in colour 7 inside (203, 374)-(309, 424).
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(QPoint(206, 405), kLightGrey, "score"));
  img = Settled();
  EXPECT_SURFACE(img, 306, 405, kLightGrey);
  EXPECT_SURFACE(img, 250, 421, kLightGrey);
  EXPECT_SURFACE(img, 205, 376, kLightGrey);
  EXPECT_SURFACE(img, 307, 422, kLightGrey);
  // Raised bevel: white top-left edge, dark grey bottom-right edge.
  EXPECT_SURFACE(img, 300, 374, Rgb(252, 252, 252));
  EXPECT_SURFACE(img, 203, 400, Rgb(252, 252, 252));
  EXPECT_SURFACE(img, 250, 424, Rgb(84, 84, 84));
  EXPECT_SURFACE(img, 309, 400, Rgb(84, 84, 84));
  // Tracks in cyan; one answer widened exactly one of the two light red bars to
  // x 211 (the hits bar at y 387..396, the misses bar at y 409..418).
  EXPECT_SURFACE(img, 290, 391, kCyan);
  EXPECT_SURFACE(img, 290, 413, kCyan);
  EXPECT_SURFACE(img, 209, 391, kLightRed);
  EXPECT_SURFACE(img, 209, 413, kLightRed);
  const bool hit = SurfacePixel(img, 211, 391) == kLightRed;
  const bool miss = SurfacePixel(img, 211, 413) == kLightRed;
  EXPECT_NE(hit, miss) << "exactly one answer must be scored; screen saved to "
                       << SaveForDiagnosis(img, "score");
  EXPECT_SURFACE(img, 212, hit ? 391 : 413, kCyan);
  // The verdict in light blue at (375, 300) or (365, 300), the revealed answer in
  // light magenta, and the editing buttons are back.
  EXPECT_GT(CountNear(img, QRect(8 + 365, 300, 400, 30), kLightBlue), 30);
  EXPECT_GT(CountNear(img, QRect(8 + 570, line ? 355 : 10, 400, 28), kLightMagenta), 30);
  EXPECT_LT(CountNear(img, kButtonStrip, kMoneyGreen),
            kButtonStrip.width() * kButtonStrip.height() / 2);
}

// No window manager activates the window here, and nothing is clicked first: the
// window activates itself, so its keys work from the first moment. Keys with Ctrl
// act from a text field too.
TEST_F(QuorvelE2E, KeysWorkFromTheFirstMomentAndCtrlKeysFromATextField) {
  StartProgram();
  app_->ParkPointer();  // no key reaches the window through the pointer
  const QRect memo(232, 88, 641, 377);
  ASSERT_TRUE(app_->WaitForClient(
      [&](const QImage& c) { return CountNear(c, memo, kSplashText, 12) > 300; }, nullptr,
      std::chrono::seconds(10)));
  display_.Key("Up");  // cota +: the first edit, A = (0, 40, 45)
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(kBlankSurface, kCleared, "first-key"));
  display_.Key("slash");  // the line from A to B = (0, 0, 0): v(A) to v(B) in black
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(QPoint(766, 170), kBlack, "slash"));

  // "Mostrar trazas" from "Paso:": the traces' red rings (colour 4) show in the flat
  // view, where nothing else is drawn in red.
  const QRect flat(8 + 572, 46, 412, 296);
  EXPECT_EQ(CountNear(Settled(), flat, kRed), 0);
  Click(kPaso);
  display_.Type("5");
  display_.Key("ctrl+t");
  QImage img;
  EXPECT_TRUE(app_->WaitForClient([&](const QImage& c) { return CountNear(c, flat, kRed) > 10; },
                                  &img, std::chrono::seconds(10)))
      << "no traces; screen saved to " << SaveForDiagnosis(img, "ctrl-t");
}

TEST_F(QuorvelE2E, MissingPaletteFileIsReportedAndLeavesTheAreaBlack) {
  StartProgram(/*withPalette=*/false);
  // A second top-level window, the message box, shows up over the main window.
  std::string box;
  const bool shown = WaitUntil(
      [&] {
        for (const std::string& id : app_->Windows(".")) {
          const CommandResult g = display_.Run({"xdotool", "getwindowgeometry", "--shell", id});
          if (g.out.find("WIDTH=1036") == std::string::npos) {
            box = id;
            return true;
          }
        }
        return false;
      },
      std::chrono::seconds(10));
  ASSERT_TRUE(shown) << "no message box appeared";
  // Its text cannot be read back from an X11 screen here (no OCR, and Qt copies a
  // message box's text only on Windows); the unit tests check the message itself.
  const QImage withBox = Settled();

  // It is modal and takes the keys: Return closes it.
  display_.Key("Return");
  ASSERT_TRUE(WaitUntil([&] { return app_->Windows(".").size() < 2 || !app_->Running(); },
                        std::chrono::seconds(5)))
      << "message box still open; screen saved to " << SaveForDiagnosis(withBox, "box");
  ASSERT_TRUE(app_->Running()) << "the program must go on after the error";

  // Colour 0 stayed black, so the first edit clears the area in black; the frame
  // keeps the default colours.
  Click(kCotaPlus);
  ASSERT_NO_FATAL_FAILURE(WaitForSurfacePixel(kBlankSurface, kBlack, "no-palette"));
  const QImage img = Settled();
  EXPECT_SURFACE(img, 600, 193, kBlue);
  EXPECT_SURFACE(img, 240, 151, kGreen);
  EXPECT_SURFACE(img, 544, 276, kBlack);
}

}  // namespace
}  // namespace e2e
