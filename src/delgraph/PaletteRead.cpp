#include "delgraph/PaletteRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstddef>

#include "delgraph/FileName.h"

namespace delgraph {

namespace {

constexpr int kRecordSize = 3;
constexpr int kBytes = 16 * kRecordSize;

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

FileFault KindOf(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return FileFault::kFolder;
  if (!S_ISREG(info.st_mode)) return FileFault::kNotRegular;
  return FileFault::kNone;
}

}  // namespace

PaletteReading ReadPaletteFile(const QString& path) {
  PaletteReading result;
  if (path.isEmpty()) {
    result.fault = FileFault::kNotFound;
    return result;
  }
  const QByteArray name = EncodeFileName(path);
  // The type is checked before the open, so a FIFO or a device is never opened, and
  // again on the open file, in case the name was swapped in between; O_NONBLOCK keeps
  // even that open from waiting for a writer.
  struct stat info {};
  if (::stat(name.constData(), &info) != 0) {
    result.fault = FaultOfErrno(errno);
    return result;
  }
  if ((result.fault = KindOf(info)) != FileFault::kNone) return result;
  Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) {
    result.fault = FaultOfErrno(errno);
    return result;
  }
  if (::fstat(file.fd, &info) != 0) {
    result.fault = FaultOfErrno(errno);
    return result;
  }
  if ((result.fault = KindOf(info)) != FileFault::kNone) return result;

  unsigned char bytes[kBytes];
  int got = 0;
  while (got < kBytes) {
    const ssize_t n = ::read(file.fd, bytes + got, static_cast<size_t>(kBytes - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.fault = FaultOfErrno(errno);
      if (result.fault == FileFault::kNone) result.fault = FileFault::kOther;
      break;
    }
    if (n == 0) {
      result.fault = FileFault::kTooShort;
      break;
    }
    got += static_cast<int>(n);
  }
  result.records = got / kRecordSize;
  for (int k = 0; k < result.records; ++k)
    result.colours[static_cast<std::size_t>(k)] =
        RGBEntry{bytes[kRecordSize * k], bytes[kRecordSize * k + 1], bytes[kRecordSize * k + 2]};
  return result;
}

QString SpanishPaletteMessage(FileFault fault, const QString& path) {
  const QString name = QStringLiteral("«%1»").arg(path);
  switch (fault) {
    case FileFault::kNone:
      return QString();
    case FileFault::kNotFound:
      return QStringLiteral("no existe el archivo de paleta %1").arg(name);
    case FileFault::kTooShort:
      return QStringLiteral(
                 "el archivo de paleta %1 es demasiado corto: tiene que tener 48 bytes "
                 "(16 colores)")
          .arg(name);
    default:
      return QStringLiteral("no se puede leer el archivo de paleta %1: %2")
          .arg(name, SpanishReason(fault));
  }
}

}  // namespace delgraph
