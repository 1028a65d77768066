// Printed worksheets: pages of exercises, each its flat dihedral view with lines
// for the answers, and the key as a document of its own (appended after the
// exercises or in a file of its own), as A4 PDF; optionally the same exercises as
// a Moodle question bank.
#pragma once

#include <string>
#include <vector>

#include "quiz/SheetRequest.h"
#include "quiz/TestMode.h"

namespace render {

enum class SheetFault {
  kNone,
  kPalette,  // the palette file cannot be read or is too short
  kOutput,   // the PDF (or the key, or the question bank) cannot be written
};

struct SheetResult {
  SheetFault fault = SheetFault::kNone;
  std::string message;  // Spanish, naming the file and the fault
  int pages = 0;        // the exercise pages
  int keyPages = 0;
};

// The exercise pages of a sheet: four exercises a page, two with --perspective.
int SheetPageCount(int exercises, bool perspective = false);

// Writes the sheet the request asks for (its seed already chosen) through a
// QSaveFile: on any fault the file is not there, or an older one is left whole.
// The window's scene, picture, codes and score are left as they were.
SheetResult WriteWorksheet(const quiz::SheetRequest& request);
// The same for exercises given (a teacher's list); request.count is not used.
SheetResult WriteWorksheet(const quiz::SheetRequest& request,
                           const std::vector<quiz::GeneratedExercise>& exercises);

}  // namespace render
