// Which face is behind which, and what a face hides: a tree of the faces' planes
// gives the order to paint them in, splitting the faces that cross; a segment is
// hidden where, along the line of sight, a face lies between it and the viewer.
#include <algorithm>
#include <cmath>
#include <memory>

#include "drawing/SpaceView.h"

namespace drawing {

namespace {

struct Piece {
  std::vector<Vec3> corners;
  int face = 0;
};

struct Node {
  Vec3 normal;
  double offset = 0.0;  // normal . p = offset on the plane
  std::vector<Piece> here;
  std::unique_ptr<Node> front, back;
};

double Extent(const std::vector<SpaceFace>& faces) {
  double r = 1.0;
  for (const SpaceFace& f : faces)
    for (const Vec3& c : f.corners) r = std::max({r, std::abs(c.x), std::abs(c.y), std::abs(c.z)});
  return r;
}

// Cuts a convex piece by the plane into the parts on either side.
void Split(const Piece& p, Vec3 n, double d, double eps, std::vector<Piece>& front,
           std::vector<Piece>& back, std::vector<Piece>& here) {
  std::vector<double> side(p.corners.size());
  bool anyFront = false, anyBack = false;
  for (std::size_t k = 0; k < p.corners.size(); ++k) {
    side[k] = Dot(n, p.corners[k]) - d;
    anyFront = anyFront || side[k] > eps;
    anyBack = anyBack || side[k] < -eps;
  }
  if (!anyFront && !anyBack) {
    here.push_back(p);
    return;
  }
  if (!anyBack) {
    front.push_back(p);
    return;
  }
  if (!anyFront) {
    back.push_back(p);
    return;
  }
  Piece f{{}, p.face}, b{{}, p.face};
  for (std::size_t k = 0; k < p.corners.size(); ++k) {
    const std::size_t j = (k + 1) % p.corners.size();
    const Vec3 a = p.corners[k], c = p.corners[j];
    if (side[k] >= -eps) f.corners.push_back(a);
    if (side[k] <= eps) b.corners.push_back(a);
    if ((side[k] > eps && side[j] < -eps) || (side[k] < -eps && side[j] > eps)) {
      const Vec3 cut = a + (side[k] / (side[k] - side[j])) * (c - a);
      f.corners.push_back(cut);
      b.corners.push_back(cut);
    }
  }
  if (f.corners.size() >= 3) front.push_back(std::move(f));
  if (b.corners.size() >= 3) back.push_back(std::move(b));
}

std::unique_ptr<Node> Build(std::vector<Piece> pieces, const std::vector<SpaceFace>& faces,
                            double eps) {
  if (pieces.empty()) return nullptr;
  auto node = std::make_unique<Node>();
  const SpaceFace& face = faces[static_cast<std::size_t>(pieces[0].face)];
  node->normal = face.normal;
  node->offset = Dot(face.normal, pieces[0].corners[0]);
  std::vector<Piece> front, back;
  for (const Piece& p : pieces) Split(p, node->normal, node->offset, eps, front, back, node->here);
  node->front = Build(std::move(front), faces, eps);
  node->back = Build(std::move(back), faces, eps);
  return node;
}

void Paint(const Node* node, const std::vector<SpaceFace>& faces, Vec3 towards,
           std::vector<FacePiece>& out) {
  if (node == nullptr) return;
  const bool viewerInFront = Dot(node->normal, towards) >= 0.0;
  Paint(viewerInFront ? node->back.get() : node->front.get(), faces, towards, out);
  for (const Piece& p : node->here) {
    const bool front = Dot(faces[static_cast<std::size_t>(p.face)].normal, towards) >= 0.0;
    out.push_back({p.corners, p.face, front});
  }
  Paint(viewerInFront ? node->front.get() : node->back.get(), faces, towards, out);
}

struct Flat {
  double u = 0.0, v = 0.0;
};

Flat OnScreen(const SpaceProjection& pr, Vec3 p) {
  return {Dot(pr.right, p), Dot(pr.up, p)};
}

double CrossZ(Flat a, Flat b) {
  return a.u * b.v - a.v * b.u;
}

// The parameters of a + t (b - a), t in 0..1, that the face covers on the screen,
// and how far the face lies in front along the line of sight: s0 + t s1.
bool Covered(Vec3 a, Vec3 b, const SpaceFace& f, const SpaceProjection& pr, double& tIn,
             double& tOut, double& s0, double& s1) {
  const double facing = Dot(f.normal, pr.towards);
  if (std::abs(facing) < 1e-9) return false;  // seen edge on: it hides nothing
  std::vector<Flat> q;
  q.reserve(f.corners.size());
  double area = 0.0;
  for (const Vec3& c : f.corners) q.push_back(OnScreen(pr, c));
  for (std::size_t k = 0; k < q.size(); ++k) area += CrossZ(q[k], q[(k + 1) % q.size()]);
  if (area < 0.0) std::reverse(q.begin(), q.end());
  const Flat A = OnScreen(pr, a), B = OnScreen(pr, b);
  const Flat D{B.u - A.u, B.v - A.v};
  tIn = 0.0;
  tOut = 1.0;
  for (std::size_t k = 0; k < q.size(); ++k) {
    const Flat e{q[(k + 1) % q.size()].u - q[k].u, q[(k + 1) % q.size()].v - q[k].v};
    const double at = CrossZ(e, {A.u - q[k].u, A.v - q[k].v});
    const double rate = CrossZ(e, D);
    if (std::abs(rate) < 1e-15) {
      if (at < 0.0) return false;
      continue;
    }
    const double t = -at / rate;
    if (rate > 0.0)
      tIn = std::max(tIn, t);
    else
      tOut = std::min(tOut, t);
  }
  if (tIn >= tOut) return false;
  const double d = Dot(f.normal, f.corners[0]);
  s0 = (d - Dot(f.normal, a)) / facing;
  s1 = -Dot(f.normal, b - a) / facing;
  return true;
}

}  // namespace

std::vector<FacePiece> PaintOrder(const std::vector<SpaceFace>& faces, Vec3 towards) {
  std::vector<Piece> pieces;
  for (std::size_t k = 0; k < faces.size(); ++k)
    if (faces[k].corners.size() >= 3) pieces.push_back({faces[k].corners, static_cast<int>(k)});
  const std::unique_ptr<Node> root = Build(std::move(pieces), faces, 1e-9 * Extent(faces));
  std::vector<FacePiece> out;
  Paint(root.get(), faces, towards, out);
  return out;
}

std::vector<std::pair<double, double>> HiddenParts(Vec3 a, Vec3 b,
                                                   const std::vector<SpaceFace>& faces,
                                                   const SpaceProjection& projection) {
  // A part lying on a face, or a thousandth of the planes' size from it, is on it,
  // not behind it: the projections lie in H and V.
  const double eps = 1e-3 * Extent(faces);
  std::vector<std::pair<double, double>> parts;
  for (const SpaceFace& f : faces) {
    double tIn = 0.0, tOut = 0.0, s0 = 0.0, s1 = 0.0;
    if (!f.hides || !Covered(a, b, f, projection, tIn, tOut, s0, s1)) continue;
    if (std::abs(s1) < 1e-12) {
      if (s0 <= eps) continue;
    } else {
      const double t = (eps - s0) / s1;
      if (s1 > 0.0)
        tIn = std::max(tIn, t);
      else
        tOut = std::min(tOut, t);
    }
    if (tOut - tIn > 1e-9) parts.emplace_back(tIn, tOut);
  }
  std::sort(parts.begin(), parts.end());
  std::vector<std::pair<double, double>> merged;
  for (const auto& p : parts) {
    if (!merged.empty() && p.first <= merged.back().second)
      merged.back().second = std::max(merged.back().second, p.second);
    else
      merged.push_back(p);
  }
  return merged;
}

bool IsHidden(Vec3 p, const std::vector<SpaceFace>& faces, const SpaceProjection& projection) {
  // A point is a segment of no length.
  const double eps = 1e-3 * Extent(faces);
  for (const SpaceFace& f : faces) {
    double tIn = 0.0, tOut = 0.0, s0 = 0.0, s1 = 0.0;
    if (f.hides && Covered(p, p, f, projection, tIn, tOut, s0, s1) && s0 > eps) return true;
  }
  return false;
}

}  // namespace drawing
