// Saving, copying and printing from the window: the files equal the window's
// drawing area, the window is left exactly as it was, and the commands wait for
// the first drawing.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/ExportCommands.h"
#include "classify/Classification.h"
#include "delgraph/QtCanvas.h"
#include "drawing/Painter.h"
#include "render/Export.h"

namespace {

class ExportTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  QAction* Command(const char* name) const { return window->findChild<QAction*>(name); }
  QImage DrawingArea() const { return Surface().copy(0, 0, 1025, 473); }
  void SetPoint(int abscissa, int alejamiento, int cota) {
    window->abscissaBar->setValue(abscissa);
    window->alejamientoBar->setValue(alejamiento);
    window->cotaBar->setValue(cota);
  }
};

TEST_F(ExportTest, PngEqualsTheDrawingAreaForPointLineAndProfile) {
  SetPoint(20, 40, 30);
  EXPECT_EQ(render::RenderImage({scene::Figure::kPoint, {20, 40, 30}, {}, false, false},
                                window->Painter().palette, 1),
            DrawingArea());

  window->pointOrLineButton->click();  // line: A stays, B is edited next
  window->endPointButton->click();
  SetPoint(-50, -30, 60);
  const render::SceneSpec line{scene::Figure::kLine, {20, 40, 30}, {-50, -30, 60}, false, false};
  EXPECT_EQ(render::RenderImage(line, window->Painter().palette, 1), DrawingArea());

  window->profileButton->click();  // profile view; the next edit draws as every later one
  window->abscissaBar->setValue(-40);
  const render::SceneSpec profile{scene::Figure::kLine, {20, 40, 30}, {-40, -30, 60}, true, false};
  EXPECT_EQ(render::RenderImage(profile, window->Painter().palette, 1), DrawingArea());
  EXPECT_EQ(app::CurrentScene(Scene()).B, profile.B);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ExportTest, SavingCopyingAndPrintingLeaveTheWindowAsItWas) {
  window->pointOrLineButton->click();
  SetPoint(-40, 30, 20);
  const QImage picture = Surface();
  const scene::Scene before = Scene();
  const drawing::Painter painterBefore = window->Painter();
  const quiz::Exercise exerciseBefore = window->Quiz().CurrentExercise;
  QStringList labels;
  for (QLabel* l : {window->editAbscissaLabel, window->editAlejamientoLabel, window->editCotaLabel,
                    window->colourLabel})
    labels << l->text();

  // A name without extension takes the filter's; a known extension wins over it.
  QStringList answers = {"dibujo", "plano.svg", "hoja.PDF", "/no/such/folder/x.png"};
  dialogs.saveName = [&answers](app::SaveQuestion& q) {
    EXPECT_EQ(q.filters, "Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)");
    q.filter = "Dibujo SVG (*.svg)";
    return answers.takeFirst();
  };
  for (int k = 0; k < 4; ++k) Command("GuardarImagen")->trigger();
  EXPECT_TRUE(QFile::exists("dibujo.svg"));
  EXPECT_TRUE(QFile::exists("plano.svg"));
  QFile pdf("hoja.PDF");
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_EQ(errors, QStringList{"No se pudo guardar «x.png»: la carpeta no existe."});

  Command("CopiarImagen")->trigger();
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32),
            picture.copy(0, 0, 1025, 473));
  EXPECT_TRUE(copied->data("image/svg+xml").contains("<svg"));

  bool landscape = false;
  dialogs.print = [&landscape](QPrinter& printer) {
    landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("impreso.pdf");
    return true;
  };
  Command("Imprimir")->trigger();
  EXPECT_TRUE(landscape);
  EXPECT_GT(QFile("impreso.pdf").size(), 1000);

  EXPECT_EQ(Surface(), picture);
  const scene::Scene& after = Scene();
  EXPECT_EQ(after.PointA, before.PointA);
  EXPECT_EQ(after.PointB, before.PointB);
  EXPECT_EQ(after.EditPoint, before.EditPoint);
  EXPECT_EQ(after.figure, before.figure);
  EXPECT_EQ(window->Painter().SurfaceCanvas, window->drawingArea->Canvas());
  EXPECT_EQ(window->Painter().CurrentWindow, painterBefore.CurrentWindow);
  EXPECT_EQ(window->Painter().ScaleFactorX, painterBefore.ScaleFactorX);
  EXPECT_EQ(window->Quiz().CurrentExercise.classCode, exerciseBefore.classCode);
  EXPECT_EQ(window->Quiz().CurrentExercise.relationCode, exerciseBefore.relationCode);
  EXPECT_EQ(window->Painter().FillColor, painterBefore.FillColor);
  QStringList labelsAfter;
  for (QLabel* l : {window->editAbscissaLabel, window->editAlejamientoLabel, window->editCotaLabel,
                    window->colourLabel})
    labelsAfter << l->text();
  EXPECT_EQ(labelsAfter, labels);
  // And the window keeps drawing where it did.
  window->abscissaBar->setValue(-39);
  EXPECT_NE(Surface(), picture);
}

TEST_F(ExportTest, ANameGivenItsExtensionHereIsAskedAboutBeforeItIsReplaced) {
  SetPoint(20, 40, 30);
  const QString victim = QDir::current().filePath("victim.txt.png");
  const auto content = [&victim] {
    QFile f(victim);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  QFile old(victim);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("antes");
  old.close();
  // The dialog asked about "victim.txt", which does not exist.
  dialogs.saveName = [](app::SaveQuestion&) { return QDir::current().filePath("victim.txt"); };
  Command("GuardarImagen")->trigger();
  EXPECT_EQ(dialogs.replaceAsked, QStringList{victim});
  EXPECT_EQ(content(), QByteArray("antes"));
  dialogs.replace = [](const QStringList&) { return true; };
  Command("GuardarImagen")->trigger();
  EXPECT_TRUE(content().startsWith("\x89PNG"));
}

TEST_F(ExportTest, CommandsWaitForTheFirstDrawingAndAddNoMenuBar) {
  // Other groups of commands share the menu: ours are there, in this order.
  const QStringList ours{"Guardar imagen...", "Copiar imagen", "Imprimir..."};
  QStringList texts;
  for (QAction* a : window->contextMenu->actions())
    if (ours.contains(a->text())) texts << a->text();
  EXPECT_EQ(texts, ours);
  EXPECT_EQ(Command("GuardarImagen")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(Command("CopiarImagen")->shortcut(), QKeySequence("Ctrl+C"));
  EXPECT_EQ(Command("Imprimir")->shortcut(), QKeySequence("Ctrl+P"));

  int asked = 0;
  dialogs.saveName = [&asked](app::SaveQuestion&) {
    ++asked;
    return QString();
  };
  for (const char* name : {"GuardarImagen", "CopiarImagen", "Imprimir"})
    EXPECT_FALSE(Command(name)->isEnabled()) << name;
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 0);

  window->cotaUpButton->click();
  for (const char* name : {"GuardarImagen", "CopiarImagen", "Imprimir"})
    EXPECT_TRUE(Command(name)->isEnabled()) << name;
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(window->size(), QSize(1036, 541));
  EXPECT_TRUE(window->findChildren<QMenuBar*>().isEmpty());
}

}  // namespace
