// File names as the file system spells them: bytes, UTF-8 or not. Qt turns a byte
// that is no part of UTF-8 into U+FFFD and so names another file; here such a byte
// is carried in the QString as a lone surrogate (U+DC80 + byte - 0x80), so that the
// name goes back to the file system byte for byte. Valid UTF-8 converts as Qt's.
#pragma once

#include <QByteArray>
#include <QString>

#include "delgraph/FileFault.h"

namespace delgraph {

QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);
// Whether the name holds a byte that is not UTF-8.
bool HasStrayBytes(const QString& name);
// For a message or a page: each stray byte as U+FFFD.
QString ShownFileName(const QString& name);

// The whole of a regular file of at most maxBytes. A FIFO or a device is never
// opened (kNotRegular); tooLarge when the file holds more.
struct FileReading {
  FileFault fault = FileFault::kNone;
  QByteArray bytes;
  bool tooLarge = false;
};
FileReading ReadRegularFile(const QString& path, qint64 maxBytes);

// The place a name takes, as bytes: links followed (by hand where they lead to
// nothing yet), "." and ".." gone, made absolute.
QByteArray ResolvedFileName(const QString& name);

// Whether two names reach one file: through links, "." and "..", or a second hard
// link; a name that does not exist yet is compared by the place it would take.
bool SameFile(const QString& a, const QString& b);

}  // namespace delgraph
