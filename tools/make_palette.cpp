// Writes the palette files the program ships ("pruebas.pal" for the window,
// "impresion.pal" for printed sheets) into the given folder, through the graphics
// layer's own save routine.
#include <QDir>
#include <cstdio>

#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_palette FOLDER\n");
    return 2;
  }
  if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "make_palette: cannot enter %s\n", argv[1]);
    return 1;
  }
  try {
    delgraph::Palette palette;
    delgraph::ApplyShippedPalette(palette);
    delgraph::SavePaletteFile(palette, "pruebas.pal");
    delgraph::ApplyPrintPalette(palette);
    delgraph::SavePaletteFile(palette, "impresion.pal");
  } catch (const delgraph::FileError& e) {
    std::fprintf(stderr, "make_palette: %s\n", e.what());
    return 1;
  }
  return 0;
}
