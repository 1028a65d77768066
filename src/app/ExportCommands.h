// The window's picture as a file, on the clipboard and on paper: the context-menu
// commands "Guardar imagen...", "Copiar imagen" and "Imprimir...".
#pragma once

#include <QString>

#include "app/UnitQuorvel.h"
#include "render/Render.h"

namespace app {

class PictureCommands : public CommandGroup {
 public:
  explicit PictureCommands(TQuorvel& window);

 private:
  void Save();
  void Copy();
  void Print();
  // Where the last save went, so the next dialog opens there.
  QString lastSavePath_;
};

// The scene the window holds, as an edit would draw it.
render::SceneSpec CurrentScene(const scene::Scene& scene);

// The file a save dialog's answer names: the extension decides the format when it
// is .png, .svg or .pdf; otherwise the filter does, and its extension is added.
QString SavePathFor(const QString& chosen, const QString& filter);

}  // namespace app
