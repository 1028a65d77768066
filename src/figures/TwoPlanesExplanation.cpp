// Why two planes lie as they do, and why the line where they meet is of its type.
#include <optional>
#include <string>

#include "classify/TwoPlanes.h"
#include "figures/Explanations.h"
#include "scene/Incidence.h"
#include "scene/LineKinds.h"
#include "scene/PlaneGeometry.h"

namespace figures {

std::string TwoPlanesExplanation(const classify::SixPoints& points) {
  const scene::PlanesMeeting m = classify::MeetingOf(points);
  switch (m.relation) {
    case scene::PlanesRelation::kSecant:
      // A component of n1 x n2 is zero exactly when the traces on that plane of
      // projection are parallel (or missing).
      if (!m.direction.z.IsZero()) return "α1 y β1 se cortan en h: los planos son secantes.";
      if (!m.direction.y.IsZero()) return "α2 y β2 se cortan en v': los planos son secantes.";
      return "α3 y β3 se cortan en i'': los planos son secantes.";
    case scene::PlanesRelation::kParallel:
      return "Trazas de igual nombre paralelas y D fuera de α: planos paralelos.";
    case scene::PlanesRelation::kCoincident:
      return "D, E y F están en el plano de A, B y C: los planos son coincidentes.";
    default:
      return scene::PlaneThrough(points[0], points[1], points[2]).Defined()
                 ? "D, E y F están alineados: no definen un plano."
                 : "A, B y C están alineados: no definen un plano.";
  }
}

std::string IntersectionExplanation(const classify::SixPoints& points) {
  const scene::PlanesMeeting m = classify::MeetingOf(points);
  const std::optional<scene::LineKinds> kinds = scene::KindsOfIntersection(m);
  if (!kinds) return "";
  const scene::ExactPoint& on = m.H ? *m.H : (m.V ? *m.V : *m.profile);
  const std::string all = "Todos los puntos de i tienen ";
  switch (kinds->shown) {
    case scene::LineKind::kHorizontal:
      return all + "cota " + on.cota.DecimalCommaText() + ": i es horizontal.";
    case scene::LineKind::kFrontal:
      return all + "alejamiento " + on.alejamiento.DecimalCommaText() + ": i es frontal.";
    case scene::LineKind::kDePerfil:
      return all + "abscisa " + on.abscissa.DecimalCommaText() + ": i es de perfil.";
    case scene::LineKind::kParallelToGroundLine:
      return "i tiene cota " + on.cota.DecimalCommaText() + " y alejamiento " +
             on.alejamiento.DecimalCommaText() + " fijos: es paralela a L.T.";
    case scene::LineKind::kVertical:
      return "Los puntos de i solo difieren en cota: i es vertical.";
    case scene::LineKind::kDePunta:
      return "Los puntos de i solo difieren en alejamiento: i es de punta.";
    case scene::LineKind::kInH:
      return all + "cota 0: i está contenida en el H.";
    case scene::LineKind::kInV:
      return all + "alejamiento 0: i está contenida en el V.";
    case scene::LineKind::kInGroundLine:
      return "Los dos planos pasan por L.T.: i es la propia L.T.";
    case scene::LineKind::kCutsGroundLine:
      // Its point on L.T. has cota 0 and alejamiento 0: it is its trace H, or V when
      // i runs in H and has no single point there.
      return "i pasa por el punto de L.T. de abscisa " +
             (m.H ? *m.H : *m.V).abscissa.DecimalCommaText() + ": i corta a L.T.";
    default:
      return "Los puntos de i difieren en abscisa, alejamiento y cota: i es oblicua.";
  }
}

}  // namespace figures
