// The figure in space, seen from a camera that turns about the vertical and tilts,
// with V folding down onto H about L.T. Pure geometry, no Qt: what a kind of figure
// puts in space (SpaceFigure), where the planes of projection and the figure then lie
// for a view (SpaceScene), which faces are behind which and which parts of a line a
// face hides. render/SpaceRender draws it on any paint device.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace drawing {

// By abscissa (along L.T.), alejamiento (towards the viewer of the flat view, in H)
// and cota (up, in V).
struct Vec3 {
  double x = 0.0, y = 0.0, z = 0.0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(double k, Vec3 a) {
  return {k * a.x, k * a.y, k * a.z};
}
inline double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(Vec3 a, Vec3 b);

// The start view: the camera closest to the drawing's fixed perspective, where L.T.
// rises to the right, the alejamiento runs to the right and the cota up.
constexpr double kStartYaw = 64.0;
constexpr double kStartPitch = 17.0;

struct SpaceCamera {
  // Degrees. Yaw 0 looks at V from the first quadrant with L.T. across the screen;
  // a positive yaw walks the viewer towards the negative abscissas. Pitch is the
  // height of the eye above H, from -90 (from below) to 90 (from straight above).
  double yaw = kStartYaw;
  double pitch = kStartPitch;
  double zoom = 1.0;
  void Turn(double degrees);  // the yaw kept in (-180, 180]
  void Tilt(double degrees);  // the pitch kept in [-90, 90]
  void Zoom(double factor);   // kept in [0.2, 10]
};

struct SpaceView {
  SpaceCamera camera;
  // The angle between V's upper half and H's anterior half: 90 upright, 0 folded
  // down onto H (the flat view). The profile plane folds onto V by the same angle.
  double fold = 90.0;
  bool bisectors = false;
  bool profile = false;
};

struct ScreenPoint {
  double x = 0.0, y = 0.0;  // y down
  double depth = 0.0;       // larger is nearer the viewer
};

// An orthographic projection: scale pixels per unit, the origin at (cx, cy).
struct SpaceProjection {
  Vec3 right, up, towards;  // towards the viewer
  double scale = 1.0;
  double cx = 0.0, cy = 0.0;
  ScreenPoint operator()(Vec3 p) const {
    return {cx + scale * Dot(right, p), cy - scale * Dot(up, p), Dot(towards, p)};
  }
};
SpaceProjection ProjectionOf(const SpaceCamera& camera, double scale, double cx, double cy);

// Which plane a point belongs to, so that it travels with it when it folds: space,
// H, V (folds about L.T.) or the profile plane W (folds onto V, then with it).
enum class On { kSpace, kH, kV, kW };
struct Anchor {
  Vec3 at;  // where it lies with V upright (a point of W: its alejamiento and cota)
  On on = On::kSpace;
};

// How a part is drawn: the figure, a second figure (the second plane), a projection,
// a projecting or reference line, a trace, what the two figures share (I, i), and
// the planes' own edges and L.T.
enum class Ink { kFigure, kSecond, kProjection, kReference, kTrace, kMeeting, kFrame };

struct SpaceMark {
  Anchor at;
  std::string label;
  Ink ink = Ink::kFigure;
};
struct SpaceStroke {
  Anchor from, to;
  Ink ink = Ink::kFigure;
  std::string label;  // written at the `to` end
};
// An endless line, cut to the planes' extent; in space, in H or in V.
struct SpaceLine {
  Vec3 through, direction;
  On on = On::kSpace;
  Ink ink = Ink::kFigure;
  std::string label;
};
struct SpaceTriangle {
  Vec3 a, b, c;
  Ink ink = Ink::kFigure;
};

// What a figure puts in space. The planes of projection reach past the given points.
struct SpaceFigure {
  std::vector<SpaceMark> marks;
  std::vector<SpaceStroke> strokes;
  std::vector<SpaceLine> lines;
  std::vector<SpaceTriangle> triangles;
  std::vector<Vec3> extent;
};

// The figure's point P with its projections, its projecting lines to them and the
// reference lines from them to L.T. (and the third projection with its own).
void AddPointWithProjections(SpaceFigure& figure, Vec3 P, const std::string& letter, Ink ink);

// The planes of projection reach x0..x1 along L.T., and -y..y and -z..z across it.
struct SpaceBox {
  double x0 = -100.0, x1 = 100.0, y = 100.0, z = 100.0;
  double Radius() const;
  Vec3 Centre() const { return {(x0 + x1) / 2, 0.0, 0.0}; }
};
SpaceBox BoxOf(const SpaceFigure& figure);

// Where an anchored point lies in the view: V turned down about L.T. by 90 - fold,
// W turned onto V about their common line (at the box's end x1) by the same angle.
Vec3 Placed(const Anchor& a, const SpaceView& view, const SpaceBox& box);

// What a face is: a half of H or V (seen from one of two quadrants), a bisector, the
// profile plane, or a figure's triangle.
enum class Look { kQuadrant, kBisector, kProfile, kFigure, kSecond };

struct SpaceFace {
  std::vector<Vec3> corners;  // convex, planar, in order
  Vec3 normal;                // of unit length
  Look look = Look::kQuadrant;
  // For a half of H or V: the quadrant seen from the normal's side and the other.
  int frontQuadrant = 0, backQuadrant = 0;
  bool hides = true;  // whether what lies behind it is drawn as hidden
};

struct SpaceSegment {
  Vec3 from, to;
  Ink ink = Ink::kFigure;
  std::string label;
};
struct SpacePoint {
  Vec3 at;
  std::string label;
  Ink ink = Ink::kFigure;
};

// Everything in place for one view: the faces, the segments (the planes' edges and
// L.T. among them) and the points.
struct SpaceScene {
  SpaceBox box;
  std::vector<SpaceFace> faces;
  std::vector<SpaceSegment> segments;
  std::vector<SpacePoint> points;
};
SpaceScene BuildSpaceScene(const SpaceFigure& figure, const SpaceView& view);

// A piece of a face, in the order to paint them (back to front), split where faces
// cross; `face` indexes the scene's faces and `front` says whether the viewer sees
// the side its normal points to.
struct FacePiece {
  std::vector<Vec3> corners;
  int face = 0;
  bool front = true;
};
std::vector<FacePiece> PaintOrder(const std::vector<SpaceFace>& faces, Vec3 towards);

// The parts of the segment from a to b, as parameters 0..1, that a face hiding
// others lies in front of, sorted and merged.
std::vector<std::pair<double, double>> HiddenParts(Vec3 a, Vec3 b,
                                                   const std::vector<SpaceFace>& faces,
                                                   const SpaceProjection& projection);
bool IsHidden(Vec3 p, const std::vector<SpaceFace>& faces, const SpaceProjection& projection);

}  // namespace drawing
