// A construction exercise on paper and in a question bank's pictures, drawn in
// millimetres at true size: 1 unit of the flat view is 1 mm, whatever the device.
// Black only: the data and the answer thick, auxiliary lines thin, reference lines
// thin dash-dot, hidden parts dashed; each step's number beside it.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <cstddef>

#include "classify/Construction.h"

class QPainter;

namespace render {

// The frame an exercise is drawn in, in units with y up: kExerciseBox with room
// for the labels at its edges, 180 x 120 mm; L.T. runs across it at y 0.
constexpr double kFrameLeft = -90.0;
constexpr double kFrameTop = 60.0;
constexpr double kFrameWidth = 180.0;
constexpr double kFrameHeight = 120.0;

// A question bank's pictures: image pixels to a millimetre (540 x 360 pixels).
constexpr double kBankPixelsPerMm = 3.0;

struct PaperLook {
  std::size_t steps = 0;  // how many steps: 0 the data alone
  bool numbered = false;  // each step's number beside its first label or stroke
  bool answers = false;   // a ring at each exact answer
};

// Where a flat-view place lies inside a frame whose top-left corner is at corner
// (in millimetres on the page, y down).
QPointF PlaceInFrame(const QPointF& corner, const classify::FlatPoint& p);

// Draws the frame, L.T. with its end strokes and the construction as look asks.
// dotsPerMm maps the page's millimetres onto the painter's device (corner in mm).
void DrawPaperConstruction(QPainter& painter, double dotsPerMm, const QPointF& corner,
                           const classify::Construction& construction, const PaperLook& look);

// The frame alone as a bank's picture, kBankPixelsPerMm pixels to a millimetre.
QImage ConstructionImage(const classify::Construction& construction, const PaperLook& look);

}  // namespace render
