#include <QSaveFile>
#include <QString>
#include <cstddef>
#include <string>

#include "delgraph/PaletteRead.h"
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

void LoadPaletteFile(Palette& palette, const std::string& name) {
  LoadPaletteFromPath(palette, LocalName(name));
}

void LoadPaletteFromPath(Palette& palette, const QString& path) {
  const PaletteReading reading = ReadPaletteFile(path);
  // The records read are applied even when the file then fails, as a short file
  // always has been.
  for (int k = 0; k < reading.records; ++k) {
    const RGBEntry& c = reading.colours[static_cast<std::size_t>(k)];
    palette.SetEntry(static_cast<std::uint16_t>(k), c.red, c.green, c.blue);
  }
  switch (reading.fault) {
    case FileFault::kNone:
      return;
    case FileFault::kNotFound:
      throw FileError(NotFound);
    case FileFault::kTooShort:
      throw FileError(PastEnd);
    default:  // a folder, a FIFO, a device, no permission: the window's one message
      throw FileError(AccessDenied);
  }
}

void SavePaletteFile(const Palette& palette, const std::string& name) {
  const QString path = LocalName(name);
  if (path.isEmpty()) throw FileError(AccessDenied);
  // A FIFO or a device named like the palette is left as it is, never replaced
  // (nor opened for the direct write below, which could wait forever).
  if (OutputObstacle(path) != FileFault::kNone) throw FileError(AccessDenied);
  // Written to a temporary file beside it and renamed on commit: a failed save
  // leaves the old palette whole.
  QSaveFile file(path);
  // In a folder that takes no new files the palette is still saved in place.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) throw FileError(AccessDenied);
  char bytes[16 * RecordSize];
  for (int k = 0; k < 16; ++k) {
    bytes[RecordSize * k] = static_cast<char>(palette.rgb[k].red);
    bytes[RecordSize * k + 1] = static_cast<char>(palette.rgb[k].green);
    bytes[RecordSize * k + 2] = static_cast<char>(palette.rgb[k].blue);
  }
  if (file.write(bytes, sizeof bytes) != static_cast<qint64>(sizeof bytes)) {
    file.cancelWriting();
    throw FileError(AccessDenied);
  }
  if (!file.commit()) throw FileError(AccessDenied);
}

void ApplyShippedPalette(Palette& palette) {
  PaletteRecord defaults;
  DefaultPalette(defaults);
  for (int k = 0; k < 16; ++k) {
    const ColorValue c = defaults.colors[k];
    palette.SetEntry(static_cast<std::uint16_t>(k), c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  }
  palette.SetEntry(0, 250, 250, 255);
}

}  // namespace delgraph
