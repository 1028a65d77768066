#include "cli/PlaneOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>
#include <cstdint>
#include <string>

#include "scene/PlaneIntercepts.h"

namespace cli {

namespace {

QString ParsePlanePoint(const QString& text, const QString& which, DihedralPoint& p) {
  const QStringList parts = text.split(',');
  if (parts.size() != 3)
    return QStringLiteral("--plane (%1): hacen falta 3 coordenadas (X,Y,Z) y «%2» tiene %3")
        .arg(which, text)
        .arg(parts.size());
  std::int32_t v[3];
  for (int k = 0; k < 3; ++k) {
    bool ok = false;
    v[k] = parts[k].trimmed().toInt(&ok, 10);
    if (!ok)
      return QStringLiteral("--plane (%1): «%2» %3")
          .arg(which, parts[k], CoordinateFault(parts[k]));
  }
  p = {v[0], v[1], v[2]};
  return QString();
}

}  // namespace

QString CoordinateFault(const QString& text) {
  static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
  if (integer.match(text.trimmed()).hasMatch())
    return QStringLiteral("está fuera de rango: de -2147483648 a 2147483647");
  return QStringLiteral("no es un número entero");
}

bool PlaneAsked(const QCommandLineParser& parser) {
  return parser.isSet("plane") || parser.isSet("plane-intercepts");
}

QString PlaneFromOptions(const QCommandLineParser& parser, render::SceneSpec& picture) {
  if (parser.isSet("plane") && parser.isSet("plane-intercepts"))
    return QStringLiteral("dé --plane o --plane-intercepts, no las dos");
  DihedralPoint points[3];
  if (parser.isSet("plane")) {
    const QString text = parser.value("plane");
    const QStringList parts = text.split(':');
    if (parts.size() != 3)
      return QStringLiteral("--plane: hacen falta tres puntos X,Y,Z:X,Y,Z:X,Y,Z y «%1» tiene %2")
          .arg(text)
          .arg(parts.size());
    const char* names[3] = {"A", "B", "C"};
    for (int k = 0; k < 3; ++k) {
      const QString fault = ParsePlanePoint(parts[k], QLatin1String(names[k]), points[k]);
      if (!fault.isEmpty()) return fault;
    }
  } else {
    std::string fault;
    if (!scene::PointsOfIntercepts(parser.value("plane-intercepts").toStdString(), points, &fault))
      return QStringLiteral("--plane-intercepts: ") + QString::fromStdString(fault);
  }
  picture.figure = scene::Figure::kPlane;
  picture.A = points[0];
  picture.B = points[1];
  picture.C = points[2];
  return QString();
}

}  // namespace cli
