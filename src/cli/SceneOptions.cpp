#include "cli/SceneOptions.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "cli/PlaneOptions.h"

namespace cli {

namespace {

// "X,Y,Z" as a point; otherwise a message naming the fault.
std::optional<DihedralPoint> ParsePoint(const QString& text, const QString& option,
                                        QString* fault) {
  const QStringList parts = text.split(',');
  if (parts.size() != 3) {
    *fault = QStringLiteral("%1: hacen falta 3 coordenadas (X,Y,Z) y «%2» tiene %3")
                 .arg(option, text)
                 .arg(parts.size());
    return std::nullopt;
  }
  std::int32_t v[3];
  for (int k = 0; k < 3; ++k) {
    bool ok = false;
    v[k] = parts[k].trimmed().toInt(&ok, 10);
    if (!ok) {
      *fault = QStringLiteral("%1: «%2» %3").arg(option, parts[k], CoordinateFault(parts[k]));
      return std::nullopt;
    }
  }
  return DihedralPoint{v[0], v[1], v[2]};
}

// Each plane option with its value, in the order typed: the first is ABC.
std::vector<std::pair<QString, QString>> PlanesTyped(const QCommandLineParser& parser) {
  std::vector<std::pair<QString, QString>> planes;
  const QStringList threePoints = parser.values("plane");
  const QStringList intercepts = parser.values("plane-intercepts");
  int taken[2] = {0, 0};
  for (const QString& name : parser.optionNames()) {
    if (name == QLatin1String("plane") && taken[0] < threePoints.size())
      planes.emplace_back(name, threePoints[taken[0]++]);
    else if (name == QLatin1String("plane-intercepts") && taken[1] < intercepts.size())
      planes.emplace_back(name, intercepts[taken[1]++]);
  }
  return planes;
}

QString Letter(const figures::Kind& kind, std::size_t slot) {
  return QString(QLatin1Char(kind.PointNames()[slot]));
}

}  // namespace

const figures::Kind* ReadScene(const QCommandLineParser& parser, render::SceneSpec& picture,
                               QString* fault) {
  const QStringList points = parser.values("point"), lines = parser.values("line");
  const std::vector<std::pair<QString, QString>> planes = PlanesTyped(parser);
  const figures::Kind* kind =
      figures::KindWithShape({static_cast<int>(points.size()), static_cast<int>(lines.size()),
                              static_cast<int>(planes.size())});
  if (kind == nullptr) {
    if (!points.isEmpty() && !lines.isEmpty())
      *fault = QStringLiteral("dé --point o --line, no las dos");
    else if (points.isEmpty() && lines.isEmpty() && planes.empty())
      *fault = QStringLiteral(
          "falta la escena: dé --point X,Y,Z, --line=X,Y,Z:X,Y,Z o --plane=X,Y,Z:X,Y,Z:X,Y,Z");
    else if (planes.size() > 2)
      *fault = QStringLiteral("dé a lo sumo dos planos (--plane o --plane-intercepts)");
    else
      *fault = QStringLiteral("dé una sola escena: --point, --line o un plano");
    return nullptr;
  }

  figures::FigurePoints p{};
  std::size_t slot = 0;
  for (const auto& plane : planes) {
    *fault = PlanePoints(plane.first, plane.second, kind->PointNames() + slot, &p[slot]);
    if (!fault->isEmpty()) return nullptr;
    slot += 3;
  }
  if (!points.isEmpty()) {
    const auto P = ParsePoint(points[0], "--point", fault);
    if (!P) return nullptr;
    p[slot] = *P;
  } else if (!lines.isEmpty()) {
    const QStringList ends = lines[0].split(':');
    if (ends.size() != 2) {
      *fault = QStringLiteral("--line: hacen falta dos extremos X,Y,Z:X,Y,Z y «%1» tiene %2")
                   .arg(lines[0])
                   .arg(ends.size());
      return nullptr;
    }
    for (std::size_t k = 0; k < 2; ++k) {
      const QString option = QStringLiteral("--line (%1)").arg(Letter(*kind, slot + k));
      const auto end = ParsePoint(ends[static_cast<int>(k)], option, fault);
      if (!end) return nullptr;
      p[slot + k] = *end;
    }
  }

  picture.figure = kind->Figure();
  picture.A = p[0];
  // A point is drawn as the line from A to itself.
  picture.B = kind->PointCount() > 1 ? p[1] : p[0];
  if (kind->PointCount() > 2) picture.C = p[2];
  picture.D = p[3];
  picture.E = p[4];
  picture.F = p[5];
  return kind;
}

figures::FigurePoints PointsOf(const render::SceneSpec& picture) {
  return {picture.A, picture.B, picture.C, picture.D, picture.E, picture.F};
}

}  // namespace cli
