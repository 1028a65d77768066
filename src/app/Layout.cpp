// Creation of the window's controls: places, sizes, texts, fonts, colours, hints
// and tab order.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "app/Controls.h"
#include "app/Glyphs.h"
#include "app/UnitQuorvel.h"
#include "classify/IncidenceNames.h"
#include "classify/TwoPlanes.h"
#include "classify/Vocabulary.h"

namespace {

constexpr int ClientWidth = 1036;
constexpr int ClientHeight = 541;

const QColor MoneyGreen(192, 220, 192);
const QColor Maroon(128, 0, 0);
const QColor Red(255, 0, 0);
const QColor SplashText(0, 64, 128);
const QColor DesktopColour(0, 128, 128);

QString InstalledFace(const QString& face);

// Character height in pixels, as the layout gives font sizes.
QFont PixelFont(const QString& family, int pixels, bool italic = false) {
  QFont font(InstalledFace(family));
  font.setPixelSize(pixels);
  font.setItalic(italic);
  return font;
}

void SetTextColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::ButtonText, colour);
  p.setColor(QPalette::Text, colour);
  w->setPalette(p);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, w, h);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(x, y, w, h);
  return button;
}

QToolButton* MakeGlyphButton(QWidget* parent, ArrowGlyph glyph, const QString& hint, int x, int y) {
  auto* button = new QToolButton(parent);
  button->setGeometry(x, y, 33, 33);
  button->setIcon(QIcon(QPixmap::fromImage(MakeArrowGlyph(glyph))));
  button->setIconSize(QSize(GlyphSize, GlyphSize));
  button->setToolTip(hint);
  button->setAccessibleName(hint);  // a glyph alone names nothing to a screen reader
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

QToolButton* MakeCaptionButton(QWidget* parent, const QString& caption, const QString& hint,
                               const QFont& font, const QColor& colour, int x, int y) {
  auto* button = new QToolButton(parent);
  button->setGeometry(x, y, 33, 33);
  button->setText(caption);
  button->setToolTip(hint);
  button->setAccessibleName(hint);  // "+" or "/" alone says nothing
  button->setFont(font);
  SetTextColour(button, colour);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

TSpinEdit* MakeSpinEdit(QWidget* parent, int value, int x, int y, int w, int h) {
  auto* spin = new TSpinEdit(parent);
  spin->setValue(value);
  spin->setGeometry(x, y, w, h);
  return spin;
}

QScrollBar* MakeScrollBar(QWidget* parent, int lowest, int highest, int x, int y, int w) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setRange(lowest, highest);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  bar->setValue(0);
  bar->setGeometry(x, y, w, 25);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

// The drop-down is as wide as its widest item, which the box itself is not.
// Measured when the list is first shown, since a hidden list opens no drop-down
// and measuring every item is a good part of the list's cost.
class DropDownWidth : public QObject {
 public:
  explicit DropDownWidth(QComboBox* list) : QObject(list) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* list = static_cast<QComboBox*>(watched);
    QAbstractItemView* view = list->view();
    const int scrollBar = list->count() > list->maxVisibleItems()
                              ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                              : 0;
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + scrollBar);
    list->removeEventFilter(this);
    deleteLater();
    return false;
  }
};

// Editable, never adds what is typed, and starts with its own name and no item.
QComboBox* MakeAnswerList(QWidget* parent, const QString& startText, const QStringList& items,
                          int x, int y) {
  auto* list = new QComboBox(parent);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->addItems(items);
  list->setCurrentIndex(-1);
  list->setEditText(startText);
  list->setGeometry(x, y, 145, 21);
  list->installEventFilter(new DropDownWidth(list));
  return list;
}

QPlainTextEdit* MakeMemo(QWidget* parent, int x, int y, int w, int h) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setFrameShape(QFrame::NoFrame);
  memo->setTabChangesFocus(true);
  memo->setGeometry(x, y, w, h);
  return memo;
}

// Thirteen lines; the leading blanks are part of the picture.
QString SplashText13() {
  const QString rule = QString(36, QLatin1Char('_'));
  const auto line = [](int blanks, const QString& text) {
    return QString(blanks, QLatin1Char(' ')) + text;
  };
  const QStringList lines = {
      line(19, {}),
      line(17, {}),
      line(29, QStringLiteral("S I S T E M A     Q U O R V E L")),
      line(18, rule),
      line(6, {}),
      line(20, QStringLiteral("Prácticas con el alfabeto del punto y la recta. ")),
      line(19, QStringLiteral("Test de evaluación.")),
      line(18, rule),
      QString(),
      line(26, QStringLiteral("Quorvel: programa y dibujo, equipo Quorvel")),
      line(18, rule),
      QString(),
      line(26, QStringLiteral("Diciembre 2005")),
  };
  return lines.join(QLatin1Char('\n'));
}

// The answer-list items, in code order, from the classification's vocabulary.
template <typename Table>
QStringList ListItems(const Table& table) {
  QStringList items;
  for (const auto& row : table) items << QString::fromUtf8(row.listItem);
  return items;
}

// The layout names the faces of an old desktop; on Linux they are missing and
// fontconfig's guesses can be a script face. Name free faces of the same kind.
struct FaceSubstitutes {
  const char* face;
  const char* first;
  const char* second;
};
constexpr FaceSubstitutes kFaceSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
    {"MS Serif", "Liberation Serif", "DejaVu Serif"},
    {"Comic Sans MS", "Comic Neue", "DejaVu Sans"},
    {"MS LineDraw", "DejaVu Sans Mono", "Liberation Mono"},
};

void InstallFontSubstitutes() {
  for (const auto& row : kFaceSubstitutes)
    QFont::insertSubstitutions(QLatin1String(row.face),
                               {QLatin1String(row.first), QLatin1String(row.second)});
}

// The installed face Qt would settle on for a layout face. Asking for a missing
// face first makes Qt query fontconfig's fallbacks for every size and style
// before it tries the substitutes; naming the substitute skips that search.
QString InstalledFace(const QString& face) {
  static const QStringList installed = QFontDatabase::families();
  if (installed.contains(face)) return face;
  for (const auto& row : kFaceSubstitutes) {
    if (face != QLatin1String(row.face)) continue;
    for (const char* substitute : {row.first, row.second})
      if (installed.contains(QLatin1String(substitute))) return QLatin1String(substitute);
  }
  return face;
}

}  // namespace

void TQuorvel::CreateControls() {
  InstallFontSubstitutes();
  setWindowTitle(QStringLiteral("Quorvel"));
  setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, MoneyGreen);
  setPalette(windowPalette);
  setAutoFillBackground(true);

  // Created bottom to top: a later control lies over an earlier one.
  drawingArea = new TPaintBox(this);
  drawingArea->setGeometry(8, 0, 1025, 473);

  stepCaption = MakeLabel(this, QStringLiteral("Paso:"), 296, 488, 27, 13);
  SetTextColour(stepCaption, Red);
  creditsCaption =
      MakeLabel(this, QStringLiteral("Prácticas de Dibujo Técnico (https://quorvel.example.org)"),
                8, 512, 232, 13);
  creditsCaption->setFont(PixelFont(font().family(), 11, true));
  // The caption must show whole, address included.
  creditsCaption->resize(std::max(creditsCaption->width(), creditsCaption->sizeHint().width()),
                         creditsCaption->height());
  SetTextColour(creditsCaption, Maroon);
  const QString comic = QStringLiteral("Comic Sans MS");
  abscissaCaption = MakeLabel(this, QStringLiteral("ABSCISA"), 712, 518, 64, 20);  // room for the S
  abscissaCaption->setFont(PixelFont(comic, 15));
  alejamientoCaption = MakeLabel(this, QStringLiteral("ALEJAMIENTO"), 808, 517, 97, 18);
  alejamientoCaption->setFont(PixelFont(comic, 13));
  cotaCaption = MakeLabel(this, QStringLiteral("COTA"), 952, 517, 42, 20);
  cotaCaption->setFont(PixelFont(comic, 15));

  cotaUpButton = MakeGlyphButton(this, ArrowGlyph::Up, QStringLiteral("cota +"), 160, 480);
  cotaDownButton = MakeGlyphButton(this, ArrowGlyph::Down, QStringLiteral("cota -"), 128, 480);
  abscissaDownButton = MakeGlyphButton(this, ArrowGlyph::Left, QStringLiteral("abscisa -"), 0, 480);
  abscissaUpButton = MakeGlyphButton(this, ArrowGlyph::Right, QStringLiteral("abscisa +"), 32, 480);
  alejamientoDownButton =
      MakeGlyphButton(this, ArrowGlyph::Away, QStringLiteral("alejamiento -"), 64, 480);
  alejamientoUpButton =
      MakeGlyphButton(this, ArrowGlyph::Toward, QStringLiteral("alejamiento +"), 96, 480);
  const QString defaultFace = font().family();
  profileButton = MakeCaptionButton(this, QStringLiteral("+"), QStringLiteral("tercera proyección"),
                                    PixelFont(defaultFace, 29), Red, 192, 480);
  pointOrLineButton = MakeCaptionButton(this, QStringLiteral("/"), QStringLiteral("recta / punto"),
                                        PixelFont(defaultFace, 21), Red, 224, 480);
  endPointButton = MakeCaptionButton(this, QStringLiteral("A"), QStringLiteral("seleccionar punto"),
                                     PixelFont(comic, 21), Maroon, 256, 480);
  testButton = MakeButton(this, QStringLiteral("TEST"), 600, 480, 65, 41);

  splashText = MakeMemo(this, 232, 88, 641, 377);
  splashText->setFont(PixelFont(comic, 19));
  {
    QPalette p = splashText->palette();
    p.setColor(QPalette::Base, MoneyGreen);
    p.setColor(QPalette::Text, SplashText);
    splashText->setPalette(p);
  }
  splashText->setPlainText(SplashText13());
  // A picture of text: no click or key may write into it or take the keys away.
  splashText->setReadOnly(true);
  splashText->setTextInteractionFlags(Qt::NoTextInteraction);
  splashText->setFocusPolicy(Qt::NoFocus);

  stepEdit = MakeSpinEdit(this, 5, 328, 484, 57, 26);
  stepEdit->setFont(PixelFont(defaultFace, 15));
  abscissaBar = MakeScrollBar(this, -110, 110, 672, 488, 121);
  cotaBar = MakeScrollBar(this, -140, 140, 920, 488, 113);
  alejamientoBar = MakeScrollBar(this, -110, 110, 800, 488, 113);

  // The debugging controls (laid out, never shown) and the answer lists are made
  // on first use.
  checkButton = MakeButton(this, QStringLiteral("comprobar"), 600, 480, 65, 41);
  checkButton->hide();

  // The scroll bars and the step are named by the labels beside them.
  abscissaBar->setAccessibleName(abscissaCaption->text());
  alejamientoBar->setAccessibleName(alejamientoCaption->text());
  cotaBar->setAccessibleName(cotaCaption->text());
  stepEdit->setAccessibleName(QStringLiteral("Paso"));
  drawingArea->setAccessibleName(QStringLiteral("Dibujo"));
  SetObjectNames();
}

// The members are named by role; the object names stay the layout's, which the help,
// the tests that find a control by name and the debugging tools use.
void TQuorvel::SetObjectNames() {
  const std::pair<QWidget*, const char*> names[] = {{drawingArea, "PaintBox1"},
                                                    {stepCaption, "Label8"},
                                                    {creditsCaption, "Label9"},
                                                    {abscissaCaption, "Label10"},
                                                    {alejamientoCaption, "Label11"},
                                                    {cotaCaption, "Label12"},
                                                    {cotaUpButton, "BitBtn1"},
                                                    {cotaDownButton, "BitBtn2"},
                                                    {abscissaDownButton, "BitBtn3"},
                                                    {abscissaUpButton, "BitBtn4"},
                                                    {alejamientoDownButton, "BitBtn5"},
                                                    {alejamientoUpButton, "BitBtn6"},
                                                    {profileButton, "BitBtn7"},
                                                    {pointOrLineButton, "BitBtn8"},
                                                    {endPointButton, "PA"},
                                                    {testButton, "Btest"},
                                                    {splashText, "Memo2"},
                                                    {stepEdit, "paso"},
                                                    {abscissaBar, "ScrollBar1"},
                                                    {cotaBar, "ScrollBar2"},
                                                    {alejamientoBar, "ScrollBar3"},
                                                    {checkButton, "comprobarTest"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));
}

namespace {

// The controls in tab order, by name; a lazy control takes its place when made.
constexpr const char* kTabOrder[] = {
    "Button1",       "Memo1",     "Button2",  "SpinEdit1", "R",        "G",        "B",
    "Button3",       "Button4",   "Punto",    "ab",        "al",       "co",       "Cperfil",
    "BitBtn1",       "BitBtn2",   "BitBtn3",  "BitBtn4",   "BitBtn5",  "BitBtn6",  "BitBtn7",
    "BitBtn8",       "PA",        "Btest",    "SelPunto",  "SelREcta", "DefREcta", "SelPlano",
    "comprobarTest", "NoExiste",  "Anterior", "Siguiente", "Memo2",    "paso",     "ScrollBar1",
    "ScrollBar2",    "ScrollBar3"};

}  // namespace

void TQuorvel::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    auto* w = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (w == nullptr) continue;  // not made yet
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void TQuorvel::AdoptLazyControl(QWidget* w) {
  w->hide();
  // Under the controls made after it at start, after its predecessor in tab order.
  w->stackUnder(checkButton);
  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    if (w->objectName() == QLatin1String(name)) break;
    if (auto* made = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
      previous = made;
  }
  if (previous) QWidget::setTabOrder(previous, w);
  // At its place for the window's present size.
  layout_.emplace_back(w, w->geometry());
  PlaceControls();
  for (app::CommandGroup* group : groups_) group->ControlMade(w);
}

template <class W>
W* TQuorvel::Existing(const char* name) const {
  return findChild<W*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

QLabel* TQuorvel::MakeDebugLabel(int n) {
  struct Place {
    const char* name;
    const char* text;
    int x, y, w;
  };
  static constexpr Place kPlaces[] = {
      {"Label1", "la", 528, 512, 8},     {"Label2", "lx", 528, 528, 7},
      {"Label3", "ly", 528, 544, 7},     {"Label4", "incrx", 600, 512, 22},
      {"Label5", "incry", 600, 528, 22}, {"Label6", "Label6", 600, 544, 32},
      {"Label7", "Label7", 672, 400, 32}};
  const Place& place = kPlaces[n];
  if (auto* made = Existing<QLabel>(place.name)) return made;
  QLabel* label = MakeLabel(this, QLatin1String(place.text), place.x, place.y, place.w, 13);
  label->setObjectName(QLatin1String(place.name));
  AdoptLazyControl(label);
  return label;
}

QPushButton* TQuorvel::MakeDebugButton(int n) {
  struct Place {
    const char* name;
    const char* text;
    int x, y, w, h;
    void (TQuorvel::*handler)();
  };
  static constexpr Place kPlaces[] = {
      {"Button1", "dibuja sistema quorvel", 104, 9, 153, 26, &TQuorvel::Button1Click},
      {"Button2", "poner color:", 32, 520, 73, 25, &TQuorvel::Button2Click},
      {"Button3", "RGB", 160, 520, 49, 33, &TQuorvel::Button3Click},
      {"Button4", "Guardar paleta pruebas.pal", 368, 528, 137, 33, &TQuorvel::Button4Click},
      {"Punto", "Punto", 32, 544, 73, 25, &TQuorvel::PuntoClick}};
  const Place& place = kPlaces[n];
  if (auto* made = Existing<QPushButton>(place.name)) return made;
  QPushButton* button =
      MakeButton(this, QLatin1String(place.text), place.x, place.y, place.w, place.h);
  button->setObjectName(QLatin1String(place.name));
  connect(button, &QPushButton::clicked, this, place.handler);
  AdoptLazyControl(button);
  return button;
}

QCheckBox* TQuorvel::MakeCperfil() {
  if (auto* made = Existing<QCheckBox>("Cperfil")) return made;
  auto* box = new QCheckBox(QStringLiteral("Cperfil"), this);
  box->setGeometry(528, 456, 73, 17);
  box->setAutoFillBackground(true);
  QPalette p = box->palette();
  p.setColor(QPalette::Window, p.color(QPalette::Button));
  p.setColor(QPalette::WindowText, DesktopColour);
  box->setPalette(p);
  box->setObjectName(QStringLiteral("Cperfil"));
  // toggled is raised also when code changes the state, which BitBtn7Click relies on.
  connect(box, &QCheckBox::toggled, this, &TQuorvel::CperfilClick);
  AdoptLazyControl(box);
  return box;
}

QPlainTextEdit* TQuorvel::MakeMemo1() {
  if (auto* made = Existing<QPlainTextEdit>("Memo1")) return made;
  QPlainTextEdit* memo = MakeMemo(this, 544, 24, 73, 385);
  memo->setObjectName(QStringLiteral("Memo1"));
  Memo1.Adopt(memo);
  AdoptLazyControl(memo);
  return memo;
}

TSpinEdit* TQuorvel::MakeHiddenSpin(int n) {
  struct Place {
    const char* name;
    int x, y;
  };
  static constexpr Place kPlaces[] = {{"SpinEdit1", 112, 520}, {"R", 216, 504},  {"G", 216, 528},
                                      {"B", 216, 552},         {"ab", 312, 504}, {"al", 312, 528},
                                      {"co", 312, 552}};
  const Place& place = kPlaces[n];
  if (auto* made = Existing<TSpinEdit>(place.name)) return made;
  TSpinEdit* spin = MakeSpinEdit(this, 0, place.x, place.y, 49, 22);
  spin->setObjectName(QLatin1String(place.name));
  // The point spin edits redraw on every change; the palette ones are read on a click.
  if (n >= 4) connect(spin, &TSpinEdit::Changed, this, &TQuorvel::abChange);
  AdoptLazyControl(spin);
  return spin;
}

QPushButton* TQuorvel::MakeConstructionButton(int n) {
  struct Place {
    const char* name;
    const char* text;
    int x;
    const char* hint;
  };
  // "No existe" in DefREcta's place, which a construction exercise leaves empty; the
  // steps' buttons between the step and "TEST", where nothing is in free editing.
  static constexpr Place kPlaces[] = {
      {"NoExiste", "&No existe", 448, "El punto que toca situar no existe"},
      {"Anterior", "Anterior", 392, "Paso anterior (Re Pág)"},
      {"Siguiente", "Siguiente", 496, "Paso siguiente (Av Pág)"}};
  const Place& place = kPlaces[n];
  if (auto* made = Existing<QPushButton>(place.name)) return made;
  QPushButton* button = MakeButton(this, QString::fromUtf8(place.text), place.x, 484, 100, 26);
  button->setObjectName(QLatin1String(place.name));
  button->setToolTip(QString::fromUtf8(place.hint));
  AdoptLazyControl(button);
  return button;
}

QLabel* TQuorvel::MakeConstructionText() {
  if (auto* made = Existing<QLabel>("TextoConstruccion")) return made;
  // In the lower part of the panel under the flat view, which the picture clears for it.
  QLabel* label = MakeLabel(this, QString(), 545, 391, 472, 66);
  label->setObjectName(QStringLiteral("TextoConstruccion"));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(PixelFont(font().family(), 13));
  SetTextColour(label, QColor(0, 0, 128));
  AdoptLazyControl(label);
  return label;
}

QString TQuorvel::ListStartText(AnswerList list) {
  // The original lists start with their own names; the plane list, which came
  // later, with a prompt in Spanish.
  switch (list) {
    case AnswerList::SelPunto:
      return QStringLiteral("SelPunto");
    case AnswerList::SelREcta:
      return QStringLiteral("SelREcta");
    case AnswerList::DefREcta:
      return QStringLiteral("DefREcta");
    case AnswerList::SelPertenece:
      return QStringLiteral("¿Pertenece P al plano?");
    case AnswerList::SelRectaPlano:
      return QStringLiteral("Recta respecto del plano");
    case AnswerList::SelPlanos:
      return QStringLiteral("¿Cómo son los planos?");
    case AnswerList::SelInterseccion:
      return QStringLiteral("Tipo de intersección");
    case AnswerList::SelPlano:
      break;
  }
  return QStringLiteral("Tipo de plano");
}

void TQuorvel::AdoptAnswerList(const AnswerListRow& row, QComboBox* list) {
  list->setToolTip(QString::fromUtf8(row.hint));
  list->setObjectName(QLatin1String(row.name));
  row.member.Adopt(list);
  AdoptLazyControl(list);
}

QComboBox* TQuorvel::MakeAnswerLists(AnswerList wanted) {
  if (Existing<QComboBox>("SelPunto") != nullptr) return List(wanted);
  // All together, so their order under one another and in tab order holds.
  const AnswerListRow lists[] = {
      {pointAnswers, AnswerList::SelPunto, "SelPunto", ListItems(classify::kLocations), 296,
       "Elige dónde está el punto"},
      {lineTypeAnswers, AnswerList::SelREcta, "SelREcta", ListItems(classify::kLineTypes), 296,
       "Elige el tipo de recta"},
      {lineRelationAnswers, AnswerList::DefREcta, "DefREcta", ListItems(classify::kLineRelations),
       448, "Elige su posición respecto de H, V y L.T."},
      // A plane exercise's list, in the place of SelREcta.
      {planeAnswers, AnswerList::SelPlano, "SelPlano", ListItems(classify::kPlaneTypes), 296,
       "Elige el tipo de plano"}};
  for (const AnswerListRow& l : lists) {
    QComboBox* list = MakeAnswerList(this, ListStartText(l.list), l.items, l.x, 488);
    if (l.list == AnswerList::SelPlano) {
      // Closed, it shows its longest item whole: it reaches over DefREcta's place,
      // which a plane exercise leaves empty, and never past "comprobar".
      list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      constexpr int right = 596;  // "comprobar" starts at 600
      list->resize(std::clamp(list->sizeHint().width(), list->width(), right - l.x),
                   list->height());
    }
    AdoptAnswerList(l, list);
  }
  return List(wanted);
}

QComboBox* TQuorvel::MakeFigureAnswerLists(AnswerList wanted) {
  if (Existing<QComboBox>("SelPertenece") != nullptr) return List(wanted);
  const AnswerListRow lists[] = {
      {belongingAnswers, AnswerList::SelPertenece, "SelPertenece",
       ListItems(classify::kBelongingAnswers), 296, "Elige si P pertenece al plano"},
      {linePlaneAnswers, AnswerList::SelRectaPlano, "SelRectaPlano",
       ListItems(classify::kLinePlaneAnswers), 296, "Elige cómo es la recta respecto del plano"},
      {planesAnswers, AnswerList::SelPlanos, "SelPlanos", ListItems(classify::kTwoPlanesRelations),
       296, "Elige cómo son los dos planos"},
      // Beside it, as DefREcta beside SelREcta: read only for secant planes.
      {intersectionAnswers, AnswerList::SelInterseccion, "SelInterseccion",
       ListItems(classify::kLineTypes), 448,
       "Si son secantes, elige el tipo de su intersección i"}};
  for (const AnswerListRow& l : lists)
    AdoptAnswerList(l, MakeAnswerList(this, ListStartText(l.list), l.items, l.x, 488));
  return List(wanted);
}

void TQuorvel::ConnectHandlers() {
  connect(abscissaBar, &QScrollBar::valueChanged, this, &TQuorvel::ScrollBar1Change);
  connect(cotaBar, &QScrollBar::valueChanged, this, &TQuorvel::ScrollBar2Change);
  connect(alejamientoBar, &QScrollBar::valueChanged, this, &TQuorvel::ScrollBar3Change);
  connect(cotaUpButton, &QToolButton::clicked, this, &TQuorvel::BitBtn1Click);
  connect(cotaDownButton, &QToolButton::clicked, this, &TQuorvel::BitBtn2Click);
  connect(abscissaDownButton, &QToolButton::clicked, this, &TQuorvel::BitBtn3Click);
  connect(abscissaUpButton, &QToolButton::clicked, this, &TQuorvel::BitBtn4Click);
  connect(alejamientoDownButton, &QToolButton::clicked, this, &TQuorvel::BitBtn5Click);
  connect(alejamientoUpButton, &QToolButton::clicked, this, &TQuorvel::BitBtn6Click);
  connect(profileButton, &QToolButton::clicked, this, &TQuorvel::BitBtn7Click);
  connect(pointOrLineButton, &QToolButton::clicked, this, &TQuorvel::BitBtn8Click);
  connect(endPointButton, &QToolButton::clicked, this, &TQuorvel::PAClick);
  connect(testButton, &QPushButton::clicked, this, &TQuorvel::BtestClick);
  connect(checkButton, &QPushButton::clicked, this, &TQuorvel::comprobarTestClick);
  // Every change of the text, typed or by the arrows, whether or not it is a number.
  connect(stepEdit, &TSpinEdit::Changed, this, &TQuorvel::pasoChange);
}

void TQuorvel::CentreOnScreen() {
  QRect area(0, 0, ClientWidth, ClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    area.moveCenter(screen->availableGeometry().center());
  setGeometry(area);
}
