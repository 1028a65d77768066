// The window as it comes up: controls, texts, start values of the scene and the
// palette, focus and tab order, the splash picture, and a missing palette file.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <utility>
#include <vector>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/Glyphs.h"
#include "delgraph/QtCanvas.h"
#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace {

QString Blanks(int n) {
  return QString(n, QLatin1Char(' '));
}

QString Line(const QPlainTextEdit* memo, int n) {
  return memo->document()->findBlockByNumber(n - 1).text();
}

}  // namespace

TEST_F(WindowTest, StartsWithTheVisibleControlsAndTheirTexts) {
  StartWindow();
  TQuorvel& w = *window;
  EXPECT_EQ(w.windowTitle(), "Quorvel");
  EXPECT_EQ(w.size(), QSize(1036, 541));
  // Centred (the platform may nudge a window wider than its screen a pixel or two).
  const QPoint offCentre = w.geometry().center() - w.screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 3);
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(192, 220, 192));
  EXPECT_EQ(w.font().pixelSize(), 11);

  EXPECT_EQ(w.drawingArea->geometry(), QRect(8, 0, 1025, 473));
  EXPECT_EQ(w.splashText->geometry(), QRect(232, 88, 641, 377));
  EXPECT_EQ(w.testButton->geometry(), w.checkButton->geometry());
  EXPECT_EQ(w.cotaBar->geometry(), QRect(920, 488, 113, 25));

  for (QScrollBar* bar : {w.abscissaBar, w.cotaBar, w.alejamientoBar}) EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(w.abscissaBar->minimum(), -110);
  EXPECT_EQ(w.cotaBar->maximum(), 140);
  EXPECT_EQ(w.alejamientoBar->maximum(), 110);
  EXPECT_EQ(w.stepEdit->lineEdit()->text(), "5");
  EXPECT_EQ(w.endPointButton->text(), "A");
  EXPECT_EQ(w.endPointButton->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
  EXPECT_EQ(w.testButton->text(), "TEST");
  EXPECT_EQ(w.abscissaDownButton->toolTip(), "abscisa -");
  EXPECT_EQ(w.profileButton->toolTip(), QStringLiteral("tercera proyección"));
  EXPECT_TRUE(w.creditsCaption->text().startsWith(QStringLiteral("Prácticas de Dibujo Técnico (")));
  EXPECT_TRUE(w.creditsCaption->font().italic());

  for (QWidget* shown :
       std::vector<QWidget*>{w.drawingArea, w.splashText, w.cotaUpButton, w.pointOrLineButton,
                             w.endPointButton, w.testButton, w.stepEdit, w.stepCaption,
                             w.abscissaCaption, w.abscissaBar, w.cotaBar, w.alejamientoBar})
    EXPECT_TRUE(shown->isVisible()) << shown->metaObject()->className();
  for (QWidget* hidden : std::vector<QWidget*>{w.editAbscissaLabel,
                                               w.answerCodeLabel,
                                               w.Button1,
                                               w.Memo1,
                                               w.Button2,
                                               w.SpinEdit1,
                                               w.R,
                                               w.G,
                                               w.B,
                                               w.Button3,
                                               w.Button4,
                                               w.Punto,
                                               w.ab,
                                               w.al,
                                               w.co,
                                               w.profileCheck,
                                               w.pointAnswers,
                                               w.lineTypeAnswers,
                                               w.lineRelationAnswers,
                                               w.checkButton})
    EXPECT_FALSE(hidden->isVisible()) << hidden->metaObject()->className();
}

TEST_F(WindowTest, SplashTextKeepsItsBlanks) {
  StartWindow();
  const QPlainTextEdit* memo = window->splashText;
  ASSERT_EQ(memo->document()->blockCount(), 13);
  EXPECT_EQ(Line(memo, 1), Blanks(19));
  EXPECT_EQ(Line(memo, 2), Blanks(17));
  EXPECT_EQ(Line(memo, 3), Blanks(29) + "S I S T E M A     Q U O R V E L");
  EXPECT_EQ(Line(memo, 4), Blanks(18) + QString(36, '_'));
  EXPECT_EQ(Line(memo, 5), Blanks(6));
  EXPECT_EQ(Line(memo, 6),
            Blanks(20) + QStringLiteral("Prácticas con el alfabeto del punto y la recta. "));
  EXPECT_EQ(Line(memo, 7), Blanks(19) + QStringLiteral("Test de evaluación."));
  EXPECT_EQ(Line(memo, 9), "");
  EXPECT_TRUE(Line(memo, 10).startsWith(Blanks(26)));
  EXPECT_NE(Line(memo, 10)[26], QLatin1Char(' '));
  EXPECT_EQ(Line(memo, 11), Line(memo, 8));
  EXPECT_EQ(Line(memo, 13), Blanks(26) + "Diciembre 2005");
  EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0, 64, 128));
}

TEST_F(WindowTest, ActivationSetsSceneAndPaletteOnce) {
  beforeShow = [this] { Scene().EditPoint.abscissa = 17; };  // kept by the set-up
  StartWindow();
  EXPECT_TRUE(errors.isEmpty()) << errors.join(';').toStdString();
  EXPECT_EQ(Scene().EditPoint, (DihedralPoint{17, 40, 40}));
  EXPECT_EQ(Scene().PointA, DihedralPoint{});
  EXPECT_TRUE(Scene().IsPoint());
  EXPECT_TRUE(Scene().SelectedA);
  EXPECT_EQ(Scene().IncrX, 5);
  EXPECT_EQ(Scene().AbscissaMax, 90);
  EXPECT_EQ(window->Painter().SurfaceWidth, 1024);
  EXPECT_EQ(window->Painter().SurfaceHeight, 480);
  const int x = window->Painter().ScaleX(100), y = window->Painter().ScaleY(100);
  window->Painter().Select640x480();  // already the current space
  EXPECT_EQ(window->Painter().ScaleX(100), x);
  EXPECT_EQ(window->Painter().ScaleY(100), y);
  EXPECT_EQ(window->Painter().SurfaceCanvas,
            static_cast<delgraph::Canvas*>(window->drawingArea->Canvas()));
  EXPECT_EQ(window->Painter().PaletteColor(0), Rgb(250, 250, 255));
  EXPECT_EQ(window->Painter().PaletteColor(7), Rgb(70, 71, 72));
  EXPECT_EQ(window->Painter().palette.rgb[0].blue, 255);

  // A later activation (the focus coming back from another program) changes nothing.
  Scene().EditPoint = {1, 2, 3};
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window.get(), &activate);
  EXPECT_EQ(Scene().EditPoint, (DihedralPoint{1, 2, 3}));
}

TEST_F(WindowTest, AnswerListsStartWithTheirNameAndNoChoice) {
  StartWindow();
  const struct {
    QComboBox* box;
    AnswerList list;
    const char* name;
    int count;
  } lists[] = {{window->pointAnswers, AnswerList::SelPunto, "SelPunto", 9},
               {window->lineTypeAnswers, AnswerList::SelREcta, "SelREcta", 10},
               {window->lineRelationAnswers, AnswerList::DefREcta, "DefREcta", 11}};
  for (const auto& l : lists) {
    EXPECT_EQ(l.box->currentText(), l.name);
    EXPECT_EQ(l.box->count(), l.count);
    EXPECT_EQ(window->ListChoice(l.list), -1);
  }
  EXPECT_EQ(window->pointAnswers->itemText(8), "9.LÍNEA DE TIERRA  ");
  EXPECT_EQ(window->lineTypeAnswers->itemText(2), "3.  VERTICAL        ");
  EXPECT_EQ(window->lineRelationAnswers->itemText(1), "2. = AL H, V  Y L.T.  ");

  window->lineTypeAnswers->setCurrentIndex(3);
  EXPECT_EQ(window->ListChoice(AnswerList::SelREcta), 3);
  // Typing over the item undoes the choice; typing an item's text does not insert.
  window->lineTypeAnswers->setEditText("4.  DE PUNT");
  EXPECT_EQ(window->ListChoice(AnswerList::SelREcta), -1);
  QTest::keyClick(window->lineTypeAnswers->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(window->lineTypeAnswers->count(), 10);
}

TEST_F(WindowTest, FocusStartsOnCotaUpAndTabWalksVisibleControlsButTheSplash) {
  StartWindow();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  ASSERT_EQ(QApplication::focusWidget(), window->cotaUpButton);

  const std::vector<QWidget*> expected = {
      window->cotaDownButton,      window->abscissaDownButton,
      window->abscissaUpButton,    window->alejamientoDownButton,
      window->alejamientoUpButton, window->profileButton,
      window->pointOrLineButton,   window->endPointButton,
      window->testButton,          window->stepEdit,
      window->abscissaBar,         window->cotaBar,
      window->alejamientoBar,      window->cotaUpButton};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
  }
  // Nor a click: the keys stay with the window, and none writes into the splash.
  const QString splash = window->splashText->toPlainText();
  QTest::mouseClick(window->splashText->viewport(), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), window->cotaUpButton);
  QTest::keyClicks(window->splashText, "x");
  EXPECT_EQ(window->splashText->toPlainText(), splash);
}

TEST_F(WindowTest, PaintBoxShowsWindowColourUntilFirstDrawing) {
  StartWindow();
  EXPECT_FALSE(window->drawingArea->ShowsSurface());
  EXPECT_EQ(ShownPixel(5, 5), qRgb(192, 220, 192));
  // The window's first painting covers the start-up clearing.
  EXPECT_EQ(SurfacePixel(5, 5), Rgb(192, 220, 192));
}

TEST_F(WindowTest, ArrowGlyphsAreYellowOnTransparent) {
  const QImage up = MakeArrowGlyph(ArrowGlyph::Up);
  ASSERT_EQ(up.size(), QSize(13, 13));
  EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0);
  EXPECT_EQ(up.pixel(6, 3), qRgb(255, 255, 0));
  EXPECT_EQ(up.pixel(6, 0), qRgb(0, 0, 0));
  EXPECT_EQ(MakeArrowGlyph(ArrowGlyph::Down), up.mirrored(false, true));
  EXPECT_EQ(MakeArrowGlyph(ArrowGlyph::Left).pixel(0, 6), qRgb(0, 0, 0));
  EXPECT_EQ(MakeArrowGlyph(ArrowGlyph::Right),
            MakeArrowGlyph(ArrowGlyph::Left).mirrored(true, false));
  // The broad head: three pixels on the top edge, full width in the middle row.
  const QImage toward = MakeArrowGlyph(ArrowGlyph::Toward);
  int top = 0;
  for (int x = 0; x < 13; ++x) top += qAlpha(toward.pixel(x, 0)) != 0;
  EXPECT_EQ(top, 3);
  EXPECT_NE(qAlpha(toward.pixel(0, 6)), 0);
  EXPECT_NE(qAlpha(toward.pixel(12, 6)), 0);
  EXPECT_EQ(qAlpha(toward.pixel(0, 5)), 0);
  // The far arrow spans the full width at its base only.
  const QImage away = MakeArrowGlyph(ArrowGlyph::Away);
  EXPECT_NE(qAlpha(away.pixel(0, 12)), 0);
  EXPECT_EQ(qAlpha(away.pixel(0, 2)), 0);
}

class MissingPaletteTest : public WindowTest {
 protected:
  MissingPaletteTest() { withPaletteFile = false; }
};

TEST_F(MissingPaletteTest, ReportsFileNotFoundAndDrawsOnBlack) {
  StartWindow();
  EXPECT_EQ(errors, QStringList{"File not found"});
  // The set-up stopped at the load: the scene is set, colour 0 stays black.
  EXPECT_EQ(Scene().IncrX, 5);
  EXPECT_TRUE(Scene().IsPoint());
  EXPECT_EQ(window->Painter().PaletteColor(0), Rgb(0, 0, 0));
  EXPECT_EQ(window->Painter().PaletteColor(6), Rgb(252, 84, 0));

  window->abscissaBar->setValue(3);
  const QImage image = Surface();
  int black = 0, pale = 0;
  for (int y = 0; y < image.height(); y += 4)
    for (int x = 0; x < image.width(); x += 4) {
      const QRgb p = image.pixel(x, y);
      pale += p == qRgb(250, 250, 255);
      black += p == qRgb(0, 0, 0);
    }
  EXPECT_EQ(pale, 0);
  EXPECT_GT(black, 1000);
}

TEST_F(WindowTest, ScreenReadersNameEveryEditingControl) {
  StartWindow();
  TQuorvel& w = *window;
  const std::vector<std::pair<QWidget*, QString>> expected = {
      {w.cotaUpButton, "cota +"},
      {w.cotaDownButton, "cota -"},
      {w.abscissaDownButton, "abscisa -"},
      {w.abscissaUpButton, "abscisa +"},
      {w.alejamientoDownButton, "alejamiento -"},
      {w.alejamientoUpButton, "alejamiento +"},
      {w.profileButton, QStringLiteral("tercera proyección")},
      {w.pointOrLineButton, "recta / punto"},
      {w.endPointButton, "seleccionar punto"},
      {w.abscissaBar, "ABSCISA"},
      {w.alejamientoBar, "ALEJAMIENTO"},
      {w.cotaBar, "COTA"},
      {w.stepEdit, "Paso"},
  };
  for (const auto& [widget, name] : expected) EXPECT_EQ(widget->accessibleName(), name);
  // Found by their control names, as accessibility tools list them.
  EXPECT_EQ(w.findChild<QWidget*>("comprobarTest"), w.checkButton);
  EXPECT_EQ(w.findChild<QWidget*>("ScrollBar2"), w.cotaBar);
}
