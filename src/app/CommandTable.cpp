#include "app/CommandTable.h"

#include <QAction>
#include <QKeySequence>

#include "app/WindowCommands.h"

namespace app {

const std::vector<CommandRow>& MenuCommands() {
  // Pictures that leave the window, then what is drawn, then the quiz, then the
  // window itself.
  static const std::vector<CommandRow> rows = {
      {"GuardarImagen", "Guardar imagen...", "Ctrl+S", false, "", false},
      {"CopiarImagen", "Copiar imagen", "Ctrl+C", false, "", false},
      {"Imprimir", "Imprimir...", "Ctrl+P", false, "", false},
      {"WorksheetAction", "Hoja de ejercicios...", "", false, "", false},
      {"MostrarTrazas", "Mostrar trazas", "Ctrl+T", true, "", true},
      {"PartesVistasOcultas", "Partes vistas y ocultas", "Ctrl+Shift+V", true, "", false},
      {"MostrarConstruccion", "Mostrar construcción", "Ctrl+Shift+C", true,
       "Dibuja en fino cómo se halla la relación con el plano o la intersección", false},
      {"VerConstruccion", "Ver construcción paso a paso", "F6", false,
       "Dibuja la solución gráfica paso a paso: Av Pág y Re Pág la recorren, Esc la deja", false},
      {"RectasNotables", "Rectas notables del plano", "Ctrl+Shift+N", true,
       "Horizontal, frontal, de máxima pendiente y de máxima inclinación por A", false},
      {"PuntoYPlano", "Punto y plano", "Ctrl+1", true,
       "Un punto P y el plano ABC: ¿pertenece P al plano?", false},
      {"RectaYPlano", "Recta y plano", "Ctrl+2", true,
       "La recta DE y el plano ABC: contenida, paralela o secante, y su intersección I", false},
      {"DosPlanos", "Dos planos", "Ctrl+3", true,
       "Los planos ABC y DEF y la recta i en que se cortan", false},
      {"PlanoPorTresPuntos", "Plano por tres puntos", "P", true, "", false},
      // No key: the plain letters are taken or typed into the answer lists, and
      // Ctrl+Shift+P lies one slip away from printing.
      {"EjerciciosDePlanos", "Ejercicios de planos", "", true,
       "TEST pone también ejercicios de planos, más o menos uno de cada tres", false},
      {"EjerciciosDeConstruccion", "Ejercicios de construcción", "", true,
       "TEST pone también, más o menos uno de cada tres, ejercicios en que se sitúan puntos "
       "en el dibujo: un clic sitúa, arrastrar mueve, Retroceso quita el último y Tab pasa "
       "al siguiente",
       false},
      {"Tolerancia", "Tolerancia...", "", false,
       "Cuántos milímetros puede separarse un punto situado del exacto (de 1 a 5)", false},
      {"DetailedModeAction", "Corrección detallada", "", true,
       "Acepta todos los nombres verdaderos de la recta y explica cada fallo", true},
      {"HideCoordinatesAction", "Ocultar coordenadas", "", true,
       "En la corrección detallada, el ejercicio se lee solo en el dibujo hasta comprobarlo",
       false},
      {"ResultsAction", "Resultados...", "", false,
       "Muestra los ejercicios corregidos en esta sesión", false},
      {"SaveCsvAction", "Guardar CSV...", "", false,
       "Guarda la tabla de resultados en un archivo CSV", false},
      {"ResetScoreAction", "Reiniciar puntuación", "", false,
       "Pone a 0 aciertos y fallos y vacía los resultados", false},
      {"Coordenadas", "Coordenadas...", "C", false, "", true},
      {"VistaEspacio", "Vista en el espacio", "Ctrl+E", true,
       "La figura en el espacio, para girarla con el ratón y abatir V sobre H", false},
      {"PantallaCompleta", "Pantalla completa", "F11", false, "", false},
      {"Ayuda", "Ayuda", "F1", false, "", false},
  };
  return rows;
}

const CommandRow* CommandNamed(const QString& name) {
  for (const CommandRow& row : MenuCommands())
    if (name == QLatin1String(row.name)) return &row;
  return nullptr;
}

QAction* MakeCommand(QObject& window, const char* name) {
  const CommandRow* row = CommandNamed(QLatin1String(name));
  if (row == nullptr) qFatal("No entry of the command table is named %s", name);
  auto* action = new QAction(QString::fromUtf8(row->text), &window);
  action->setObjectName(QLatin1String(row->name));
  action->setCheckable(row->checkable);
  if (*row->keys != '\0')
    action->setShortcut(
        QKeySequence::fromString(QLatin1String(row->keys), QKeySequence::PortableText));
  if (*row->tip != '\0') action->setStatusTip(QString::fromUtf8(row->tip));
  return action;
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
