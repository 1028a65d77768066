// A scene as a file or on paper: PNG drawn at a whole scale, SVG and PDF as vector
// pictures with real text, and a page of any paged device (printer, PDF).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "delgraph/FileFault.h"
#include "render/Render.h"

class QPdfWriter;
class QSvgGenerator;

class QIODevice;
class QPagedPaintDevice;

namespace render {

enum class Format { Png, Svg, Pdf };

constexpr int MinScale = 1;
constexpr int MaxScale = 8;

// By the file's extension (.png, .svg, .pdf, any case); nothing for another one.
std::optional<Format> FormatOfPath(const QString& path);

// Each picture is drawn in the palette given.

// The drawing area at scale times its size (1025 s x 473 s pixels), drawn at that
// size. At scale 1 it equals the window's drawing area after the same edit.
QImage RenderImage(const SceneSpec& picture, const delgraph::Palette& palette, int scale);
// An SVG document of 1025 s x 473 s user units, texts as <text>.
QByteArray RenderSvg(const SceneSpec& picture, const delgraph::Palette& palette, int scale);
// The drawing fitted to the paintable part of the device's page and centred there.
void RenderPage(const SceneSpec& picture, const delgraph::Palette& palette,
                QPagedPaintDevice& device);
// A one-page PDF document, A4 landscape with 10 mm margins unless a layout is given.
QByteArray RenderPdf(const SceneSpec& picture, const delgraph::Palette& palette);
QByteArray RenderPdf(const SceneSpec& picture, const delgraph::Palette& palette,
                     const QPageLayout& layout);

// The documents every picture out is written in, drawn by draw: an SVG of size user
// units at 96 dpi, and a PDF with the page layout given (A4 landscape with 10 mm
// margins, the pictures' page, unless another is given); both titled "Quorvel".
QByteArray SvgBytes(QSize size, const QString& description,
                    const std::function<void(QSvgGenerator&)>& draw);
QPageLayout PicturePage();
QByteArray PdfBytes(const QPageLayout& layout, const QString& title,
                    const std::function<void(QPdfWriter&)>& draw);

// Writes the picture to path in format through QSaveFile: either the whole file or,
// on failure, nothing (an existing file keeps its content). Returns an empty string
// or the reason in Spanish.
QString WriteFile(const SceneSpec& picture, const delgraph::Palette& palette, const QString& path,
                  Format format, int scale);
// The same for bytes made already.
QString SaveBytes(const QByteArray& bytes, const QString& path);
// Writes bytes to path through QSaveFile and returns what went wrong, if anything.
// An existing folder, FIFO or device under that name is refused and left as it is.
// The name is the file system's (delgraph/FileName.h): UTF-8 or not, it is the
// name written.
delgraph::FileFault WriteBytes(const QByteArray& bytes, const QString& path);

// Files written all or none: every one is checked and written to a temporary file
// beside it before any is put in place, and the old ones are kept under a second
// name until all are; when one cannot be put in place, those put in place before
// it get their old content back (or are removed, if they were new).
struct FileToSave {
  QByteArray bytes;
  QString path;
};
struct SaveOutcome {
  delgraph::FileFault fault = delgraph::FileFault::kNone;
  int failed = -1;  // the file that failed
  QString note;     // Spanish: an old content that could not be put back, and where it is
};
SaveOutcome SaveTogether(const std::vector<FileToSave>& files);
// The Spanish message for a failed SaveTogether, naming the file and the fault.
QString SaveTogetherMessage(const std::vector<FileToSave>& files, const SaveOutcome& outcome);

}  // namespace render
