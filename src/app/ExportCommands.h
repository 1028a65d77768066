// The window's picture as a file, on the clipboard and on paper: the context-menu
// commands "Guardar imagen...", "Copiar imagen" and "Imprimir...", with the
// dialogs they ask through, which tests replace so that nothing blocks.
#pragma once

#include <QString>
#include <functional>

#include "render/Render.h"

class QPrinter;
class QWidget;

namespace app {

// Asks where to save: the path chosen (empty when cancelled), and in *filter the
// filter chosen. The default is Qt's save dialog; an empty function restores it.
using SaveFileAsker =
    std::function<QString(QWidget* parent, const QString& filters, QString* filter)>;
void SetSaveFileAsker(SaveFileAsker asker);

// Lets the user set up the printer; true to print. The default is Qt's print
// dialog; an empty function restores it.
using PrintAsker = std::function<bool(QPrinter& printer, QWidget* parent)>;
void SetPrintAsker(PrintAsker asker);

// The scene the window holds, as an edit would draw it.
render::SceneSpec CurrentScene();

// The file a save dialog's answer names: the extension decides the format when it
// is .png, .svg or .pdf; otherwise the filter does, and its extension is added.
QString SavePathFor(const QString& chosen, const QString& filter);

}  // namespace app
