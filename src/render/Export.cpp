#include "render/Export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cerrno>
#include <memory>

#include "delgraph/FileFault.h"
#include "delgraph/FileName.h"

namespace render {

namespace {

// Qt's default image resolution, at which font points give the window's pixels.
constexpr int kDotsPerMeter96 = 3780;
constexpr int kSvgDpi = 96;
constexpr qreal kPageMarginMm = 10.0;

int ClampScale(int scale) {
  return std::clamp(scale, MinScale, MaxScale);
}

QByteArray Encode(const SceneSpec& picture, const delgraph::Palette& palette, Format format,
                  int scale) {
  switch (format) {
    case Format::Png: {
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      RenderImage(picture, palette, scale).save(&buffer, "PNG");
      return bytes;
    }
    case Format::Svg:
      return RenderSvg(picture, palette, scale);
    case Format::Pdf:
      return RenderPdf(picture, palette);
  }
  return {};
}

QString LastComponent(const QString& path) {
  return delgraph::ShownFileName(path.mid(path.lastIndexOf('/') + 1));
}

QString SaveFailure(const QString& path, delgraph::FileFault fault) {
  return QStringLiteral("No se pudo guardar «%1»: %2.")
      .arg(LastComponent(path), delgraph::SpanishReason(fault));
}

// The kind of a failed open, write or commit, from the system's error number taken
// right after it.
delgraph::FileFault FaultOfWrite(const QString& path, int error) {
  using delgraph::FileFault;
  FileFault fault = delgraph::FaultOfErrno(error);
  if (fault == FileFault::kNotFound || fault == FileFault::kNone || fault == FileFault::kOther) {
    if (!QFileInfo(path).absoluteDir().exists()) return FileFault::kMissingFolder;
    if (fault == FileFault::kNone) return FileFault::kOther;
  }
  return fault;
}

delgraph::FileFault FaultOf(int error) {
  const delgraph::FileFault fault = delgraph::FaultOfErrno(error);
  return fault == delgraph::FileFault::kNone ? delgraph::FileFault::kOther : fault;
}

// One file of a set, from its temporary file to its place. Its folder is held
// open, so that the old file's second name, the rename of a name that is not
// UTF-8 and the way back all act on the folder the file was checked in.
class PendingFile {
 public:
  explicit PendingFile(QString path) : path_(std::move(path)) {}
  ~PendingFile() {
    if (folder_ >= 0) ::close(folder_);
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Checks the name and writes the bytes to a temporary file beside it.
  delgraph::FileFault Prepare(const QByteArray& bytes, int index);
  // Gives an existing file a second name, kept until the set is in place.
  delgraph::FileFault KeepOld(int index);
  delgraph::FileFault Commit();
  // After a later file failed: the old content back, or the new file gone.
  bool GiveBack();
  void DropOld();
  bool Existed() const { return existed_; }
  QString KeptName() const { return delgraph::ShownFileName(delgraph::DecodeFileName(old_)); }

 private:
  QString path_;
  QByteArray base_;  // the last component of the place the name takes
  int folder_ = -1;
  bool existed_ = false;
  bool stray_ = false;  // not UTF-8: written under temporary_, then renamed
  QByteArray temporary_;
  std::unique_ptr<QSaveFile> file_;
  QByteArray old_;
};

QByteArray ScratchName(const char* what, int index) {
  return QByteArray(".quorvel-") + what + '-' + QByteArray::number(::getpid()) + '-' +
         QByteArray::number(index);
}

delgraph::FileFault PendingFile::Prepare(const QByteArray& bytes, int index) {
  // A folder, a FIFO or a device under that name is left as it is: QSaveFile would
  // rename a regular file over it.
  const delgraph::FileFault obstacle = delgraph::OutputObstacle(path_);
  if (obstacle != delgraph::FileFault::kNone) return obstacle;
  // The place the name takes: a link is followed, as QSaveFile follows it.
  const QByteArray target = delgraph::ResolvedFileName(path_);
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash <= 0 ? QByteArray("/") : target.left(slash);
  base_ = target.mid(slash + 1);
  folder_ = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) {
    const int error = errno;
    return error == ENOENT || error == ENOTDIR ? delgraph::FileFault::kMissingFolder
                                               : FaultOf(error);
  }
  struct stat info {};
  existed_ = ::fstatat(folder_, base_.constData(), &info, 0) == 0;
  // A file the user may not write is not replaced (QSaveFile refuses it too, but
  // without a reason).
  if (existed_ && ::faccessat(folder_, base_.constData(), W_OK, 0) != 0) return FaultOf(errno);
  stray_ = delgraph::HasStrayBytes(delgraph::DecodeFileName(target));
  QString name = delgraph::DecodeFileName(target);
  if (stray_) {
    // Qt cannot spell the name: QSaveFile writes a scratch name in the same folder,
    // reached through the open folder, and a rename gives it the real one.
    temporary_ = ScratchName("nueva", index);
    name = QStringLiteral("/proc/self/fd/%1/%2").arg(folder_).arg(QString::fromLatin1(temporary_));
  }
  file_ = std::make_unique<QSaveFile>(name);
  errno = 0;
  if (!file_->open(QIODevice::WriteOnly)) return FaultOfWrite(name, errno);
  errno = 0;
  if (file_->write(bytes) != bytes.size()) {
    const int error = errno;
    file_->cancelWriting();
    return FaultOfWrite(name, error);
  }
  return delgraph::FileFault::kNone;
}

delgraph::FileFault PendingFile::KeepOld(int index) {
  if (!existed_) return delgraph::FileFault::kNone;
  old_ = ScratchName("anterior", index);
  ::unlinkat(folder_, old_.constData(), 0);
  if (::linkat(folder_, base_.constData(), folder_, old_.constData(), 0) == 0)
    return delgraph::FileFault::kNone;
  // A file system without hard links (a USB stick): a copy.
  const int from = ::openat(folder_, base_.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  const int to = ::openat(folder_, old_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  bool copied = from >= 0 && to >= 0;
  int error = errno;
  char buffer[65536];
  while (copied) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      copied = n == 0 && ::fsync(to) == 0;
      break;
    }
    copied = ::write(to, buffer, static_cast<size_t>(n)) == n;
  }
  if (!copied) error = errno;
  if (from >= 0) ::close(from);
  if (to >= 0) ::close(to);
  if (copied) return delgraph::FileFault::kNone;
  if (to >= 0) ::unlinkat(folder_, old_.constData(), 0);
  old_.clear();
  return FaultOf(error);
}

delgraph::FileFault PendingFile::Commit() {
  errno = 0;
  if (!file_->commit()) return FaultOfWrite(file_->fileName(), errno);
  if (stray_ && ::renameat(folder_, temporary_.constData(), folder_, base_.constData()) != 0) {
    const int error = errno;
    ::unlinkat(folder_, temporary_.constData(), 0);
    return FaultOf(error);
  }
  return delgraph::FileFault::kNone;
}

bool PendingFile::GiveBack() {
  if (!existed_) return ::unlinkat(folder_, base_.constData(), 0) == 0;
  if (old_.isEmpty() || ::renameat(folder_, old_.constData(), folder_, base_.constData()) != 0)
    return false;
  old_.clear();
  return true;
}

void PendingFile::DropOld() {
  if (!old_.isEmpty()) ::unlinkat(folder_, old_.constData(), 0);
  old_.clear();
}

}  // namespace

std::optional<Format> FormatOfPath(const QString& path) {
  // Read off the string itself: QFileInfo loses track of the name's dots past
  // 32,767 characters, and one rule must hold for every length.
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  const QString suffix = dot < 0 ? QString() : name.mid(dot + 1).toLower();
  if (suffix == QLatin1String("png")) return Format::Png;
  if (suffix == QLatin1String("svg")) return Format::Svg;
  if (suffix == QLatin1String("pdf")) return Format::Pdf;
  return std::nullopt;
}

QImage RenderImage(const SceneSpec& picture, const delgraph::Palette& palette, int scale) {
  scale = ClampScale(scale);
  QImage image(AreaWidth * scale, AreaHeight * scale, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter96);
  image.setDotsPerMeterY(kDotsPerMeter96);
  image.fill(Qt::white);
  WithSurface(image, QRectF(image.rect()), palette,
              [&picture](drawing::Painter& painter, scene::Scene& scene) {
                DrawEdit(painter, scene, picture);
              });
  return image;
}

QByteArray SvgBytes(QSize size, const QString& description,
                    const std::function<void(QSvgGenerator&)>& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kSvgDpi);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QStringLiteral("Quorvel"));
  svg.setDescription(description);
  draw(svg);
  return bytes;
}

QPageLayout PicturePage() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                     QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                     QPageLayout::Millimeter);
}

QByteArray PdfBytes(const QPageLayout& layout, const QString& title,
                    const std::function<void(QPdfWriter&)>& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Quorvel"));
    pdf.setTitle(title);
    pdf.setPageLayout(layout);
    draw(pdf);
  }
  return bytes;
}

QByteArray RenderSvg(const SceneSpec& picture, const delgraph::Palette& palette, int scale) {
  scale = ClampScale(scale);
  const QRect area(0, 0, AreaWidth * scale, AreaHeight * scale);
  return SvgBytes(area.size(), QStringLiteral("Sistema diédrico"), [&](QSvgGenerator& svg) {
    WithSurface(svg, QRectF(area), palette,
                [&picture](drawing::Painter& painter, scene::Scene& scene) {
                  DrawEdit(painter, scene, picture);
                });
  });
}

void RenderPage(const SceneSpec& picture, const delgraph::Palette& palette,
                QPagedPaintDevice& device) {
  // The device's width and height are its paintable part, where the painter's
  // origin lies.
  const qreal width = device.width();
  const qreal height = device.height();
  const qreal fit = std::min(width / AreaWidth, height / AreaHeight);
  const QSizeF size(AreaWidth * fit, AreaHeight * fit);
  const QRectF target(QPointF((width - size.width()) / 2, (height - size.height()) / 2), size);
  WithSurface(device, target, palette, [&picture](drawing::Painter& painter, scene::Scene& scene) {
    DrawEdit(painter, scene, picture);
  });
}

QByteArray RenderPdf(const SceneSpec& picture, const delgraph::Palette& palette) {
  return RenderPdf(picture, palette, PicturePage());
}

QByteArray RenderPdf(const SceneSpec& picture, const delgraph::Palette& palette,
                     const QPageLayout& layout) {
  return PdfBytes(layout, QStringLiteral("Quorvel"),
                  [&](QPdfWriter& pdf) { RenderPage(picture, palette, pdf); });
}

QString WriteFile(const SceneSpec& picture, const delgraph::Palette& palette, const QString& path,
                  Format format, int scale) {
  // The picture is made whole before the file is touched.
  return SaveBytes(Encode(picture, palette, format, scale), path);
}

delgraph::FileFault WriteBytes(const QByteArray& bytes, const QString& path) {
  return SaveTogether({{bytes, path}}).fault;
}

SaveOutcome SaveTogether(const std::vector<FileToSave>& files) {
  SaveOutcome outcome;
  std::vector<std::unique_ptr<PendingFile>> pending;
  const auto fail = [&outcome](delgraph::FileFault fault, std::size_t k) {
    outcome.fault = fault;
    outcome.failed = static_cast<int>(k);
    return outcome;
  };
  // Every name is checked and every temporary file written before any file is in
  // place; a pending file that goes away unused leaves nothing behind.
  for (std::size_t k = 0; k < files.size(); ++k) {
    pending.push_back(std::make_unique<PendingFile>(files[k].path));
    const delgraph::FileFault fault = pending[k]->Prepare(files[k].bytes, static_cast<int>(k));
    if (fault != delgraph::FileFault::kNone) return fail(fault, k);
  }
  // A single file replaces its old one in one rename; several need the old ones.
  if (files.size() > 1) {
    for (std::size_t k = 0; k < pending.size(); ++k) {
      const delgraph::FileFault fault = pending[k]->KeepOld(static_cast<int>(k));
      if (fault == delgraph::FileFault::kNone) continue;
      for (const auto& p : pending) p->DropOld();
      return fail(fault, k);
    }
  }
  for (std::size_t k = 0; k < pending.size(); ++k) {
    const delgraph::FileFault fault = pending[k]->Commit();
    if (fault == delgraph::FileFault::kNone) continue;
    for (std::size_t j = 0; j < k; ++j) {
      if (pending[j]->GiveBack()) continue;
      const QString name = LastComponent(files[j].path);
      outcome.note +=
          pending[j]->Existed()
              ? QStringLiteral(" «%1» se ha guardado; su versión anterior está en «%2».")
                    .arg(name, pending[j]->KeptName())
              : QStringLiteral(" «%1» se ha guardado.").arg(name);
    }
    for (std::size_t j = k; j < pending.size(); ++j) pending[j]->DropOld();
    return fail(fault, k);
  }
  for (const auto& p : pending) p->DropOld();
  return outcome;
}

QString SaveTogetherMessage(const std::vector<FileToSave>& files, const SaveOutcome& outcome) {
  if (outcome.fault == delgraph::FileFault::kNone || outcome.failed < 0) return QString();
  QString message =
      SaveFailure(files[static_cast<std::size_t>(outcome.failed)].path, outcome.fault);
  if (!outcome.note.isEmpty()) return message + outcome.note;
  if (files.size() > 1) message += QStringLiteral(" No se ha guardado ninguno de los archivos.");
  return message;
}

QString SaveBytes(const QByteArray& bytes, const QString& path) {
  if (bytes.isEmpty()) {
    return QStringLiteral("No se pudo dibujar «%1».").arg(LastComponent(path));
  }
  const delgraph::FileFault fault = WriteBytes(bytes, path);
  return fault == delgraph::FileFault::kNone ? QString() : SaveFailure(path, fault);
}

}  // namespace render
