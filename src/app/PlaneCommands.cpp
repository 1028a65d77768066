#include "app/PlaneCommands.h"

#include <QAction>
#include <QPalette>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/CommandTable.h"
#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "drawing/Painter.h"
#include "figures/Kind.h"
#include "quiz/TwoPlanesExercise.h"
#include "scene/PlaneGeometry.h"
#include "scene/Scene.h"

namespace app {

namespace {

struct FigureEntry {
  scene::Figure figure;
  const char* name;
};
constexpr FigureEntry kFigureEntries[] = {{scene::Figure::kPlane, "PlanoPorTresPuntos"},
                                          {scene::Figure::kPointPlane, "PuntoYPlano"},
                                          {scene::Figure::kLinePlane, "RectaYPlano"},
                                          {scene::Figure::kTwoPlanes, "DosPlanos"}};

using scene::Int128;

Int128 Dot(const scene::PlaneEquation& p, Int128 x, Int128 y, Int128 z) {
  return p.nx * x + p.ny * y + p.nz * z;
}

bool Small(const DihedralPoint& P) {
  constexpr std::int32_t kLimit = 1000000;
  return std::abs(P.abscissa) <= kLimit && std::abs(P.alejamiento) <= kLimit &&
         std::abs(P.cota) <= kLimit;
}

// A whole point of the plane as near its triangle's centre as a few units allow: the
// two coordinates across its steepest normal component are tried around the centre
// and the third solved exactly. A when none is whole, ABC is no plane, or its points
// lie past the window's reach (where 128 bits might not hold the products).
DihedralPoint PointNearCentre(const DihedralPoint& A, const DihedralPoint& B,
                              const DihedralPoint& C) {
  const scene::PlaneEquation p = scene::PlaneThrough(A, B, C);
  if (!p.Defined() || !Small(A) || !Small(B) || !Small(C)) return A;
  const std::int64_t centre[3] = {(std::int64_t{A.abscissa} + B.abscissa + C.abscissa) / 3,
                                  (std::int64_t{A.alejamiento} + B.alejamiento + C.alejamiento) / 3,
                                  (std::int64_t{A.cota} + B.cota + C.cota) / 3};
  const Int128 n[3] = {p.nx, p.ny, p.nz};
  const auto size = [](Int128 v) { return v < 0 ? -v : v; };
  int solved = 2;
  for (int k = 0; k < 3; ++k)
    if (size(n[k]) > size(n[solved])) solved = k;
  const int u = (solved + 1) % 3, v = (solved + 2) % 3;
  for (std::int64_t r = 0; r <= 12; ++r)
    for (std::int64_t du = -r; du <= r; ++du)
      for (std::int64_t dv = -r; dv <= r; ++dv) {
        if (std::llabs(du) != r && std::llabs(dv) != r) continue;  // the ring of radius r
        Int128 q[3];
        q[u] = centre[u] + du;
        q[v] = centre[v] + dv;
        q[solved] = 0;
        const Int128 rest = p.d - Dot(p, q[0], q[1], q[2]);
        if (rest % n[solved] != 0) continue;
        q[solved] = rest / n[solved];
        if (size(q[solved]) > 2000000) continue;
        return {static_cast<std::int32_t>(q[0]), static_cast<std::int32_t>(q[1]),
                static_cast<std::int32_t>(q[2])};
      }
  return A;
}

}  // namespace

PlaneCommands::PlaneCommands(TQuorvel& window) : CommandGroup(window) {
  setObjectName(QStringLiteral("PlaneCommands"));
  for (const FigureEntry& f : kFigureEntries)
    entries_.push_back({f.figure, MakeCommand(window, f.name), false});
  for (Entry& entry : entries_) {
    entry.action->setChecked(window.Scene().figure == entry.figure);
    window.AddCommand(entry.action, [this, &entry] { Toggled(entry, entry.action->isChecked()); });
  }
  const struct {
    const char* name;
    bool scene::Scene::*flag;
  } views[] = {{"MostrarConstruccion", &scene::Scene::ConstructionOn},
               {"RectasNotables", &scene::Scene::NotableOn}};
  for (const auto& view : views) {
    QAction* action = MakeCommand(window, view.name);
    bool& flag = window.Scene().*view.flag;
    action->setChecked(flag);
    window.AddCommand(action, [this, action, &flag] { ViewToggled(flag, action->isChecked()); });
  }
}

PlaneCommands* PlaneCommands::Of(const QObject& window) {
  return window.findChild<PlaneCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

void PlaneCommands::Select(bool a, bool c, const QString& caption) {
  window_.Scene().SelectedA = a;
  window_.Scene().SelectedC = c;
  window_.Scene().EditPoint = c   ? window_.Scene().PointC
                              : a ? window_.Scene().PointA
                                  : window_.Scene().PointB;
  window_.SetPACaption(caption.toStdString());
}

void PlaneCommands::SelectIndex(int index) {
  scene::Scene& scene = window_.Scene();
  scene.Selected = index;
  scene.SelectedA = index == 0;
  scene.SelectedC = false;
  scene.EditPoint = scene.Point(index);
  const char* names = figures::KindOf(scene.figure).PointNames();
  window_.SetPACaption(std::string(1, names[index]));
}

void PlaneCommands::PlaceStartPoints(scene::Figure figure) {
  scene::Scene& scene = window_.Scene();
  const DihedralPoint &A = scene.PointA, &B = scene.PointB, &C = scene.PointC;
  const DihedralPoint centre = PointNearCentre(A, B, C);
  if (figure == scene::Figure::kPointPlane) {
    scene.PointD = centre;
  } else if (figure == scene::Figure::kLinePlane) {
    // Through the centre, across the plane: the first of a few readable slopes that
    // is not parallel to it.
    const scene::PlaneEquation p = scene::PlaneThrough(A, B, C);
    const std::array<DihedralPoint, 3> slopes{{{40, 10, 30}, {40, 30, -10}, {10, 40, 30}}};
    DihedralPoint w = slopes[0];
    for (const DihedralPoint& s : slopes)
      if (!p.Defined() || Dot(p, s.abscissa, s.alejamiento, s.cota) != 0) {
        w = s;
        break;
      }
    const auto moved = [&](int sign) {
      return DihedralPoint{
          scene::Saturate32(std::int64_t{centre.abscissa} + sign * w.abscissa),
          scene::Saturate32(std::int64_t{centre.alejamiento} + sign * w.alejamiento),
          scene::Saturate32(std::int64_t{centre.cota} + sign * w.cota)};
    };
    scene.PointD = moved(-1);
    scene.PointE = moved(1);
  } else if (figure == scene::Figure::kTwoPlanes) {
    const std::array<DihedralPoint, 3> def = quiz::CrossingTriangle(A, B, C);
    scene.PointD = def[0];
    scene.PointE = def[1];
    scene.PointF = def[2];
  }
}

void PlaneCommands::Toggled(Entry& entry, bool on) {
  scene::Scene& scene = window_.Scene();
  if (on == (scene.figure == entry.figure)) return;
  // The exercise is judged as set; a plane would hide it, and a plane exercise
  // needs its plane.
  if (scene.AnswerHidden) {
    window_.Dialogs().ShowError(
        &window_,
        on ? QStringLiteral(
                 "Mientras un ejercicio espera su respuesta no se puede pasar a un plano.")
           : QStringLiteral(
                 "Mientras un ejercicio espera su respuesta no se puede salir del plano."));
    const QSignalBlocker quiet(entry.action);
    entry.action->setChecked(!on);
    return;
  }
  const int was = scene.EditedIndex();
  const DihedralPoint edit = scene.EditPoint;
  const bool fromMore = scene.HasMorePoints();
  scene.figure = on ? entry.figure : scene::Figure::kLine;
  FollowScene();
  if (on && entry.figure != scene::Figure::kPlane && !entry.placed) {
    // A, B or C being edited is where the controls show it, which on the splash is
    // not stored yet; the new points are placed from there.
    if (was <= 2) scene.Point(was) = edit;
    PlaceStartPoints(entry.figure);
    entry.placed = true;
  }
  if (scene.HasMorePoints()) {
    // The point being edited stays so when the new figure has it; otherwise A.
    const int count = static_cast<int>(figures::KindOf(scene.figure).PointCount());
    SelectIndex(was < count ? was : 0);
    if (was < count) scene.EditPoint = edit;
  } else if (fromMore) {
    // Back to a plane or a line from more points: A, B or C as before, else A.
    const int keep = was <= (scene.IsPlane() ? 2 : 1) ? was : 0;
    Select(keep == 0, keep == 2, QString(QLatin1Char("ABC"[keep])));
    if (keep == was) scene.EditPoint = edit;
  } else if (on || scene.SelectedC) {
    // Plane mode starts on A; leaving it from C goes back to A. An A already being
    // edited keeps its edit: on the splash, the point it shows is not stored yet.
    const bool onA = scene.SelectedA && !scene.SelectedC;
    Select(true, false, QStringLiteral("A"));
    if (onA) scene.EditPoint = edit;
  }
  // On the splash too: the plane is drawn at once, as the first edit draws it.
  if (!window_.Activated()) return;
  window_.EditCoordinate([] {});
}

void PlaneCommands::ViewToggled(bool& flag, bool on) {
  flag = on;
  // Only the figures with a plane draw them; before the first picture the splash stays.
  if (!window_.Scene().HasPlane() || window_.Scene().AnswerHidden) return;
  if (window_.Activated() && window_.splashText->isHidden()) window_.EditCoordinate([] {});
}

bool PlaneCommands::SelectNext() {
  scene::Scene& scene = window_.Scene();
  if (!scene.HasPlane()) return false;
  QPalette p = window_.endPointButton->palette();
  p.setColor(QPalette::ButtonText, QColor(255, 0, 0));
  p.setColor(QPalette::WindowText, QColor(255, 0, 0));
  window_.endPointButton->setPalette(p);
  if (scene.HasMorePoints()) {
    const int count = static_cast<int>(figures::KindOf(scene.figure).PointCount());
    SelectIndex((scene.Selected + 1) % count);
  } else if (scene.SelectedC) {
    Select(true, false, QStringLiteral("A"));
  } else if (scene.SelectedA) {
    Select(false, false, QStringLiteral("B"));
  } else {
    Select(false, true, QStringLiteral("C"));
  }
  figures::InfoUpdate(window_.Painter(), scene);
  return true;
}

bool PlaneCommands::LeaveForLine() {
  scene::Scene& scene = window_.Scene();
  if (!scene.HasPlane()) return false;
  const int was = scene.EditedIndex();
  scene.figure = scene::Figure::kLine;
  FollowScene();
  if (was > 1) Select(true, false, QStringLiteral("A"));
  return true;
}

void PlaneCommands::FollowScene() {
  for (Entry& entry : entries_) {
    const QSignalBlocker quiet(entry.action);
    entry.action->setChecked(window_.Scene().figure == entry.figure);
  }
}

}  // namespace app
