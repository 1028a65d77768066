// Saving, copying and printing the picture. Each draws the window's scene afresh
// through the render module, so the window's own picture and state stay as they are.
#include "app/ExportCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMimeData>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTranslator>

#include "app/Controls.h"
#include "app/SpanishDialogs.h"
#include "app/UnitQuorvel.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"
#include "render/Export.h"
#include "scene/PlaneScene.h"
#include "scene/Scene.h"

namespace app {

namespace {

struct FilterRow {
  const char* filter;
  const char* suffix;
};

// The save dialog's filters, in the order shown; the first is the default.
constexpr FilterRow kFilters[] = {
    {"Imagen PNG (*.png)", "png"},
    {"Dibujo SVG (*.svg)", "svg"},
    {"Documento PDF (*.pdf)", "pdf"},
};

SaveFileAsker& SaveAsker() {
  static SaveFileAsker asker;
  return asker;
}

PrintAsker& PrintAskerHook() {
  static PrintAsker asker;
  return asker;
}

// Where the last save went, so the next dialog opens there. The first one opens in
// the user's pictures (or home) folder: started from the desktop menu, the working
// folder is the hidden one that keeps the palette.
QString& LastSavePath() {
  static QString path = [] {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("quorvel.png"));
  }();
  return path;
}

QString AskSavePath(QWidget* parent, QString* filter) {
  QStringList filters;
  for (const FilterRow& row : kFilters) filters << QString::fromUtf8(row.filter);
  const QString all = filters.join(QStringLiteral(";;"));
  if (SaveAsker()) return SaveAsker()(parent, all, filter);
  const app::SpanishDialogTexts spanish;
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Guardar imagen"), LastSavePath(), all,
                                      filter);
}

bool AskPrint(QPrinter& printer, QWidget* parent) {
  if (PrintAskerHook()) return PrintAskerHook()(printer, parent);
  const app::SpanishDialogTexts spanish;
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void SetSaveFileAsker(SaveFileAsker asker) {
  SaveAsker() = std::move(asker);
}

void SetPrintAsker(PrintAsker asker) {
  PrintAskerHook() = std::move(asker);
}

render::SceneSpec CurrentScene() {
  render::SceneSpec picture;
  picture.pointMode = scene::PointMode;
  picture.A = scene::PointA;
  picture.B = scene::PointB;
  picture.profile = scene::ProfileOn;
  picture.answerHidden = scene::AnswerHidden;
  picture.traces = drawing::TracesOn;
  picture.visibility = drawing::VisibilityOn;
  picture.plane = scene::PlaneMode;
  picture.C = scene::PointC;
  return picture;
}

QString SavePathFor(const QString& chosen, const QString& filter) {
  if (chosen.isEmpty() || render::FormatOfPath(chosen)) return chosen;
  for (const FilterRow& row : kFilters) {
    if (filter == QString::fromUtf8(row.filter)) return chosen + '.' + row.suffix;
  }
  return chosen + '.' + kFilters[0].suffix;
}

}  // namespace app

void TQuorvel::CreateExportCommands() {
  auto* save = new QAction(QStringLiteral("Guardar imagen..."), this);
  save->setObjectName(QStringLiteral("GuardarImagen"));
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save, &QAction::triggered, this, [this] {
    QString filter;
    const QString path = app::SavePathFor(app::AskSavePath(this, &filter), filter);
    if (path.isEmpty()) return;
    app::LastSavePath() = path;
    const QString fault =
        render::WriteFile(app::CurrentScene(), path, *render::FormatOfPath(path), 1);
    if (!fault.isEmpty()) app::ReportError(fault);
  });

  auto* copy = new QAction(QStringLiteral("Copiar imagen"), this);
  copy->setObjectName(QStringLiteral("CopiarImagen"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(copy, &QAction::triggered, this, [] {
    const render::SceneSpec picture = app::CurrentScene();
    auto* data = new QMimeData;
    data->setImageData(render::RenderImage(picture, 1));
    // Drawing programs that take vector pictures get the SVG as well.
    data->setData(QStringLiteral("image/svg+xml"), render::RenderSvg(picture, 1));
    QGuiApplication::clipboard()->setMimeData(data);
  });

  auto* print = new QAction(QStringLiteral("Imprimir..."), this);
  print->setObjectName(QStringLiteral("Imprimir"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, [this] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Quorvel"));
    if (!app::AskPrint(printer, this)) return;
    const render::SceneSpec picture = app::CurrentScene();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
      // Printing to a file: written whole or not at all, like every other file.
      const QString fault = render::SaveBytes(render::RenderPdf(picture, printer.pageLayout()),
                                              printer.outputFileName());
      if (!fault.isEmpty()) app::ReportError(fault);
      return;
    }
    render::RenderPage(picture, printer);
    if (printer.printerState() == QPrinter::Error) {
      app::ReportError(QStringLiteral("No se pudo imprimir el dibujo."));
    }
  });

  // Nothing to export until the first drawing.
  for (QAction* action : {save, copy, print}) {
    action->setEnabled(PaintBox1->ShowsSurface());
    connect(PaintBox1, &TPaintBox::ShowsSurfaceChanged, action, &QAction::setEnabled);
    AddCommand(action);
  }
}
