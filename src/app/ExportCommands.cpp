// Saving, copying and printing the picture. Each draws the window's scene afresh
// through the render module, so the window's own picture and state stay as they are.
#include "app/ExportCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPrinter>

#include "app/CommandTable.h"
#include "app/Controls.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"
#include "render/Export.h"
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

}  // namespace

PictureCommands::PictureCommands(TQuorvel& window) : CommandGroup(window) {
  const struct {
    const char* name;
    void (PictureCommands::*handler)();
  } rows[] = {{"GuardarImagen", &PictureCommands::Save},
              {"CopiarImagen", &PictureCommands::Copy},
              {"Imprimir", &PictureCommands::Print}};
  for (const auto& row : rows) {
    QAction* action = MakeCommand(window, row.name);
    // Nothing to export until the first drawing.
    action->setEnabled(window.drawingArea->ShowsSurface());
    connect(window.drawingArea, &TPaintBox::ShowsSurfaceChanged, action, &QAction::setEnabled);
    window.AddCommand(action, [this, handler = row.handler] { (this->*handler)(); });
  }
}

void PictureCommands::Save() {
  if (lastSavePath_.isEmpty())
    lastSavePath_ = QDir(PicturesFolder()).filePath(QStringLiteral("quorvel.png"));
  QStringList filters;
  for (const FilterRow& row : kFilters) filters << QString::fromUtf8(row.filter);
  SaveQuestion question{QStringLiteral("Guardar imagen"), lastSavePath_,
                        filters.join(QStringLiteral(";;")), QString()};
  const QString chosen = window_.Dialogs().AskSaveName(&window_, question);
  const QString path = SavePathFor(chosen, question.filter);
  if (path.isEmpty()) return;
  // The dialog asked about the name it gave; with an extension added it is another.
  if (path != chosen && !ExistingFiles({path}).isEmpty() &&
      !window_.Dialogs().AskReplace(&window_, {path}))
    return;
  lastSavePath_ = path;
  const QString fault = render::WriteFile(CurrentScene(window_.Scene()), window_.Painter().palette,
                                          path, *render::FormatOfPath(path), 1);
  if (!fault.isEmpty()) window_.ReportError(fault);
}

void PictureCommands::Copy() {
  const render::SceneSpec picture = CurrentScene(window_.Scene());
  auto* data = new QMimeData;
  data->setImageData(render::RenderImage(picture, window_.Painter().palette, 1));
  // Drawing programs that take vector pictures get the SVG as well.
  data->setData(QStringLiteral("image/svg+xml"),
                render::RenderSvg(picture, window_.Painter().palette, 1));
  QGuiApplication::clipboard()->setMimeData(data);
}

void PictureCommands::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("Quorvel"));
  if (!window_.Dialogs().AskPrint(&window_, printer)) return;
  const render::SceneSpec picture = CurrentScene(window_.Scene());
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    // Printing to a file: written whole or not at all, like every other file.
    const QString fault = render::SaveBytes(
        render::RenderPdf(picture, window_.Painter().palette, printer.pageLayout()),
        printer.outputFileName());
    if (!fault.isEmpty()) window_.ReportError(fault);
    return;
  }
  render::RenderPage(picture, window_.Painter().palette, printer);
  if (printer.printerState() == QPrinter::Error)
    window_.ReportError(QStringLiteral("No se pudo imprimir el dibujo."));
}

render::SceneSpec CurrentScene(const scene::Scene& scene) {
  render::SceneSpec picture;
  picture.figure = scene.figure;
  picture.A = scene.PointA;
  picture.B = scene.PointB;
  picture.profile = scene.ProfileOn;
  picture.answerHidden = scene.AnswerHidden;
  picture.traces = scene.TracesOn;
  picture.visibility = scene.VisibilityOn;
  picture.C = scene.PointC;
  picture.D = scene.PointD;
  picture.E = scene.PointE;
  picture.F = scene.PointF;
  picture.construction = scene.ConstructionOn;
  picture.notable = scene.NotableOn;
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
