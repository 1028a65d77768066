#include "drawing/SeenAndHidden.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "delgraph/delgraph.h"
#include "drawing/LineTraces.h"
#include "scene/LineParts.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

using scene::LineParameter;

constexpr std::int32_t kReferenceColour = 12;  // the projections onto H and V in space

struct Station {
  bool exists = false;
  LineParameter t;
  EndPointPositions at;
};

EndPointPositions TraceAt(Painter& painter, const LineTrace& trace) {
  return PositionsAt(painter, trace.abscissa.ToDouble(), trace.alejamiento.ToDouble(),
                     trace.cota.ToDouble());
}

void DrawPieces(Painter& painter, const std::vector<LinePiece>& pieces,
                SurfacePoint EndPointPositions::*view, std::int32_t colour) {
  for (const LinePiece& piece : pieces) {
    painter.SetLineStyle(piece.seen ? delgraph::psSolid : delgraph::psDash, 0, 3);
    DrawSceneLine(painter, (piece.from.*view).x, (piece.from.*view).y, (piece.to.*view).x,
                  (piece.to.*view).y, colour);
  }
}

// Seen from the first quadrant: the quadrant itself, H anterior and V superior.
bool SeenCode(std::int32_t code) {
  return code == 1 || code == 5 || code == 7;
}

const char* PartName(std::int32_t code) {
  static constexpr const char* kNames[] = {
      "", "1º", "2º", "3º", "4º", "H anterior", "H posterior", "V superior", "V inferior", "L.T."};
  return code >= 1 && code <= 9 ? kNames[code] : "";
}

}  // namespace

std::vector<LinePiece> LinePieces(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                                  LineStation from, LineStation to) {
  const LineTraces traces = TracesOf(A, B);
  std::array<Station, 4> stations;
  stations[static_cast<int>(LineStation::kA)] = {true, {0, 1}, EndPointPositionsOf(painter, A)};
  stations[static_cast<int>(LineStation::kB)] = {true, {1, 1}, EndPointPositionsOf(painter, B)};
  if (traces.horizontal.exists)
    stations[static_cast<int>(LineStation::kH)] = {true, scene::HorizontalTraceParameter(A, B),
                                                   TraceAt(painter, traces.horizontal)};
  if (traces.vertical.exists)
    stations[static_cast<int>(LineStation::kV)] = {true, scene::VerticalTraceParameter(A, B),
                                                   TraceAt(painter, traces.vertical)};
  const Station& first = stations[static_cast<int>(from)];
  const Station& last = stations[static_cast<int>(to)];
  if (!first.exists || !last.exists) return {};
  const bool forward = !(last.t < first.t);
  const LineParameter lo = forward ? first.t : last.t;
  const LineParameter hi = forward ? last.t : first.t;
  // The stations strictly between the two ends, in the order of travel.
  std::vector<const Station*> path{&first};
  for (const Station& s : stations)
    if (s.exists && lo < s.t && s.t < hi) path.push_back(&s);
  std::sort(path.begin() + 1, path.end(), [forward](const Station* x, const Station* y) {
    return forward ? x->t < y->t : y->t < x->t;
  });
  path.push_back(&last);
  std::vector<LinePiece> pieces;
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const Station& p = *path[i];
    const Station& q = *path[i + 1];
    if (p.t == q.t) continue;  // a trace at an end point: nothing between them
    const LineParameter& start = forward ? p.t : q.t;
    pieces.push_back({p.at, q.at, SeenCode(scene::PartCode(A, B, &start))});
  }
  if (pieces.empty())
    pieces.push_back({first.at, last.at, SeenCode(scene::PartCode(A, B, &first.t))});
  return pieces;
}

void DrawSeenAndHiddenLine(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                           std::int32_t lineColour) {
  const std::vector<LinePiece> pieces = LinePieces(painter, A, B, LineStation::kA, LineStation::kB);
  DrawPieces(painter, pieces, &EndPointPositions::S, lineColour);  // in space
  DrawPieces(painter, pieces, &EndPointPositions::h, lineColour);  // horizontal projection
  DrawPieces(painter, pieces, &EndPointPositions::v, lineColour);  // vertical projection
  if (!painter.Profile) {
    DrawPieces(painter, pieces, &EndPointPositions::Hp, kReferenceColour);  // onto H
    DrawPieces(painter, pieces, &EndPointPositions::Vp, kReferenceColour);  // onto V
  }
  painter.SetLineStyle(delgraph::psSolid, 0, 1);

  const delgraph::ColorValue pen = painter.GetPenColor();
  painter.SetDrawColor(delgraph::GetMaxColor());  // black, as for line colour 1
  painter.SetTextStyle(0, 0, 1);
  painter.DrawText(kPartsTextX, kPartsTextY, PartsText(scene::LinePartCodes(A, B)));
  RestoreTextStyle(painter);
  painter.SetPenColorValue(pen);
}

std::string PartsText(const std::vector<std::int32_t>& codes) {
  if (codes.empty()) return {};
  if (codes.front() == 9) return "En la L.T.";
  std::string text = codes.front() <= 4 ? "Cuadrantes: " : "Semiplanos: ";
  for (std::size_t i = 0; i < codes.size(); ++i)
    text += (i ? ", " : "") + std::string(PartName(codes[i]));
  return text;
}

}  // namespace drawing
