// An exercise's picture for paper and for a question bank: the flat dihedral view
// alone, cut from the scene the window's routines draw, so it stays vector on a
// PDF page; optionally the space view for a sheet that wants it.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <array>

#include "delgraph/delgraph.h"
#include "quiz/TestMode.h"

class QPainter;

namespace render {

using SheetPalette = std::array<delgraph::RGBEntry, 16>;

// The built-in print palette.
SheetPalette PrintSheetPalette();
// The palette of printed sheets: greys only, so that a photocopy loses nothing. The
// marks stay apart by weight and dash (thick projections, thin dash-dot reference
// lines, dashed hidden parts), not by colour.
SheetPalette InkSheetPalette();

// The part of the drawing area the flat picture shows, in surface pixels (one
// pixel is one unit of the flat view): every projection test mode can draw, with
// room for its labels, and the ground line across it.
QRectF FlatPictureArea();
// The space view, without the row of icons under it.
QRectF SpacePictureArea();

// The exercise drawn as test mode draws it while it waits, the answer hidden and
// the coordinates shown, with only area mapped onto target (painter coordinates);
// the projection labels are kept apart. The ground line gets its end strokes at
// the picture's edges.
void DrawExercisePart(QPainter& painter, const QRectF& target, const QRectF& area,
                      const quiz::GeneratedExercise& e, const SheetPalette& palette);

// The flat picture as an image, pixelsPerUnit image pixels to a unit.
QImage FlatPictureImage(const quiz::GeneratedExercise& e, const SheetPalette& palette,
                        double pixelsPerUnit);

// The exercise's points as a sheet writes them, "A=(x, y, z)", one after another
// with separator between them.
QString ExerciseCoordinates(const quiz::GeneratedExercise& e, const QString& separator);

}  // namespace render
