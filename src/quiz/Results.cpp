#include "quiz/Results.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "classify/Vocabulary.h"
#include "figures/Kind.h"
#include "figures/Names.h"
#include "quiz/Quiz.h"

namespace quiz {

namespace {

// The answer given and the names that counted as right, as the kind writes them.
std::string AnswerText(const ResultRecord& r) {
  return figures::KindOf(r.figure).AnswerText(r.answer);
}

std::string RightText(const ResultRecord& r) {
  figures::Exercise e;
  e.A = r.A;
  e.B = r.B;
  e.C = r.C;
  e.more = r.more;
  return figures::KindOf(r.figure).RightText(e, r.rightCodes, r.rightRelations);
}

scene::Figure FigureOf(classify::ConstructionKind kind) {
  switch (kind) {
    case classify::ConstructionKind::kLineTraces:
      return scene::Figure::kLine;
    case classify::ConstructionKind::kMissingProjection:
      return scene::Figure::kPointPlane;
    case classify::ConstructionKind::kLinePlane:
      return scene::Figure::kLinePlane;
    case classify::ConstructionKind::kTwoPlanes:
      break;
  }
  return scene::Figure::kTwoPlanes;
}

// A flat-view coordinate: whole, or with two decimals and a decimal comma.
std::string Unit(double v) {
  if (v == std::round(v)) return std::to_string(static_cast<long>(v));
  const long hundredths = std::lround(std::fabs(v) * 100.0);
  const std::string digits = std::to_string(hundredths % 100);
  return std::string(v < 0 ? "-" : "") + std::to_string(hundredths / 100) + "," +
         (digits.size() < 2 ? "0" : "") + digits;
}

std::string Place(const std::string& label, const std::optional<classify::FlatPoint>& p) {
  return p ? label + "=(" + Unit(p->x) + "," + Unit(p->y) + ")" : label + " no existe";
}

// "h=(12,-30) a 1,4 mm; v' no existe": each marker as put, and how far off.
std::string PlacedText(const ConstructionResult& c) {
  std::string text;
  for (std::size_t i = 0; i < c.markers.size() && i < c.placed.size(); ++i) {
    text += (i == 0 ? "" : "; ") + Place(c.markers[i].label, c.placed[i]);
    if (c.placed[i] && c.markers[i].exact && i < c.verdicts.size())
      text += " a " + classify::Millimetres(c.verdicts[i].distance, true);
  }
  return text;
}

std::string ExactText(const ConstructionResult& c) {
  std::string text;
  for (std::size_t i = 0; i < c.markers.size(); ++i)
    text += (i == 0 ? "" : "; ") + Place(c.markers[i].label, c.markers[i].exact);
  return text;
}

std::string CsvField(const std::string& field) {
  if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string Coordinates(const char* letter, const DihedralPoint& p) {
  return std::string(letter) + "=(" + std::to_string(p.abscissa) + "," +
         std::to_string(p.alejamiento) + "," + std::to_string(p.cota) + ")";
}

std::string LocationName(std::int32_t code) {
  return figures::NameOf(classify::kLocations, code, "");
}
std::string TypeName(std::int32_t code) {
  return figures::NameOf(classify::kLineTypes, code, "");
}
std::string RelationName(std::int32_t code) {
  return figures::NameOf(classify::kLineRelations, code, "");
}
std::string PlaneTypeName(std::int32_t code) {
  return figures::NameOf(classify::kPlaneTypes, code, "");
}

std::string FigureCoordinates(scene::Figure figure, const figures::FigurePoints& points) {
  const figures::Kind& kind = figures::KindOf(figure);
  std::string text;
  for (std::size_t k = 0; k < kind.PointCount() && k < points.size(); ++k) {
    const char letter[2] = {kind.PointNames()[k], '\0'};
    text += (k == 0 ? "" : " ") + Coordinates(letter, points[k]);
  }
  return text;
}

void RecordResult(Quiz& quiz, const Exercise& e, const Answer& a, bool right, bool detailed) {
  ResultRecord r;
  r.number = static_cast<std::int32_t>(quiz.Results.size()) + 1;
  r.figure = e.figure;
  r.A = e.A;
  r.B = e.B;
  r.answer = a;
  r.C = e.C;
  r.more = e.more;
  figures::KindOf(e.figure).RightCodes(e, detailed, r.rightCodes, r.rightRelations);
  r.right = right;
  quiz.Results.push_back(r);
}

void RecordConstructionResult(Quiz& quiz, const ConstructionResult& result, bool right) {
  ResultRecord r;
  r.number = static_cast<std::int32_t>(quiz.Results.size()) + 1;
  r.figure = FigureOf(result.kind);
  r.A = result.points[0];
  r.B = result.points[1];
  r.C = result.points[2];
  r.more = {result.points[3], result.points[4], result.points[5]};
  r.right = right;
  r.construction = result;
  quiz.Results.push_back(r);
}

std::vector<std::vector<std::string>> ResultsTable(const Quiz& quiz) {
  std::vector<std::vector<std::string>> table;
  table.push_back(
      {"Nº", "Ejercicio", "Coordenadas", "Respuesta", "Respuestas correctas", "Resultado"});
  for (const ResultRecord& r : quiz.Results) {
    if (r.construction) {
      const ConstructionResult& c = *r.construction;
      table.push_back(
          {std::to_string(r.number), classify::ConstructionTitle(c.kind),
           FigureCoordinates(r.figure, {r.A, r.B, r.C, r.more[0], r.more[1], r.more[2]}),
           PlacedText(c), ExactText(c), r.right ? "Correcto" : "Incorrecto"});
      continue;
    }
    table.push_back({std::to_string(r.number), figures::KindOf(r.figure).Word(),
                     FigureCoordinates(r.figure, {r.A, r.B, r.C, r.more[0], r.more[1], r.more[2]}),
                     AnswerText(r), RightText(r), r.right ? "Correcto" : "Incorrecto"});
  }
  return table;
}

std::string ResultsCsv(const Quiz& quiz) {
  // The byte-order mark and ";" are what a spreadsheet set to Spanish needs to
  // read UTF-8 and to split the columns.
  std::string csv = "\xEF\xBB\xBF";
  for (const auto& row : ResultsTable(quiz)) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) csv += ';';
      csv += CsvField(row[i]);
    }
    csv += "\r\n";
  }
  return csv;
}

void ResetScore(Quiz& quiz) {
  quiz.TestHits = 0;
  quiz.TestMisses = 0;
  quiz.Results.clear();
}

}  // namespace quiz
