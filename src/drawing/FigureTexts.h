// The step every edit ends with: store the edited point, draw the classification
// texts and the projections, write the debugging labels.
#pragma once

#include <cstdint>

#include "delgraph/delgraph.h"

namespace drawing {

void InfoUpdate();
void ShowPointInfo(std::int32_t abscissa, std::int32_t alejamiento, std::int32_t cota);
void ShowLineInfo();
// The last step of every information update: the hidden debugging labels from the
// edited point and the steps, and the pen the next profile frame starts with.
void FinishInfoUpdate();
// The style, colours and background of the panel's texts; returns the pen to put back.
delgraph::ColorValue BeginInfoText();

}  // namespace drawing
