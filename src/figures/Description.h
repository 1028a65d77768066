// A figure described for scripts, one JSON object on one line (UTF-8): "figura",
// "nombres", "códigos", then the keys of its kind.
#pragma once

#include <string>
#include <vector>

#include "figures/Kind.h"

namespace figures {

// text as a JSON string, quotes included: quote, backslash and control characters
// escaped, every other byte (UTF-8) kept.
std::string JsonString(const std::string& text);

// {"figura": "recta y plano", "nombres": [...], "códigos": [...], ...}.
std::string DescriptionJson(const Kind& kind, const FigurePoints& points);
// The same with "pasos" last: the sentences of the figure's construction, in order
// (an empty list for a figure with none).
std::string DescriptionJson(const Kind& kind, const FigurePoints& points,
                            const std::vector<std::string>& steps);

}  // namespace figures
