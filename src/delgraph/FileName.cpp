#include "delgraph/FileName.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

namespace delgraph {

namespace {

constexpr char16_t kStrayBase = 0xDC00;  // a stray byte b is U+DC00 + b (b >= 0x80)

// The length of the valid UTF-8 sequence at text[i], or 0: no overlong forms, no
// surrogates, nothing above U+10FFFF.
int SequenceAt(const QByteArray& text, qsizetype i) {
  const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  int length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (int k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

// A lone low surrogate in the stray range; the same unit after a high surrogate is
// half of a character beyond U+FFFF.
bool StrayAt(const QString& name, qsizetype i) {
  const char16_t c = name[i].unicode();
  return c >= kStrayBase + 0x80 && c <= kStrayBase + 0xFF &&
         !(i > 0 && name[i - 1].isHighSurrogate());
}

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

QByteArray RealPath(const QByteArray& path) {
  char* real = ::realpath(path.constData(), nullptr);
  if (real == nullptr) return QByteArray();
  QByteArray result(real);
  std::free(real);
  return result;
}

// The place a name takes: links followed, folder resolved, made absolute.
QByteArray Resolved(QByteArray path) {
  for (int hops = 0; hops < 40; ++hops) {
    const QByteArray real = RealPath(path);
    if (!real.isEmpty()) return real;
    // Not there, or a link to nothing yet: follow the link by hand.
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.constData(), target, sizeof target);
    if (n <= 0) break;
    QByteArray next(target, n);
    if (!next.startsWith('/')) {
      const qsizetype slash = path.lastIndexOf('/');
      next = (slash < 0 ? QByteArray(".") : path.left(slash + 1)) + '/' + next;
    }
    path = next;
  }
  const qsizetype slash = path.lastIndexOf('/');
  QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
  const QByteArray real = RealPath(folder);
  if (!real.isEmpty()) {
    folder = real;
  } else if (!folder.startsWith('/')) {
    char here[PATH_MAX];
    if (::getcwd(here, sizeof here) != nullptr) folder = QByteArray(here) + '/' + folder;
  }
  return folder + '/' + path.mid(slash + 1);
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
  QString name;
  qsizetype i = 0;
  while (i < bytes.size()) {
    const int length = SequenceAt(bytes, i);
    if (length == 0) {
      name += QChar(static_cast<char16_t>(kStrayBase + static_cast<unsigned char>(bytes[i])));
      ++i;
      continue;
    }
    name += QString::fromUtf8(bytes.constData() + i, length);
    i += length;
  }
  return name;
}

QByteArray EncodeFileName(const QString& name) {
  if (!HasStrayBytes(name)) return name.toUtf8();
  QByteArray bytes;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= name.size(); ++i) {
    if (i < name.size() && !StrayAt(name, i)) continue;
    bytes += QStringView(name).mid(start, i - start).toUtf8();
    if (i < name.size()) bytes += static_cast<char>(name[i].unicode() - kStrayBase);
    start = i + 1;
  }
  return bytes;
}

bool HasStrayBytes(const QString& name) {
  for (qsizetype i = 0; i < name.size(); ++i)
    if (StrayAt(name, i)) return true;
  return false;
}

QString ShownFileName(const QString& name) {
  QString shown = name;
  for (qsizetype i = 0; i < name.size(); ++i)
    if (StrayAt(name, i)) shown[i] = QChar::ReplacementCharacter;
  return shown;
}

FileReading ReadRegularFile(const QString& path, qint64 maxBytes) {
  FileReading result;
  const QByteArray name = EncodeFileName(path);
  // The type is checked before the open, so a FIFO or a device is never opened,
  // and again on the open file, in case the name was swapped in between.
  struct stat info {};
  if (path.isEmpty() || ::stat(name.constData(), &info) != 0) {
    result.fault = path.isEmpty() ? FileFault::kNotFound : FaultOfErrno(errno);
    return result;
  }
  if ((result.fault = KindOf(info)) != FileFault::kNone) return result;
  const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
    result.fault = FaultOfErrno(errno);
    if (result.fault == FileFault::kNone) result.fault = FileFault::kOther;
    return result;
  }
  if ((result.fault = KindOf(info)) != FileFault::kNone) return result;
  char buffer[65536];
  while (result.bytes.size() <= maxBytes) {
    const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.fault = FaultOfErrno(errno);
      if (result.fault == FileFault::kNone) result.fault = FileFault::kOther;
      return result;
    }
    if (n == 0) break;
    result.bytes.append(buffer, n);
  }
  if (result.bytes.size() > maxBytes) {
    result.tooLarge = true;
    result.bytes.truncate(maxBytes);
  }
  return result;
}

QByteArray ResolvedFileName(const QString& name) {
  return Resolved(EncodeFileName(name));
}

bool SameFile(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QByteArray first = ResolvedFileName(a);
  const QByteArray second = ResolvedFileName(b);
  struct stat one {
  }, other{};
  if (::stat(first.constData(), &one) == 0 && ::stat(second.constData(), &other) == 0)
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
  return first == second;
}

}  // namespace delgraph
