// Projections of the scene's point or line in the space view and the flat view,
// with reference segments, rings, labels, and the shared text-style save/restore.
#pragma once

#include <cstdint>
#include <string>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// Where one end point lands: S in space, V' and H' its projections in the space
// view; G its foot, h and v its projections in the flat view.
struct EndPointPositions {
  SurfacePoint S, Vp, Hp, G, h, v;
};

// Recomputes the painter's origins and abscissa steps from its mapping.
void ComputeSceneOrigins(Painter& painter);
// Positions of p with the current origins and the painter's Profile; draws nothing.
EndPointPositions EndPointPositionsOf(Painter& painter, const DihedralPoint& p);
// The same for fractional coordinates (a trace), rounded half to even; whole ones
// give exactly what EndPointPositionsOf gives.
EndPointPositions PositionsAt(Painter& painter, double abscissa, double alejamiento, double cota);

EndPointPositions DrawEndPoint(Painter& painter, const DihedralPoint& p);
void DrawReferenceSegment(Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2, std::int32_t colour);
void DrawPointLabels(Painter& painter, const std::string& letter, SurfacePoint S, SurfacePoint h,
                     SurfacePoint v);
void DrawSceneLine(Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                   std::int32_t y2, std::int32_t colour);
// Where the scene's projections go: the painter's Profile and origins from it.
void BeginScene(Painter& painter, const scene::Scene& scene);
// The scene's point A, line AB or plane ABC with its projections; a line with its
// seen and hidden parts and its traces when the scene asks for them and no answer
// is hidden.
void DrawPointScene(Painter& painter, const scene::Scene& scene);
void DrawLineScene(Painter& painter, const scene::Scene& scene, std::int32_t lineColour);
void DrawPlaneScene(Painter& painter, const scene::Scene& scene);
// The style the texts end with: the saved record is never filled, so this is
// always font 0 at 8 points (the default record).
void RestoreTextStyle(Painter& painter);

}  // namespace drawing
