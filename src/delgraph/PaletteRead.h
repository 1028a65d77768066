// One reading of a palette file (16 records of red, green, blue), shared by the
// window, the command line and the sheets; each words the fault in its own way.
#pragma once

#include <QString>
#include <array>

#include "delgraph/FileFault.h"
#include "delgraph/delgraph.h"

namespace delgraph {

struct PaletteReading {
  FileFault fault = FileFault::kNone;
  int records = 0;  // whole records read, 16 unless the file is short or unreadable
  std::array<RGBEntry, 16> colours{};
};

// Reads exactly the path given. Only a regular file is opened, and never with an
// open that could block (a FIFO, a device): those are kNotRegular.
PaletteReading ReadPaletteFile(const QString& path);

// The command line's and the sheets' message for a fault, naming the file.
QString SpanishPaletteMessage(FileFault fault, const QString& path);

}  // namespace delgraph
