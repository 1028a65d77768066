#include "cli/PlaneOptions.h"

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

QString PlanePoints(const QString& option, const QString& value, const char* names,
                    DihedralPoint points[3]) {
  if (option == QLatin1String("plane")) {
    const QStringList parts = value.split(':');
    if (parts.size() != 3)
      return QStringLiteral("--plane: hacen falta tres puntos X,Y,Z:X,Y,Z:X,Y,Z y «%1» tiene %2")
          .arg(value)
          .arg(parts.size());
    for (int k = 0; k < 3; ++k) {
      const QString fault = ParsePlanePoint(parts[k], QString(QLatin1Char(names[k])), points[k]);
      if (!fault.isEmpty()) return fault;
    }
    return QString();
  }
  std::string fault;
  if (!scene::PointsOfIntercepts(value.toStdString(), points, &fault))
    return QStringLiteral("--plane-intercepts: ") + QString::fromStdString(fault);
  return QString();
}

}  // namespace cli
