#include "figures/Description.h"

#include <cctype>
#include <cstdio>

namespace figures {

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(u));
      json += escape;
    } else {
      json += c;
    }
  }
  return json + '"';
}

namespace {

// A name without the blanks that place it on the panel: " / AL H,V Y L.T. ".
std::string Trimmed(const std::string& name) {
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string DescriptionJson(const Kind& kind, const FigurePoints& points) {
  const Description d = kind.Describe(points);
  // The results' word in lower case: "Recta y plano" is "recta y plano".
  std::string figure = kind.Word();
  for (char& c : figure) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string json = "{\"figura\": " + JsonString(figure) + ", \"nombres\": [";
  for (std::size_t k = 0; k < d.names.size(); ++k)
    json += (k > 0 ? ", " : "") + JsonString(Trimmed(d.names[k]));
  json += "], \"códigos\": [";
  for (std::size_t k = 0; k < d.codes.size(); ++k)
    json += (k > 0 ? ", " : "") + std::to_string(d.codes[k]);
  json += ']';
  for (const auto& field : d.fields) json += ", " + JsonString(field.first) + ": " + field.second;
  return json + '}';
}

std::string DescriptionJson(const Kind& kind, const FigurePoints& points,
                            const std::vector<std::string>& steps) {
  std::string json = DescriptionJson(kind, points);
  json.pop_back();  // its closing brace
  json += ", \"pasos\": [";
  for (std::size_t k = 0; k < steps.size(); ++k) json += (k > 0 ? ", " : "") + JsonString(steps[k]);
  return json + "]}";
}

}  // namespace figures
