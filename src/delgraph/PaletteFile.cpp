#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"

namespace delgraph {

namespace {

constexpr int RecordSize = 3;
const char* const NotFound = "File not found";
const char* const PastEnd = "Read beyond end of file";
const char* const AccessDenied = "File access denied";

// Only the last component counts, so the file is always the one in the current
// directory; '/' separates as well as backslash and colon.
QString LocalName(const std::string& name) {
  const std::size_t cut = name.find_last_of("\\:/");
  const std::string last = cut == std::string::npos ? name : name.substr(cut + 1);
  return QString::fromStdString(last);
}

}  // namespace

void LoadPaletteFile(const std::string& name) {
  LoadPaletteFromPath(LocalName(name));
}

void LoadPaletteFromPath(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) throw FileError(NotFound);
  if (info.isDir()) throw FileError(AccessDenied);
  // Read-only, so a write-protected palette still loads. QFile closes on every exit.
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw FileError(AccessDenied);
  for (int k = 0; k < 16; ++k) {
    char record[RecordSize];
    const qint64 got = file.read(record, RecordSize);
    if (got < 0) throw FileError(AccessDenied);
    if (got < RecordSize) throw FileError(PastEnd);
    SetPaletteEntry(static_cast<std::uint16_t>(k), static_cast<unsigned char>(record[0]),
                    static_cast<unsigned char>(record[1]), static_cast<unsigned char>(record[2]));
  }
}

void SavePaletteFile(const std::string& name) {
  const QString path = LocalName(name);
  if (path.isEmpty()) throw FileError(AccessDenied);
  // Written to a temporary file beside it and renamed on commit: a failed save
  // leaves the old palette whole.
  QSaveFile file(path);
  // In a folder that takes no new files the palette is still saved in place.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) throw FileError(AccessDenied);
  char bytes[16 * RecordSize];
  for (int k = 0; k < 16; ++k) {
    bytes[RecordSize * k] = static_cast<char>(PaletteRGB[k].red);
    bytes[RecordSize * k + 1] = static_cast<char>(PaletteRGB[k].green);
    bytes[RecordSize * k + 2] = static_cast<char>(PaletteRGB[k].blue);
  }
  if (file.write(bytes, sizeof bytes) != static_cast<qint64>(sizeof bytes)) {
    file.cancelWriting();
    throw FileError(AccessDenied);
  }
  if (!file.commit()) throw FileError(AccessDenied);
}

void ApplyShippedPalette() {
  PaletteRecord defaults;
  DefaultPalette(defaults);
  for (int k = 0; k < 16; ++k) {
    const ColorValue c = defaults.colors[k];
    SetPaletteEntry(static_cast<std::uint16_t>(k), c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  }
  SetPaletteEntry(0, 250, 250, 255);
}

}  // namespace delgraph
