// The help window "Ayuda": a short guide, the keys, and every command of the
// drawing area's context menu, read from the menu each time the window opens so
// that commands added later appear without edits here.
#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/UnitQuorvel.h"
#include "app/WindowCommands.h"

namespace {

const char* const kGuide = R"(
<h2>Quorvel</h2>
<p>Quorvel dibuja un punto, o una recta dada por sus extremos A y B, en el sistema
diédrico: a la izquierda en perspectiva (o en la tercera proyección) y a la derecha en
proyección diédrica, con la línea de tierra (L.T.). Los textos dicen dónde está el
punto, o qué tipo de recta es y cómo está respecto de H, V y la L.T.</p>
<ul>
<li>Las barras ABSCISA, ALEJAMIENTO y COTA fijan las coordenadas del punto que se edita;
las flechas las mueven tanto como indica «Paso:».</li>
<li>«/» cambia entre punto y recta; «A» / «B» elige el extremo de la recta que se edita;
«+» muestra la tercera proyección en lugar de la perspectiva.</li>
<li>«Plano por tres puntos» (P) dibuja el plano que pasa por A, B y C, con sus trazas
α1 y α2, y dice de qué tipo es; entonces «A» / «B» recorre A, B y C, y «Coordenadas...»
admite también el plano en la forma α(x, y, z), por donde sus trazas cortan los ejes.
«/» vuelve a la recta.</li>
<li>«Partes vistas y ocultas» dibuja la recta continua donde la ve el observador del
primer cuadrante y a trazos donde queda oculta, partida en sus trazas, y nombra los
cuadrantes y semiplanos que atraviesa.</li>
<li>TEST propone un ejercicio: elige la respuesta en las listas y pulsa «comprobar».</li>
<li>El botón derecho sobre el dibujo abre el menú de órdenes.</li>
<li>El dibujo crece con la ventana: maximízala, o pulsa F11 para la pantalla completa
(F11 o Esc vuelven).</li>
</ul>
)";

QString Cell(const QString& text) {
  return QStringLiteral("<td style='padding: 2px 12px 2px 0'>%1</td>").arg(text.toHtmlEscaped());
}

QString Row(const QString& first, const QString& second) {
  return QStringLiteral("<tr>") + Cell(first) + Cell(second) + QStringLiteral("</tr>");
}

// A menu text without its mnemonic marks ("&&" is a literal ampersand).
QString PlainText(const QAction* action) {
  QString text = action->text();
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return text;
}

QString Shortcuts(const QAction* action) {
  QStringList keys;
  for (const QKeySequence& k : action->shortcuts()) keys << k.toString(QKeySequence::NativeText);
  return keys.join(QStringLiteral(", "));
}

// Every command of a menu and its submenus, with the submenu's name before it.
void CollectCommands(const QMenu* menu, const QString& prefix, QStringList& keyRows,
                     QStringList& menuRows) {
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator() || !action->isVisible()) continue;
    const QString text = prefix + PlainText(action);
    if (const QMenu* sub = action->menu()) {
      CollectCommands(sub, text + QStringLiteral(" › "), keyRows, menuRows);
      continue;
    }
    const QString keys = Shortcuts(action);
    if (!keys.isEmpty()) keyRows << Row(keys, text);
    menuRows << Row(text, keys.isEmpty() ? QStringLiteral("—") : keys);
  }
}

}  // namespace

namespace app {

QString HelpHtml(const TQuorvel& window) {
  QStringList keyRows, menuRows;
  for (const KeyRow& row : ButtonKeys()) keyRows << Row(row.key, row.action);
  if (window.contextMenu != nullptr)
    CollectCommands(window.contextMenu, QString(), keyRows, menuRows);
  return QString::fromUtf8(kGuide) + QStringLiteral("<h3>Teclas</h3><table>") +
         keyRows.join(QString()) +
         QStringLiteral(
             "</table><p>Las teclas de los botones no actúan mientras se escribe en un campo "
             "de texto («Paso:» o una lista de respuestas), ni mientras su botón está "
             "oculto. Las teclas con Ctrl actúan también en un campo de texto.</p>"
             "<h3>Menú del dibujo (botón derecho)</h3><table>") +
         menuRows.join(QString()) + QStringLiteral("</table>");
}

}  // namespace app

namespace app {

void WindowCommands::ShowHelp() {
  if (help_ == nullptr) {
    help_ = new QDialog(&window_);
    help_->setObjectName(QStringLiteral("Ayuda"));
    help_->setWindowTitle(QStringLiteral("Ayuda"));
    auto* text = new QTextBrowser(help_);
    text->setObjectName(QStringLiteral("AyudaTexto"));
    auto* layout = new QVBoxLayout(help_);
    layout->addWidget(text);
    help_->resize(600, 640);
  }
  // Read afresh: the menu may have gained commands since the last opening.
  help_->findChild<QTextBrowser*>(QStringLiteral("AyudaTexto"))->setHtml(HelpHtml(window_));
  help_->show();
  help_->raise();
  help_->activateWindow();
}

}  // namespace app

QWidget* TQuorvel::HelpWindow() const {
  return findChild<QDialog*>(QStringLiteral("Ayuda"), Qt::FindDirectChildrenOnly);
}
