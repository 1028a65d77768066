#include "drawing/TwoPlanesTexts.h"

#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Projections.h"

namespace drawing {

const char* const kOnlyInProfileText =
    "i no se halla solo con \xCE\xB1"
    "1-\xCE\xB1"
    "2 y \xCE\xB2"
    "1-\xCE\xB2"
    "2: ver perfil";

namespace {

// Six points share the panel that holds a plane's three, in two columns.
constexpr std::uint16_t kCoordinatesSize = 13;
constexpr std::int32_t kCoordinatesY[3] = {382, 403, 424};
constexpr std::int32_t kSecondColumnX = kTextX + 222;
constexpr std::int32_t kLineTypeY = 10;  // where a plane's traces text goes
constexpr std::int32_t kProfileNoteY = 445;
constexpr std::uint16_t kProfileNoteSize = 12;

void ShowCoordinates(Painter& painter, const classify::SixPoints& points,
                     const TwoPlanesTextFlags& flags, bool edited) {
  if (flags.answerHidden && flags.coordinatesHidden) return;
  const char* letters[6] = {"A", "B", "C", "D", "E", "F"};
  painter.SetTextStyle(0, 0, kCoordinatesSize);
  for (int k = 0; k < 6; ++k) {
    if ((k == flags.edited) != edited) continue;
    painter.DrawText(k < 3 ? kTextX : kSecondColumnX, kCoordinatesY[k % 3],
                     classify::LineCoordinateText(letters[k], points[k]));
  }
}

}  // namespace

void ShowTwoPlanesRelation(Painter& painter, const classify::SixPoints& points,
                           const TwoPlanesTextFlags& flags) {
  const delgraph::ColorValue kept = BeginInfoText(painter);
  if (!flags.answerHidden)
    painter.DrawText(kTextX, kTypeY, classify::TwoPlanesRelation(points).text);
  ShowCoordinates(painter, points, flags, false);
  RestoreTextStyle(painter);
  painter.SetPenColorValue(kept);
}

void ShowTwoPlanesLine(Painter& painter, const classify::SixPoints& points,
                       const TwoPlanesTextFlags& flags) {
  const delgraph::ColorValue kept = BeginInfoText(painter);
  ShowCoordinates(painter, points, flags, true);
  if (!flags.answerHidden) {
    painter.SetTextStyle(0, 0, kTextSize);
    const std::string type = classify::IntersectionType(classify::MeetingOf(points)).text;
    if (!type.empty()) painter.DrawText(kTextX, kLineTypeY, type);
    if (!classify::IntersectionFromTraces(points)) {
      painter.SetTextStyle(0, 0, kProfileNoteSize);
      painter.DrawText(kTextX, kProfileNoteY, kOnlyInProfileText);
    }
  }
  RestoreTextStyle(painter);
  // As the rings of the projections leave it.
  painter.SetBrushStyle(delgraph::bsClear);
  painter.SetPenColorValue(kept);
}

}  // namespace drawing
