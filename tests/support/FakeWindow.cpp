#include "support/FakeWindow.h"

void FakeWindow::PAClick() {
  ++paClicks;
  calls.push_back("PAClick");
  paCaption = paCaption == "A" ? "B" : "A";
  if (scene::SelectedA) {
    scene::SelectedA = false;
    scene::EditPoint = scene::PointB;
  } else {
    scene::SelectedA = true;
    scene::EditPoint = scene::PointA;
  }
}

void FakeWindow::ocultarbotones() {
  calls.push_back("ocultarbotones");
  buttonsVisible = false;
  comprobarVisible = true;
  listVisible = {};
  planeListVisible = false;
}

void FakeWindow::mostrarbotones() {
  calls.push_back("mostrarbotones");
  buttonsVisible = true;
  comprobarVisible = false;
  listVisible = {};
  planeListVisible = false;
  btestVisible = true;
}
