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

#include "app/UnitQuorvel.h"
#include "app/WindowCommands.h"

namespace {

using ButtonOf = QAbstractButton* (*)(const TQuorvel&);

// A key, the button it presses, and whether holding it presses again at the
// keyboard's repeat rate (the coordinate steps) or once (everything else).
struct KeyBinding {
  int key;
  ButtonOf button;
  bool repeats;
  const char* name;    // as the help window shows it
  const char* action;  // the button's hint or caption
};

const KeyBinding kBindings[] = {
    {Qt::Key_Left, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn3; }, true, "←",
     "abcisa -"},
    {Qt::Key_Right, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn4; }, true, "→",
     "abcisa +"},
    {Qt::Key_Up, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn1; }, true, "↑",
     "cota +"},
    {Qt::Key_Down, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn2; }, true, "↓",
     "cota -"},
    {Qt::Key_PageUp, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn6; }, true,
     "Re Pág", "alejamiento +"},
    {Qt::Key_PageDown, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn5; }, true,
     "Av Pág", "alejamiento -"},
    {Qt::Key_Slash, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn8; }, false, "/",
     "recta / punto"},
    {Qt::Key_Plus, [](const TQuorvel& w) -> QAbstractButton* { return w.BitBtn7; }, false, "+",
     "tercera proyección"},
    {Qt::Key_A, [](const TQuorvel& w) -> QAbstractButton* { return w.PA; }, false, "A",
     "seleccionar punto (A / B)"},
    {Qt::Key_T, [](const TQuorvel& w) -> QAbstractButton* { return w.Btest; }, false, "T",
     "TEST: un ejercicio nuevo"},
    {Qt::Key_Return, [](const TQuorvel& w) -> QAbstractButton* { return w.comprobarTest; }, false,
     "Intro", "comprobar la respuesta"},
    {Qt::Key_Enter, [](const TQuorvel& w) -> QAbstractButton* { return w.comprobarTest; }, false,
     nullptr, nullptr},  // the keypad's Intro
};

const KeyBinding* FindBinding(int key) {
  for (const KeyBinding& b : kBindings)
    if (b.key == key) return &b;
  return nullptr;
}

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

// Watches the whole application, since key presses go to whichever control has
// the focus; acts only on the events of its own window.
class WindowInput : public QObject {
 public:
  explicit WindowInput(TQuorvel* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    switch (e->type()) {
      case QEvent::KeyPress:
        return Key(watched, static_cast<QKeyEvent*>(e));
      case QEvent::MouseButtonRelease:
        if (watched == window_->Btest) TestReleased(static_cast<QMouseEvent*>(e));
        return false;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        return watched == window_->comprobarTest && SecondClickOfTest(static_cast<QMouseEvent*>(e));
      default:
        return false;
    }
  }

 private:
  bool Key(QObject* watched, QKeyEvent* e) {
    const auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || target->window() != window_) return false;
    // Shift and the keypad are how some layouts type "/" and "+"; other modifiers
    // make another key.
    if ((e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
      return false;
    if (e->key() == Qt::Key_Escape && window_->isFullScreen()) {
      window_->ToggleFullScreen();
      return true;
    }
    const KeyBinding* binding = FindBinding(e->key());
    if (binding == nullptr) return false;
    if (IsTextField(target) || IsTextField(QApplication::focusWidget())) return false;
    // The key is the window's from here on, pressed or not, so a focused scroll
    // bar does not take it as well.
    if (e->isAutoRepeat() && !binding->repeats) return true;
    QAbstractButton* button = binding->button(*window_);
    if (Pressable(button)) button->click();
    return true;
  }

  // Shown and enabled; "TEST" also uncovered: "comprobar" lies over it while an
  // exercise waits, and no click could reach it then.
  bool Pressable(const QAbstractButton* button) const {
    if (!button->isVisibleTo(window_) || !button->isEnabled()) return false;
    return button != window_->Btest || !window_->comprobarTest->isVisibleTo(window_);
  }

  void TestReleased(const QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !window_->Btest->isDown()) return;
    testClickedAt_ = e->timestamp();
    testClicked_ = true;
  }

  // A press on "comprobar" within the double-click interval after a click on
  // "TEST" is the second half of a double click, not an answer.
  bool SecondClickOfTest(const QMouseEvent* e) const {
    if (!testClicked_) return false;
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return e->timestamp() - testClickedAt_ < interval;
  }

  TQuorvel* window_;
  quint64 testClickedAt_ = 0;
  bool testClicked_ = false;
};

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

void TQuorvel::CreateWindowCommands() {
  RememberLayout();
  input_ = new WindowInput(this);
  focusMark_ = new FocusMark(this);

  auto* coordinates = new QAction(QStringLiteral("Coordenadas..."), this);
  coordinates->setObjectName(QStringLiteral("Coordenadas"));
  coordinates->setShortcut(QKeySequence(Qt::Key_C));
  connect(coordinates, &QAction::triggered, this, &TQuorvel::CoordinatesClick);
  AddCommand(coordinates);

  auto* fullScreen = new QAction(QStringLiteral("Pantalla completa"), this);
  fullScreen->setObjectName(QStringLiteral("PantallaCompleta"));
  fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  connect(fullScreen, &QAction::triggered, this, &TQuorvel::ToggleFullScreen);
  AddCommand(fullScreen);

  auto* help = new QAction(QStringLiteral("Ayuda"), this);
  help->setObjectName(QStringLiteral("Ayuda"));
  help->setShortcut(QKeySequence(Qt::Key_F1));
  connect(help, &QAction::triggered, this, &TQuorvel::ShowHelp);
  AddCommand(help);
}

void TQuorvel::ToggleFullScreen() {
  setWindowState(windowState() ^ Qt::WindowFullScreen);
}
