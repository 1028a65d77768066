// Projections of the scene's point or line in the space view and the flat view,
// with reference segments, rings, labels, and the shared text-style save/restore.
#pragma once

#include <cstdint>
#include <string>

#include "delgraph/delgraph.h"
#include "scene/Scene.h"

namespace drawing {

struct SurfacePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

inline bool operator==(const SurfacePoint& a, const SurfacePoint& b) {
  return a.x == b.x && a.y == b.y;
}

// Where one end point lands: S in space, V' and H' its projections in the space
// view; G its foot, h and v its projections in the flat view.
struct EndPointPositions {
  SurfacePoint S, Vp, Hp, G, h, v;
};

// Working values, recomputed from the current mapping at each DrawScene.
extern SurfacePoint& SpaceOrigin;
extern SurfacePoint& FlatOrigin;
extern double& AbscissaStepX;
extern double& AbscissaStepY;

// The main unit's saved text style; never filled, so restoring it selects font 0
// at 8 points.
extern delgraph::TextStyleRecord& SavedTextStyle;

// Recomputes SpaceOrigin, FlatOrigin and the abscissa steps from the mapping.
void ComputeSceneOrigins();
// Positions of p with the current origins and ProfileOn; draws nothing.
EndPointPositions EndPointPositionsOf(const DihedralPoint& p);
// The same for fractional coordinates (a trace), rounded half to even; whole ones
// give exactly what EndPointPositionsOf gives.
EndPointPositions PositionsAt(double abscissa, double alejamiento, double cota);

EndPointPositions DrawEndPoint(const DihedralPoint& p);
void DrawReferenceSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t colour);
void DrawPointLabels(const std::string& letter, SurfacePoint S, SurfacePoint h, SurfacePoint v);
void DrawSceneLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int32_t colour);
void DrawScene(bool pointMode, std::int32_t aAbscissa, std::int32_t aAlejamiento,
               std::int32_t aCota, std::int32_t bAbscissa, std::int32_t bAlejamiento,
               std::int32_t bCota, std::int32_t lineColour);
// The style the texts end with: the saved record is never filled, so this is
// always font 0 at 8 points (the default record).
void RestoreTextStyle();

// Program-start working values, traces off. For tests.
void ResetProjections();

}  // namespace drawing
