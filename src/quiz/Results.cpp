#include "quiz/Results.h"

#include <array>
#include <cstddef>

namespace quiz {

std::vector<ResultRecord> Results;

namespace {

// The names of the answer lists, without their numbers and filling blanks; one
// row per code from 1.
constexpr std::array<const char*, 9> kLocationNames = {{
    "PRIMER CUADRANTE",
    "SEGUNDO CUADRANTE",
    "TERCER CUADRANTE",
    "CUARTO CUADRANTE",
    "PLANO H. ANTERIOR",
    "PLANO H. POSTERIOR",
    "PLANO V. SUPERIOR",
    "PLANO V. INFERIOR",
    "LINEA DE TIERRA",
}};
constexpr std::array<const char*, 10> kTypeNames = {{
    "HORIZONTAL",
    "FRONTAL",
    "VERTICAL",
    "DE PUNTA",
    "DE PERFIL",
    "OBLICUA",
    "PARALELA A L.T.",
    "QUE CORTA A L.T.",
    "ES UN PUNTO",
    "CONTENIDA",
}};
constexpr std::array<const char*, 11> kRelationNames = {{
    "/ AL H = AL V.",
    "= AL H, V Y L.T.",
    "= AL H / AL V.",
    "/ AL H Y AL V.",
    "= AL H Y T AL V",
    "/ AL H, V T A L.T.",
    "UN PUNTO EN L.T.",
    "T AL H. = AL V.",
    "CONTENIDA EN EL H",
    "CONTENIDA EN EL V",
    "CONTENIDA EN L.T.",
}};

template <std::size_t N>
std::string NameOf(const std::array<const char*, N>& names, std::int32_t code, const char* none) {
  if (code < 1 || static_cast<std::size_t>(code) > N) return none;
  return names[static_cast<std::size_t>(code - 1)];
}

template <std::size_t N>
std::string Alternatives(const std::array<const char*, N>& names,
                         const std::vector<std::int32_t>& codes) {
  std::string text;
  for (std::int32_t code : codes) {
    if (code < 1 || static_cast<std::size_t>(code) > N) continue;  // -1: no relation to name
    if (!text.empty()) text += " o ";
    text += names[static_cast<std::size_t>(code - 1)];
  }
  return text;
}

std::string Coordinates(const char* letter, const DihedralPoint& p) {
  return std::string(letter) + "=(" + std::to_string(p.abscissa) + "," +
         std::to_string(p.alejamiento) + "," + std::to_string(p.cota) + ")";
}

constexpr std::int32_t kSinglePointType = 9;

std::string AnswerText(const ResultRecord& r) {
  if (r.pointMode) return NameOf(kLocationNames, r.answer.chosen, "sin respuesta");
  const std::string type = NameOf(kTypeNames, r.answer.chosen, "sin tipo");
  if (r.answer.chosen == kSinglePointType) return type;
  return type + "; " + NameOf(kRelationNames, r.answer.relation, "sin relación");
}

std::string RightText(const ResultRecord& r) {
  if (r.pointMode) return Alternatives(kLocationNames, r.rightCodes);
  const std::string relations = Alternatives(kRelationNames, r.rightRelations);
  const std::string types = Alternatives(kTypeNames, r.rightCodes);
  return relations.empty() ? types : types + "; " + relations;
}

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string LocationName(std::int32_t code) {
  return NameOf(kLocationNames, code, "");
}
std::string TypeName(std::int32_t code) {
  return NameOf(kTypeNames, code, "");
}
std::string RelationName(std::int32_t code) {
  return NameOf(kRelationNames, code, "");
}

void RecordResult(const Exercise& e, const Answer& a, bool right, bool detailed) {
  ResultRecord r;
  r.number = static_cast<std::int32_t>(Results.size()) + 1;
  r.pointMode = e.pointMode;
  r.A = e.A;
  r.B = e.B;
  r.answer = a;
  if (e.pointMode) {
    r.rightCodes = {e.classCode};
  } else if (detailed) {
    r.rightCodes = e.trueTypes;
    r.rightRelations = e.trueRelations;
  } else {
    r.rightCodes = {e.classCode};
    r.rightRelations = {e.relationCode};
  }
  r.right = right;
  Results.push_back(r);
}

std::vector<std::vector<std::string>> ResultsTable() {
  std::vector<std::vector<std::string>> table;
  table.push_back(
      {"Nº", "Ejercicio", "Coordenadas", "Respuesta", "Respuestas correctas", "Resultado"});
  for (const ResultRecord& r : Results) {
    const std::string coordinates =
        r.pointMode ? Coordinates("A", r.A) : Coordinates("A", r.A) + " " + Coordinates("B", r.B);
    table.push_back({std::to_string(r.number), r.pointMode ? "Punto" : "Recta", coordinates,
                     AnswerText(r), RightText(r), r.right ? "Correcto" : "Incorrecto"});
  }
  return table;
}

std::string ResultsCsv() {
  std::string csv;
  for (const auto& row : ResultsTable()) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) csv += ',';
      csv += CsvField(row[i]);
    }
    csv += "\r\n";
  }
  return csv;
}

void ResetScore() {
  scene::TestHits = 0;
  scene::TestMisses = 0;
  Results.clear();
}

}  // namespace quiz
