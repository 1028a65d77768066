// The step every edit ends with: store the edited point, draw the classification
// texts and the projections, write the debugging labels.
#pragma once

#include <cstdint>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// The panel's texts, a figure's and a plane's alike: colour, background, size, the
// column they start at and the line of the type.
constexpr std::int32_t kTextColour = 13;  // light magenta
constexpr std::int32_t kTextBackground = 0;
constexpr std::uint16_t kTextSize = 18;
constexpr std::int32_t kTextX = 570;
constexpr std::int32_t kTypeY = 355;

// The edit of a point or a line drawn: the edited point stored into A (or B), the
// texts and the projections; what the window must show goes to the painter's
// ForWindow. A plane's is PlaneInfoUpdate (PlaneTexts.h).
void PointInfoUpdate(drawing::Painter& painter, scene::Scene& scene);
void LineInfoUpdate(drawing::Painter& painter, scene::Scene& scene);
// A point's texts are A's.
void ShowPointInfo(drawing::Painter& painter, const scene::Scene& scene);
void ShowLineInfo(drawing::Painter& painter, const scene::Scene& scene);
// The last step of every information update: the hidden debugging labels from the
// edited point and the steps, and the pen the next profile frame starts with.
void FinishInfoUpdate(drawing::Painter& painter, const scene::Scene& scene);
// The style, colours and background of the panel's texts; returns the pen to put back.
delgraph::ColorValue BeginInfoText(drawing::Painter& painter);

}  // namespace drawing
