// The step every edit ends with: store the edited point, draw the classification
// texts and the projections, write the debugging labels.
#pragma once

#include <cstdint>

#include "drawing/Painter.h"

namespace drawing {

void InfoUpdate(drawing::Painter& painter);
void ShowPointInfo(drawing::Painter& painter, std::int32_t abscissa, std::int32_t alejamiento,
                   std::int32_t cota);
void ShowLineInfo(drawing::Painter& painter);
// The last step of every information update: the hidden debugging labels from the
// edited point and the steps, and the pen the next profile frame starts with.
void FinishInfoUpdate(drawing::Painter& painter);
// The style, colours and background of the panel's texts; returns the pen to put back.
delgraph::ColorValue BeginInfoText(drawing::Painter& painter);

}  // namespace drawing
