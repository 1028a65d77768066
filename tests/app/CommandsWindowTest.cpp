// What every command group shares: a handler that fails is reported and leaves the
// window usable; save dialogs know their extension; the picture commands wait for
// a real picture; Qt's own dialogs stay Spanish.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <optional>
#include <stdexcept>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"

namespace {

class CommandsWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  QAction* Command(const char* name) const { return window->findChild<QAction*>(name); }
};

TEST_F(CommandsWindowTest, ACommandWhoseDrawingThrowsIsReportedAndTheWindowGoesOn) {
  window->cotaUpButton->click();
  auto* failing = new QAction(QStringLiteral("Falla"), window.get());
  int runs = 0;
  window->AddCommand(failing, [this, &runs] {
    ++runs;
    window->Painter().Select320x200();
    drawing::RedrawFrame(window->Painter(), false);
    throw std::runtime_error("dibujo imposible");
  });
  failing->trigger();
  failing->trigger();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(errors, (QStringList{"dibujo imposible", "dibujo imposible"}));
  EXPECT_TRUE(window->contextMenu->actions().contains(failing));

  // The next edit draws the scene whole, as if nothing had failed.
  const std::int32_t cota = Scene().EditPoint.cota;
  window->cotaUpButton->click();
  EXPECT_EQ(Scene().EditPoint.cota, cota + Scene().IncrY);
  errors.clear();
  const QImage edited = Surface();
  window->cotaDownButton->click();
  window->cotaUpButton->click();
  EXPECT_EQ(Surface(), edited);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(CommandsWindowTest, EverySaveDialogAddsItsExtensionBeforeAskingToReplace) {
  window->cotaUpButton->click();
  QList<app::SaveQuestion> asked;
  dialogs.saveName = [&asked](app::SaveQuestion& q) {
    asked << q;
    return QString();
  };
  dialogs.worksheet = [] { return std::optional<app::WorksheetChoice>(app::WorksheetChoice{}); };
  for (const char* name : {"GuardarImagen", "WorksheetAction", "SaveCsvAction"})
    Command(name)->trigger();
  ASSERT_EQ(asked.size(), 3);
  const char* suffixes[] = {"png", "pdf", "csv"};
  for (int k = 0; k < 3; ++k) {
    const std::unique_ptr<QFileDialog> dialog = app::MakeSaveDialog(nullptr, asked[k]);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->defaultSuffix(), suffixes[k]) << asked[k].title.toStdString();
  }
  // The picture's extension follows the filter chosen.
  const std::unique_ptr<QFileDialog> picture = app::MakeSaveDialog(nullptr, asked[0]);
  emit picture->filterSelected(QStringLiteral("Dibujo SVG (*.svg)"));
  EXPECT_EQ(picture->defaultSuffix(), "svg");
}

TEST_F(CommandsWindowTest, ResizingBeforeTheFirstEditEnablesNoPictureCommand) {
  window->resize(1600, 900);
  QCoreApplication::processEvents();
  window->repaint();
  window->resize(1036, 541);
  QCoreApplication::processEvents();
  for (const char* name : {"GuardarImagen", "CopiarImagen", "Imprimir"})
    EXPECT_FALSE(Command(name)->isEnabled()) << name;
  window->cotaUpButton->click();
  window->resize(1600, 900);
  QCoreApplication::processEvents();
  for (const char* name : {"GuardarImagen", "CopiarImagen", "Imprimir"})
    EXPECT_TRUE(Command(name)->isEnabled()) << name;
}

TEST_F(CommandsWindowTest, ResultsKeepCerrarAfterACancelledFileDialog) {
  Command("ResultsAction")->trigger();
  auto* results = window->findChild<QDialog*>("ResultsDialog");
  ASSERT_NE(results, nullptr);
  QPushButton* close = results->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
  EXPECT_EQ(close->text(), "Cerrar");

  app::SpanishDialogs spanish;
  QTimer::singleShot(0, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) static_cast<QDialog*>(modal)->reject();
  });
  app::SaveQuestion question{"Guardar resultados", "resultados.csv", "Archivos CSV (*.csv)", ""};
  EXPECT_TRUE(spanish.AskSaveName(results, question).isEmpty());
  QCoreApplication::processEvents();
  EXPECT_EQ(close->text(), "Cerrar");
  results->reject();

  // The print dialog's page range, which Qt's translation leaves out.
  QPrinter printer;
  const std::unique_ptr<QPrintDialog> print = app::MakePrintDialog(window.get(), printer);
  QStringList buttons;
  for (const QAbstractButton* b : print->findChildren<QAbstractButton*>()) buttons << b->text();
  EXPECT_TRUE(buttons.contains("Páginas"));
  EXPECT_FALSE(buttons.contains("Pages"));
}

}  // namespace
