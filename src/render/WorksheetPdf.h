// Printed worksheets: pages of exercises drawn as test mode shows them while they
// wait, with lines for the answers, and the pages of their key, as one A4 PDF.
#pragma once

#include <string>

#include "quiz/SheetRequest.h"

namespace render {

enum class SheetFault {
  kNone,
  kPalette,  // the palette file cannot be read or is too short
  kOutput,   // the PDF cannot be written
};

struct SheetResult {
  SheetFault fault = SheetFault::kNone;
  std::string message;  // Spanish, naming the file and the fault
  int pages = 0;
};

// Three exercises a page, then the key.
int SheetPageCount(int exercises);

// Writes the sheet the request asks for (its seed already chosen) through a
// QSaveFile: on any fault the file is not there, or an older one is left whole.
// The window's scene, picture, codes and score are left as they were.
SheetResult WriteWorksheet(const quiz::SheetRequest& request);

}  // namespace render
