// Printed worksheets: pages of exercises, each its flat dihedral view with lines
// for the answers, then construction exercises at 1:1, and the key as a document of its own
// (appended after the exercises or in a file of its own), as A4 PDF; optionally the same exercises
// as a Moodle question bank.
#pragma once

#include <string>
#include <vector>

#include "quiz/ConstructionExercise.h"
#include "quiz/SheetRequest.h"
#include "quiz/TestMode.h"

namespace render {

enum class SheetFault {
  kNone,
  kPalette,   // the palette file cannot be read or is too short
  kOutput,    // the PDF (or the key, or the question bank) cannot be written
  kSameFile,  // two of its files are one: nothing is read or written
};

struct SheetResult {
  SheetFault fault = SheetFault::kNone;
  std::string message;  // Spanish, naming the file and the fault
  int pages = 0;        // the exercise pages
  int keyPages = 0;
};

// The exercise pages of a sheet: four exercises a page, two with --perspective.
int SheetPageCount(int exercises, bool perspective = false);

// The request's file names are the file system's bytes (delgraph/FileName.h).

// Whether two of the request's files (sheet, key, question bank, list, palette) are
// one file, whatever their names: the message naming them, or empty.
std::string SheetFileClash(const quiz::SheetRequest& request);

// Writes the sheet the request asks for (its seed already chosen), its key and
// its question bank all or none (render::SaveTogether): on any fault no file is
// there, or an older one is left whole.
// The window's scene, picture, codes and score are left as they were.
SheetResult WriteWorksheet(const quiz::SheetRequest& request);
// The same for exercises given (a teacher's list); request.count is not used. The
// construction exercises follow the others, two a page at 1:1, numbered after them.
SheetResult WriteWorksheet(const quiz::SheetRequest& request,
                           const std::vector<quiz::GeneratedExercise>& exercises);
SheetResult WriteWorksheet(const quiz::SheetRequest& request,
                           const std::vector<quiz::GeneratedExercise>& exercises,
                           const std::vector<quiz::ConstructionExercise>& constructions);

}  // namespace render
