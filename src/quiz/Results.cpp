#include "quiz/Results.h"

#include <array>
#include <cstddef>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/Vocabulary.h"
#include "quiz/Quiz.h"

namespace quiz {

namespace {

using classify::kLineRelations;
using classify::kLineTypes;
using classify::kLocations;

constexpr std::int32_t kPlaneHOrV = 9;

template <std::size_t N, typename Row>
std::string NameOf(const std::array<Row, N>& table, std::int32_t code, const char* none) {
  const char* name = classify::ResultNameOf(table, code);
  return name ? name : none;
}

// The names of the codes, joined by " o "; codes without a name (-1: no relation)
// are left out.
template <std::size_t N, typename Row>
std::string Alternatives(const std::array<Row, N>& table, const std::vector<std::int32_t>& codes) {
  std::string text;
  for (std::int32_t code : codes) {
    const char* name = classify::ResultNameOf(table, code);
    if (name == nullptr) continue;
    if (!text.empty()) text += " o ";
    text += name;
  }
  return text;
}

// A plane's right names: code 9 as the classification names the plane (H or V).
std::string PlaneRightText(const ResultRecord& r) {
  const std::string exact = classify::PlaneType(r.A, r.B, r.C).text;
  std::string text;
  for (std::int32_t code : r.rightCodes) {
    const char* name = classify::ResultNameOf(classify::kPlaneTypes, code);
    if (name == nullptr) continue;
    if (!text.empty()) text += " o ";
    text += code == kPlaneHOrV ? exact : name;
  }
  return text;
}

std::string AnswerText(const ResultRecord& r) {
  if (r.figure == scene::Figure::kPlane)
    return NameOf(classify::kPlaneTypes, r.answer.chosen, "sin tipo");
  if (r.figure == scene::Figure::kPoint)
    return NameOf(kLocations, r.answer.chosen, "sin respuesta");
  const std::string type = NameOf(kLineTypes, r.answer.chosen, "sin tipo");
  if (r.answer.chosen == classify::kSinglePointType) return type;
  return type + "; " + NameOf(kLineRelations, r.answer.relation, "sin relación");
}

std::string RightText(const ResultRecord& r) {
  if (r.figure == scene::Figure::kPlane) return PlaneRightText(r);
  if (r.figure == scene::Figure::kPoint) return Alternatives(kLocations, r.rightCodes);
  const std::string relations = Alternatives(kLineRelations, r.rightRelations);
  const std::string types = Alternatives(kLineTypes, r.rightCodes);
  return relations.empty() ? types : types + "; " + relations;
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
  return NameOf(kLocations, code, "");
}
std::string TypeName(std::int32_t code) {
  return NameOf(kLineTypes, code, "");
}
std::string RelationName(std::int32_t code) {
  return NameOf(kLineRelations, code, "");
}
std::string PlaneTypeName(std::int32_t code) {
  return NameOf(classify::kPlaneTypes, code, "");
}

void RecordResult(Quiz& quiz, const Exercise& e, const Answer& a, bool right, bool detailed) {
  ResultRecord r;
  r.number = static_cast<std::int32_t>(quiz.Results.size()) + 1;
  r.figure = e.figure;
  r.A = e.A;
  r.B = e.B;
  r.answer = a;
  r.C = e.C;
  if (e.figure == scene::Figure::kPoint) {
    r.rightCodes = {e.classCode};
  } else if (detailed) {
    r.rightCodes = e.trueTypes;
    r.rightRelations = e.trueRelations;
  } else {
    r.rightCodes = {e.classCode};
    if (e.figure != scene::Figure::kPlane) r.rightRelations = {e.relationCode};
  }
  r.right = right;
  quiz.Results.push_back(r);
}

std::vector<std::vector<std::string>> ResultsTable(const Quiz& quiz) {
  std::vector<std::vector<std::string>> table;
  table.push_back(
      {"Nº", "Ejercicio", "Coordenadas", "Respuesta", "Respuestas correctas", "Resultado"});
  for (const ResultRecord& r : quiz.Results) {
    std::string coordinates = r.figure == scene::Figure::kPoint
                                  ? Coordinates("A", r.A)
                                  : Coordinates("A", r.A) + " " + Coordinates("B", r.B);
    if (r.figure == scene::Figure::kPlane) coordinates += " " + Coordinates("C", r.C);
    const char* kind = r.figure == scene::Figure::kPlane   ? "Plano"
                       : r.figure == scene::Figure::kPoint ? "Punto"
                                                           : "Recta";
    table.push_back({std::to_string(r.number), kind, coordinates, AnswerText(r), RightText(r),
                     r.right ? "Correcto" : "Incorrecto"});
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
