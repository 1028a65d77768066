// The keyboard: keys that press the window's buttons through their own handlers,
// the view commands of the context menu (full screen, help), the focus mark of
// the controls whose style shows none, and the guard that keeps the second click
// of a double click on "TEST" from landing on "comprobar".
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <iterator>
#include <vector>

#include "app/CommandTable.h"
#include "app/UnitQuorvel.h"
#include "app/WindowCommands.h"

namespace {

using ButtonOf = QAbstractButton* (*)(const TQuorvel&);

// A key, the button it presses, and whether holding it presses again at the
// keyboard's repeat rate (the coordinate steps) or once (everything else).
struct KeyBinding {
  Qt::Key key;
  ButtonOf button;
  bool repeats;
  const char* name;    // as the help window shows it
  const char* action;  // the button's hint or caption
};

const KeyBinding kBindings[] = {
    {Qt::Key_Left, [](const TQuorvel& w) -> QAbstractButton* { return w.abscissaDownButton; }, true,
     "←", "abscisa -"},
    {Qt::Key_Right, [](const TQuorvel& w) -> QAbstractButton* { return w.abscissaUpButton; }, true,
     "→", "abscisa +"},
    {Qt::Key_Up, [](const TQuorvel& w) -> QAbstractButton* { return w.cotaUpButton; }, true, "↑",
     "cota +"},
    {Qt::Key_Down, [](const TQuorvel& w) -> QAbstractButton* { return w.cotaDownButton; }, true,
     "↓", "cota -"},
    {Qt::Key_PageUp, [](const TQuorvel& w) -> QAbstractButton* { return w.alejamientoUpButton; },
     true, "Re Pág", "alejamiento +"},
    {Qt::Key_PageDown,
     [](const TQuorvel& w) -> QAbstractButton* { return w.alejamientoDownButton; }, true, "Av Pág",
     "alejamiento -"},
    {Qt::Key_Slash, [](const TQuorvel& w) -> QAbstractButton* { return w.pointOrLineButton; },
     false, "/", "recta / punto"},
    {Qt::Key_Plus, [](const TQuorvel& w) -> QAbstractButton* { return w.profileButton; }, false,
     "+", "tercera proyección"},
    {Qt::Key_A, [](const TQuorvel& w) -> QAbstractButton* { return w.endPointButton; }, false, "A",
     "seleccionar punto (A / B)"},
    {Qt::Key_T, [](const TQuorvel& w) -> QAbstractButton* { return w.testButton; }, false, "T",
     "TEST: un ejercicio nuevo"},
    {Qt::Key_Return, [](const TQuorvel& w) -> QAbstractButton* { return w.checkButton; }, false,
     "Intro", "comprobar la respuesta"},
    {Qt::Key_Enter, [](const TQuorvel& w) -> QAbstractButton* { return w.checkButton; }, false,
     nullptr, nullptr},  // the keypad's Intro
};

// Where keys keep their editing meaning.
bool IsTextField(const QWidget* w) {
  for (; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) return true;
    if (const auto* combo = qobject_cast<const QComboBox*>(w); combo && combo->isEditable())
      return true;
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(w); text && !text->isReadOnly())
      return true;
    if (const auto* text = qobject_cast<const QTextEdit*>(w); text && !text->isReadOnly())
      return true;
  }
  return false;
}

// A dotted frame inside the focused button or scroll bar, which the style leaves
// unmarked; text fields show their caret and frame instead.
class FocusMark : public QWidget {
 public:
  explicit FocusMark(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Follow(now); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    const int inset = qobject_cast<QAbstractSlider*>(target_.data()) ? 1 : 3;
    p.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == target_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                               e->type() == QEvent::Show || e->type() == QEvent::Hide))
      Place();
    return false;
  }

 private:
  static bool Marks(const QWidget* w) {
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w);
  }

  void Follow(QWidget* now) {
    if (target_) target_->removeEventFilter(this);
    target_ = now != nullptr && now->parentWidget() == parentWidget() && Marks(now) ? now : nullptr;
    if (target_) target_->installEventFilter(this);
    Place();
  }

  void Place() {
    if (!target_ || !target_->isVisible()) {
      hide();
      return;
    }
    setGeometry(target_->geometry());
    show();
    raise();
    update();
  }

  QPointer<QWidget> target_;
};

}  // namespace

namespace app {

const std::vector<KeyRow>& ButtonKeys() {
  static const std::vector<KeyRow> rows = [] {
    std::vector<KeyRow> r;
    for (const KeyBinding& b : kBindings)
      if (b.name != nullptr) r.push_back({QString::fromUtf8(b.name), QString::fromUtf8(b.action)});
    r.push_back({QStringLiteral("Esc"), QStringLiteral("salir de la pantalla completa")});
    return r;
  }();
  return rows;
}

}  // namespace app

namespace app {

WindowCommands::WindowCommands(TQuorvel& window) : CommandGroup(window) {
  new FocusMark(&window);
  CreateKeys();
  // The second click of a double click on "TEST" lands on "comprobar": watched on
  // those two buttons.
  window.testButton->installEventFilter(this);
  window.checkButton->installEventFilter(this);

  const struct {
    const char* name;
    void (WindowCommands::*handler)();
  } rows[] = {{"Coordenadas", &WindowCommands::Coordinates},
              {"PantallaCompleta", &WindowCommands::ToggleFullScreen},
              {"Ayuda", &WindowCommands::ShowHelp}};
  for (const auto& row : rows)
    window.AddCommand(MakeCommand(window, row.name),
                      [this, handler = row.handler] { (this->*handler)(); });
}

void WindowCommands::CreateKeys() {
  for (const KeyBinding& binding : kBindings) {
    auto* action = new QAction(this);
    // Shift and the keypad are how some layouts type "/" and "+"; Qt drops the
    // keypad by itself.
    action->setShortcuts({QKeySequence(binding.key), QKeySequence(Qt::SHIFT | binding.key)});
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(binding.repeats);
    connect(action, &QAction::triggered, this, [this, button = binding.button] {
      // Shown and enabled; "TEST" also uncovered: "comprobar" lies over it while
      // an exercise waits, and no click could reach it then.
      QAbstractButton* pressed = button(window_);
      if (!pressed->isVisibleTo(&window_) || !pressed->isEnabled()) return;
      if (pressed == window_.testButton && window_.checkButton->isVisibleTo(&window_)) return;
      pressed->click();
    });
    window_.addAction(action);
  }
  escape_ = new QAction(this);
  escape_->setShortcut(QKeySequence(Qt::Key_Escape));
  escape_->setShortcutContext(Qt::WindowShortcut);
  escape_->setEnabled(false);
  connect(escape_, &QAction::triggered, this, &WindowCommands::ToggleFullScreen);
  window_.addAction(escape_);
  window_.installEventFilter(this);
  WatchTextFields(&window_);
}

void WindowCommands::ControlMade(QWidget* control) {
  WatchTextFields(control);
}

void WindowCommands::WatchTextFields(QWidget* root) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  if (root != &window_) widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
        qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
        qobject_cast<QTextEdit*>(w))
      w->installEventFilter(this);
  }
}

bool WindowCommands::eventFilter(QObject* watched, QEvent* e) {
  if (watched == &window_) {
    if (e->type() == QEvent::WindowStateChange) escape_->setEnabled(window_.isFullScreen());
    return false;
  }
  if (e->type() == QEvent::ShortcutOverride) {
    const auto* press = static_cast<QKeyEvent*>(e);
    // Ctrl, Alt and Meta do not type: such a key acts from a text field too.
    if (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
      return false;
    const int key = press->key();
    const bool bound = std::any_of(std::begin(kBindings), std::end(kBindings),
                                   [key](const KeyBinding& b) { return b.key == key; });
    if (!bound || !IsTextField(static_cast<QWidget*>(watched))) return false;
    e->accept();
    return true;
  }
  if (watched == window_.testButton && e->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(e);
    if (mouse->button() == Qt::LeftButton && window_.testButton->isDown()) {
      testClickedAt_ = mouse->timestamp();
      testClicked_ = true;
    }
    return false;
  }
  // A press on "comprobar" within the double-click interval after a click on
  // "TEST" is the second half of a double click, not an answer.
  if (watched == window_.checkButton &&
      (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return testClicked_ && static_cast<QMouseEvent*>(e)->timestamp() - testClickedAt_ < interval;
  }
  return false;
}

void WindowCommands::ToggleFullScreen() {
  window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
}

}  // namespace app
