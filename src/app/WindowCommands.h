// The window's commands beyond its layout: the keys that press its buttons, the
// "Coordenadas..." dialog, and the help window that lists them all.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "scene/Scene.h"

class QWidget;
class TQuorvel;

namespace app {

// One row of the help window's table of keys.
struct KeyRow {
  QString key;
  QString action;
};

// The keys that press the window's buttons, in the order the help lists them.
const std::vector<KeyRow>& ButtonKeys();

// What the "Coordenadas..." dialog edits: A, and B in line mode.
struct CoordinatesInput {
  DihedralPoint a;
  DihedralPoint b;
  bool line = false;
};

// Asks for the coordinates; false when the user cancels. The default is a modal
// dialog over the parent; tests install their own. An empty function restores it.
using CoordinatesPrompt = std::function<bool(QWidget* parent, CoordinatesInput& io)>;
void SetCoordinatesPrompt(CoordinatesPrompt prompt);

// The help window's text for a window: the guide, the keys and the commands of
// its context menu as they stand now.
QString HelpHtml(const TQuorvel& window);

}  // namespace app
