#include "app/CommandTable.h"

#include "app/WindowCommands.h"

namespace app {

const std::vector<CommandRow>& MenuCommands() {
  static const std::vector<CommandRow> rows = {
      {"Guardar imagen...", "Ctrl+S"},
      {"Copiar imagen", "Ctrl+C"},
      {"Imprimir...", "Ctrl+P"},
      {"Hoja de ejercicios...", ""},
      {"Mostrar trazas", "Ctrl+T"},
      {"Partes vistas y ocultas", "Ctrl+Shift+V"},
      {"Plano por tres puntos", "P"},
      {"Ejercicios de planos", ""},  // no key: see PlaneExerciseCommands
      {"Corrección detallada", ""},
      {"Ocultar coordenadas", ""},
      {"Resultados...", ""},
      {"Guardar CSV...", ""},
      {"Reiniciar puntuación", ""},
      {"Coordenadas...", "C"},
      {"Pantalla completa", "F11"},
      {"Ayuda", "F1"},
  };
  return rows;
}

QString KeysAndCommandsText() {
  constexpr int kColumn = 26;
  const auto row = [](const QString& left, const QString& right) {
    return QStringLiteral("  ") + left.leftJustified(kColumn - 2, QLatin1Char(' ')) + right +
           QLatin1Char('\n');
  };
  QString text = QStringLiteral("Teclas de la ventana:\n");
  for (const KeyRow& key : ButtonKeys()) text += row(key.key, key.action);
  text += QStringLiteral("\nMenú del dibujo (botón derecho):\n");
  for (const CommandRow& command : MenuCommands())
    text += row(QString::fromUtf8(command.text),
                *command.keys != '\0' ? QString::fromUtf8(command.keys) : QStringLiteral("—"));
  return text;
}

}  // namespace app
