#include "cli/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandTable.h"
#include "cli/PlaneOptions.h"
#include "cli/SceneOptions.h"
#include "delgraph/FileName.h"
#include "delgraph/PaletteRead.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "figures/Description.h"
#include "figures/Kind.h"
#include "quiz/ExerciseList.h"
#include "quiz/SheetRequest.h"
#include "render/ConstructionSteps.h"
#include "render/Export.h"
#include "render/SpaceRender.h"
#include "render/WorksheetPdf.h"

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "0"
#endif

namespace cli {

namespace {

const char* const kProgram = "quorvel";

// One row per option. An option of a mode is only accepted in that mode's run;
// `output` marks the options that make a file and so need a drawing platform.
struct OptionRow {
  QStringList names;
  QString valueName;  // empty for a flag
  QString description;
  bool output;
};

const std::vector<OptionRow>& Options() {
  static const std::vector<OptionRow> rows = {
      {{"export"},
       "ARCHIVO",
       "dibuja la escena en ARCHIVO sin abrir la ventana; el formato sale de la "
       "extensión: .png, .svg o .pdf (A4 apaisado)",
       true},
      {{"point"},
       "X,Y,Z",
       "un punto de abscisa X, alejamiento Y y cota Z (números enteros); con un plano, "
       "el punto P y ese plano",
       false},
      {{"line"},
       "X,Y,Z:X,Y,Z",
       "la recta del extremo A al extremo B; con un plano, la recta de D a E y ese plano",
       false},
      {{"plane"},
       "X,Y,Z:X,Y,Z:X,Y,Z",
       "el plano que pasa por los puntos A, B y C; dado dos veces (o una con "
       "--plane-intercepts), dos planos: el segundo pasa por D, E y F",
       false},
      {{"plane-intercepts"},
       "X,Y,Z",
       "el plano α(X,Y,Z): X donde sus trazas cortan a L.T., Y el alejamiento de α1 y Z la "
       "cota de α2 sobre la perpendicular a L.T. por el origen; cada uno entero (no 0) o inf "
       "(paralelo a ese eje). Dibuja el plano por (X,0,0), (0,Y,0) y (0,0,Z); cada inf cambia "
       "su punto por el primero de los otros desplazado 50 a lo largo de ese eje "
       "(inf,40,50: (0,40,0), (0,0,50) y (50,40,0))",
       false},
      {{"profile"}, "", "muestra la tercera proyección en lugar de la vista de los planos", false},
      {{"traces"},
       "",
       "dibuja las trazas de la recta con H y con V, como «Mostrar trazas» en la ventana",
       false},
      {{"visibility"},
       "",
       "dibuja la recta continua donde se ve y a trazos donde queda oculta, y nombra los "
       "cuadrantes que atraviesa, como «Partes vistas y ocultas» en la ventana",
       false},
      {{"construction"},
       "",
       "dibuja la construcción de una figura con plano (la horizontal del plano por P, el "
       "plano proyectante de la recta, o dónde se cortan las trazas de los dos planos), como "
       "«Mostrar construcción» en la ventana",
       false},
      {{"construction-steps"},
       "",
       "con --export, dibuja paso a paso la construcción que resuelve la figura (las trazas "
       "de una recta, la proyección que falta de P, dónde corta una recta a un plano o la "
       "intersección de dos planos), cada paso con su frase debajo: en un PDF, una página "
       "por paso; en PNG o SVG, un archivo por paso, numerados tras el nombre (dibujo.png "
       "da dibujo-1.png, dibujo-2.png...); con --describe, añade «pasos», la lista de esas "
       "frases (vacía si la figura no tiene construcción)",
       false},
      {{"notable-lines"},
       "",
       "dibuja por A las rectas notables del plano (horizontal, frontal, de máxima pendiente "
       "y de máxima inclinación), como «Rectas notables del plano» en la ventana",
       false},
      {{"describe"},
       "",
       "escribe la figura en la salida estándar como un objeto JSON de una línea (figura, "
       "nombres y sus códigos, y lo propio de cada figura con plano), sin necesitar "
       "pantalla; sola o con --export; con --worksheet-file, un objeto por ejercicio de la "
       "lista, en su orden, sin los límites de una hoja y también con líneas de 4, 5 o 6 "
       "puntos (A B C P, A B C D E, A B C D E F)",
       false},
      {{"hide-answer"},
       "",
       "oculta los nombres que dan la respuesta (situación del punto, tipo y posición "
       "de la recta), como en un ejercicio",
       false},
      {{"space-view"},
       "GIRO,INCLINACIÓN[,ABATIMIENTO]",
       "dibuja con --export la vista en el espacio: GIRO grados alrededor de la vertical, "
       "INCLINACIÓN grados sobre H (de -90 a 90) y V abatido hasta ABATIMIENTO grados sobre H "
       "(de 0 a 90; sin él, 90, V vertical); la vista de partida es 64,17 y 0,90,0 es la vista "
       "diédrica plana",
       false},
      {{"scale"}, "N", "dibuja N veces mayor, de 1 a 8 (PNG y SVG; sin ella, 1)", false},
      {{"palette"},
       "ARCHIVO",
       "toma los colores de ARCHIVO (16 colores de 3 bytes); sin ella, de pruebas.pal "
       "de la carpeta actual o, si no existe, los colores incluidos (una hoja de "
       "ejercicios usa sin ella grises, para que una fotocopia no pierda nada, y su banco "
       "de preguntas los tonos claros de impresion.pal)",
       false},
      {{"worksheet"},
       "N",
       "escribe en PDF (A4) una hoja de N ejercicios al azar, de 1 a 60, con sus "
       "soluciones al final, sin abrir la ventana",
       true},
      {{"seed"},
       "S",
       "semilla de la hoja, un número entero de 0 a 4294967295: la misma semilla da la "
       "misma hoja; sin ella se elige al azar (siempre se escribe «Semilla: S»)",
       false},
      {{"kind"},
       "TIPO",
       "ejercicios de la hoja: puntos, rectas, planos, cuadrantes, construcciones o mixtos "
       "(también points, lines, planes, quadrants, constructions, mixed; sin ella, mixtos, "
       "que reparte por igual puntos, rectas y planos); construcciones: dos por página a "
       "escala 1:1 (1 unidad = 1 mm), para resolver con regla y escuadra",
       false},
      {{"plane-figures"},
       "",
       "con --kind planos o mixtos, pone también ejercicios de punto y plano, recta y plano y "
       "dos planos, como «Ejercicios de planos» en la ventana",
       false},
      {{"constructions"},
       "",
       "con --kind mixtos, uno de cada cuatro ejercicios (al menos uno) es de construcción, "
       "a escala 1:1, después de los demás",
       false},
      {{"worksheet-file"},
       "LISTA.txt",
       "escribe la hoja con los ejercicios de LISTA.txt, uno por línea: A(10,20,30) un "
       "punto, A(-10,40,40) B(50,60,80) una recta (seguida de «cuadrantes» para preguntar "
       "por ellos), A(..) B(..) C(..) un plano, A(..) B(..) C(..) P(..) un punto y un plano, "
       "A(..) B(..) C(..) D(..) E(..) una recta y un plano, A(..) B(..) C(..) D(..) E(..) "
       "F(..) dos planos; hasta 200, con abscisas de -120 a 120 y "
       "alejamientos y cotas de -140 a 140; lo que sigue a # es un comentario. Una línea "
       "que empieza por «construir:» es un ejercicio de construcción a escala 1:1: "
       "«construir: A(..) B(..)» las trazas de la recta, «construir: A(..) B(..) C(..) "
       "P(..)» la proyección p' que falta (no se lee la cota de P), «construir: A B C D E» "
       "dónde corta la recta al plano, «construir: A B C D E F» la intersección de dos "
       "planos; se rechaza, con su número de línea, la que no cabe con su construcción en "
       "170 × 116 mm",
       true},
      {{"o", "output"}, "ARCHIVO.pdf", "el archivo de la hoja de ejercicios", false},
      {{"key"}, "ARCHIVO.pdf", "escribe las soluciones en ARCHIVO.pdf en lugar de al final", false},
      {{"moodle"},
       "ARCHIVO.xml",
       "escribe además los ejercicios como banco de preguntas de Moodle (XML)",
       false},
      {{"perspective"}, "", "añade la vista de los planos junto a cada ejercicio", false},
      {{"h", "help"}, "", "muestra esta ayuda y termina", false},
      {{"v", "version"}, "", "muestra la versión y termina", false},
  };
  return rows;
}

struct Streams {
  QTextStream& out;
  QTextStream& err;
  // False when standard output takes nothing (a full disk, /dev/full).
  bool Print(const QString& text) {
    out << text;
    out.flush();
    return out.status() == QTextStream::Ok;
  }
  int Fail(int status, const QString& message) {
    err << kProgram << ": " << message << '\n';
    if (status == ExitBadInput) err << "Pruebe «" << kProgram << " --help».\n";
    err.flush();
    return status;
  }
};

// A run without the window, chosen by its trigger option.
struct Mode {
  QString trigger;
  QStringList options;  // the options it accepts besides its trigger
  int (*run)(const QCommandLineParser& parser, Streams& io);
  // The trigger of the run this one becomes an option of, when both are given.
  QString yieldsTo;
};

int RunExport(const QCommandLineParser& parser, Streams& io);
int RunWorksheet(const QCommandLineParser& parser, Streams& io);
int RunWorksheetFile(const QCommandLineParser& parser, Streams& io);
int RunDescribe(const QCommandLineParser& parser, Streams& io);

const std::vector<Mode>& Modes() {
  static const std::vector<Mode> modes = {
      {"export",
       {"point", "line", "plane", "plane-intercepts", "profile", "traces", "visibility",
        "construction", "construction-steps", "notable-lines", "describe", "hide-answer", "scale",
        "palette", "space-view"},
       RunExport,
       {}},
      {"worksheet",
       {"seed", "kind", "plane-figures", "constructions", "palette", "output", "key", "moodle",
        "perspective"},
       RunWorksheet,
       {}},
      {"worksheet-file",
       {"palette", "output", "key", "moodle", "perspective"},
       RunWorksheetFile,
       "describe"},
      {"describe",
       {"point", "line", "plane", "plane-intercepts", "worksheet-file", "construction-steps"},
       RunDescribe,
       "export"},
  };
  return modes;
}

QString Dashed(const QString& name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

const OptionRow* RowOf(const QString& name) {
  for (const OptionRow& row : Options())
    if (row.names.contains(name)) return &row;
  return nullptr;
}

// The argument's option name, if it is written as one ("--name", "--name=v",
// "-n"). A single dash takes a whole word, as the parser does, so Qt's own
// options ("-visual", "-style") never pass for ours.
QString OptionNameOf(const QString& argument) {
  if (argument.startsWith(QLatin1String("--"))) return argument.mid(2).section('=', 0, 0);
  if (argument.startsWith('-') && argument.size() > 1) return argument.mid(1).section('=', 0, 0);
  return QString();
}

// QCommandLineParser's own messages are English; say what went wrong in Spanish.
QString ParseFailure(const QCommandLineParser& parser, const QStringList& arguments) {
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) return QStringLiteral("opción desconocida: %1").arg(Dashed(unknown[0]));
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const OptionRow* row = RowOf(OptionNameOf(a));
    if (row == nullptr) continue;
    const bool inlineValue = a.startsWith(QLatin1String("--")) && a.contains('=');
    if (row->valueName.isEmpty() && inlineValue)
      return QStringLiteral("%1 no lleva valor").arg(Dashed(OptionNameOf(a)));
    if (!row->valueName.isEmpty() && !inlineValue && i + 1 == arguments.size())
      return QStringLiteral("falta el valor de %1 (%2)")
          .arg(Dashed(OptionNameOf(a)), row->valueName);
  }
  return QStringLiteral("argumentos no válidos");
}

// One description a line, for scripts; with the construction's sentences when asked.
std::string Describe(const figures::Kind& kind, const figures::FigurePoints& points, bool steps) {
  if (!steps) return figures::DescriptionJson(kind, points) + '\n';
  render::SceneSpec picture;
  picture.figure = kind.Figure();
  picture.A = points[0];
  picture.B = points[1];
  picture.C = points[2];
  picture.D = points[3];
  picture.E = points[4];
  picture.F = points[5];
  return figures::DescriptionJson(kind, points, render::StepSentences(picture)) + '\n';
}

// Why the picture's construction cannot be drawn step by step; empty when it can.
QString StepsFault(const figures::Kind& kind, const render::SceneSpec& picture) {
  if (!kind.Construction()) {
    return QStringLiteral(
               "--construction-steps: la figura (%1) no tiene construcción paso a paso; la tienen "
               "una recta, un punto o una recta con un plano, y dos planos")
        .arg(QString::fromUtf8(kind.Word()).toLower());
  }
  const auto construction = render::PictureConstruction(picture);
  if (construction && construction->steps.empty()) {
    return QStringLiteral("--construction-steps: %1")
        .arg(QString::fromStdString(construction->lack.empty() ? "la figura no tiene pasos"
                                                               : construction->lack));
  }
  return QString();
}

int PrintDescriptions(Streams& io, const std::string& text) {
  if (!io.Print(QString::fromStdString(text)))
    return io.Fail(ExitFileError, QStringLiteral("no se pudo escribir en la salida estándar"));
  return ExitOk;
}

// The colours as the window's start-up sets them, from the file asked for.
// Returns an empty string or the fault.
QString LoadColours(const QCommandLineParser& parser, delgraph::Palette& palette) {
  QString path = parser.value("palette");
  if (path.isEmpty()) {
    path = QStringLiteral("pruebas.pal");
    if (!QFileInfo::exists(path)) {
      delgraph::ApplyShippedPalette(palette);
      return QString();
    }
  }
  const delgraph::PaletteReading reading = delgraph::ReadPaletteFile(path);
  if (reading.fault != delgraph::FileFault::kNone)
    return delgraph::SpanishPaletteMessage(reading.fault, path);
  for (int k = 0; k < 16; ++k) {
    const delgraph::RGBEntry& c = reading.colours[static_cast<std::size_t>(k)];
    palette.SetEntry(static_cast<std::uint16_t>(k), c.red, c.green, c.blue);
  }
  palette.SetEntry(0, 250, 250, 255);
  return QString();
}

// The files of --construction-steps, all or none; an empty string or the fault.
QString WriteSteps(const render::SceneSpec& picture, const delgraph::Palette& palette,
                   const QString& path, render::Format format, int scale) {
  const std::vector<render::FileToSave> files =
      render::StepFiles(picture, palette, path, format, scale);
  for (const render::FileToSave& file : files)
    if (file.bytes.isEmpty()) return render::SaveBytes(file.bytes, file.path);
  return render::SaveTogetherMessage(files, render::SaveTogether(files));
}

// --space-view GIRO,INCLINACIÓN[,ABATIMIENTO], in degrees; empty or the fault.
QString ReadSpaceView(const QString& text, drawing::SpaceView& view) {
  const QStringList parts = text.split(',');
  if (parts.size() < 2 || parts.size() > 3)
    return QStringLiteral(
               "--space-view: «%1» no es GIRO,INCLINACIÓN o GIRO,INCLINACIÓN,ABATIMIENTO")
        .arg(text);
  const char* names[3] = {"el giro", "la inclinación", "el abatimiento"};
  double values[3] = {0.0, 0.0, 90.0};
  for (int k = 0; k < parts.size(); ++k) {
    bool ok = false;
    values[k] = parts[k].trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(values[k]))
      return QStringLiteral("--space-view: %1 «%2» no es un número")
          .arg(QString::fromUtf8(names[k]), parts[k]);
  }
  if (values[1] < -90.0 || values[1] > 90.0)
    return QStringLiteral("--space-view: la inclinación «%1» está fuera de rango: de -90 a 90")
        .arg(parts[1]);
  if (values[2] < 0.0 || values[2] > 90.0)
    return QStringLiteral("--space-view: el abatimiento «%1» está fuera de rango: de 0 a 90")
        .arg(parts[2]);
  view.camera.yaw = 0.0;
  view.camera.Turn(values[0]);
  view.camera.pitch = values[1];
  view.fold = values[2];
  return QString();
}

int RunExport(const QCommandLineParser& parser, Streams& io) {
  const QString path = parser.value("export");
  const std::optional<render::Format> format = render::FormatOfPath(path);
  if (!format) {
    return io.Fail(
        ExitBadInput,
        QStringLiteral("extensión desconocida en «%1»: use .png, .svg o .pdf").arg(path));
  }
  render::SceneSpec picture;
  QString fault;
  const figures::Kind* kind = ReadScene(parser, picture, &fault);
  if (kind == nullptr) return io.Fail(ExitBadInput, fault);
  picture.profile = parser.isSet("profile");
  picture.answerHidden = parser.isSet("hide-answer");
  picture.traces = parser.isSet("traces");
  picture.visibility = parser.isSet("visibility");
  picture.construction = parser.isSet("construction");
  picture.notable = parser.isSet("notable-lines");
  // An empty name would quietly fall back to pruebas.pal; --worksheet refuses it too.
  if (parser.isSet("palette") && parser.value("palette").isEmpty())
    return io.Fail(ExitBadInput, "--palette: falta el nombre del archivo");
  int scale = 1;
  if (parser.isSet("scale")) {
    bool ok = false;
    scale = parser.value("scale").trimmed().toInt(&ok, 10);
    if (!ok || scale < render::MinScale || scale > render::MaxScale) {
      const bool number = CoordinateFault(parser.value("scale")) != "no es un número entero";
      return io.Fail(ExitBadInput, QStringLiteral("--scale: «%1» %2 de 1 a 8")
                                       .arg(parser.value("scale"),
                                            number ? QStringLiteral("está fuera de rango:")
                                                   : QStringLiteral("no es un número entero")));
    }
  }

  const bool steps = parser.isSet("construction-steps");
  if (steps && parser.isSet("space-view"))
    return io.Fail(ExitBadInput, "--construction-steps no sirve con --space-view");
  if (steps) {
    fault = StepsFault(*kind, picture);
    if (!fault.isEmpty()) return io.Fail(ExitBadInput, fault);
  }
  drawing::SpaceView space;
  if (parser.isSet("space-view")) {
    fault = ReadSpaceView(parser.value("space-view"), space);
    if (!fault.isEmpty()) return io.Fail(ExitBadInput, fault);
    space.profile = picture.profile;
  }

  delgraph::Palette palette;
  fault = LoadColours(parser, palette);
  if (!fault.isEmpty()) return io.Fail(ExitFileError, fault);
  if (steps)
    fault = WriteSteps(picture, palette, path, *format, scale);
  else if (parser.isSet("space-view"))
    fault = render::WriteSpaceFile(render::SceneOf(picture), space, path, *format, scale);
  else
    fault = render::WriteFile(picture, palette, path, *format, scale);
  if (!fault.isEmpty()) return io.Fail(ExitFileError, fault);
  if (parser.isSet("describe"))
    return PrintDescriptions(io, Describe(*kind, PointsOf(picture), steps));
  return ExitOk;
}

// The options a sheet shares, as typed; file names as the file system spells them.
quiz::SheetOptionTexts SheetTexts(const QCommandLineParser& parser) {
  const auto text = [&parser](const char* name) -> std::optional<std::string> {
    if (!parser.isSet(name)) return std::nullopt;
    return delgraph::EncodeFileName(parser.value(name)).toStdString();
  };
  quiz::SheetOptionTexts texts;
  texts.count = parser.value("worksheet").toStdString();
  texts.seed = text("seed");
  texts.kind = text("kind");
  texts.palette = text("palette");
  texts.output = text("output");
  texts.key = text("key");
  texts.moodle = text("moodle");
  texts.perspective = parser.isSet("perspective");
  texts.planeFigures = parser.isSet("plane-figures");
  texts.constructions = parser.isSet("constructions");
  texts.list = text("worksheet-file");
  return texts;
}

// The options checked, and no file given two roles. Returns an empty string or
// the fault.
std::string CheckSheet(const QCommandLineParser& parser, quiz::SheetRequest& request) {
  std::string fault = quiz::CheckSheetOptions(SheetTexts(parser), request);
  if (fault.empty()) fault = render::SheetFileClash(request);
  return fault;
}

int SheetFailure(Streams& io, const render::SheetResult& result) {
  return io.Fail(result.fault == render::SheetFault::kSameFile ? ExitBadInput : ExitFileError,
                 QString::fromStdString(result.message));
}

int RunWorksheet(const QCommandLineParser& parser, Streams& io) {
  quiz::SheetRequest request;
  const std::string fault = CheckSheet(parser, request);
  if (!fault.empty()) return io.Fail(ExitBadInput, QString::fromStdString(fault));
  if (!request.seedGiven) request.seed = quiz::RandomSeed();

  const render::SheetResult result = render::WriteWorksheet(request);
  if (result.fault != render::SheetFault::kNone) return SheetFailure(io, result);
  // Printed once the sheet exists: with it the same sheet can be made again, so a
  // seed that cannot be printed fails the run, and the message still gives it.
  const QString seed = QStringLiteral("Semilla: %1").arg(request.seed);
  if (!io.Print(seed + '\n'))
    return io.Fail(ExitFileError,
                   QStringLiteral("no se pudo escribir «%1» en la salida estándar").arg(seed));
  return ExitOk;
}

// The exercises of the list at path, read as a sheet or for a description; returns
// ExitOk or the status of the fault, already reported.
int ReadList(const QString& path, quiz::ListReading how, Streams& io,
             quiz::ExerciseListResult& list) {
  const QString shown = delgraph::ShownFileName(path);
  // A sheet's list is a few lines; one far larger is not a list. A description's
  // may be long, within what is sensible to hold at once.
  const qint64 maxBytes = how == quiz::ListReading::kSheet ? qint64{1} << 20 : qint64{1} << 30;
  const delgraph::FileReading reading = delgraph::ReadRegularFile(path, maxBytes);
  if (reading.fault != delgraph::FileFault::kNone)
    return io.Fail(ExitFileError, QStringLiteral("no se puede leer la lista «%1»: %2")
                                      .arg(shown, delgraph::SpanishReason(reading.fault)));
  if (reading.tooLarge)
    return io.Fail(ExitBadInput, QStringLiteral("la lista «%1» es demasiado grande").arg(shown));
  list = quiz::ParseExerciseList(reading.bytes.toStdString(),
                                 shown.mid(shown.lastIndexOf('/') + 1).toStdString(), how);
  if (!list.fault.empty()) return io.Fail(ExitBadInput, QString::fromStdString(list.fault));
  return ExitOk;
}

int RunWorksheetFile(const QCommandLineParser& parser, Streams& io) {
  quiz::SheetRequest request;
  const std::string fault = CheckSheet(parser, request);
  if (!fault.empty()) return io.Fail(ExitBadInput, QString::fromStdString(fault));
  quiz::ExerciseListResult list;
  const int status = ReadList(delgraph::DecodeFileName(QByteArray::fromStdString(*request.list)),
                              quiz::ListReading::kSheet, io, list);
  if (status != ExitOk) return status;

  const render::SheetResult result =
      render::WriteWorksheet(request, list.exercises, list.constructions);
  if (result.fault != render::SheetFault::kNone) return SheetFailure(io, result);
  const QString count =
      QStringLiteral("Ejercicios: %1").arg(list.exercises.size() + list.constructions.size());
  if (!io.Print(count + '\n'))
    return io.Fail(ExitFileError,
                   QStringLiteral("no se pudo escribir «%1» en la salida estándar").arg(count));
  return ExitOk;
}

int RunDescribe(const QCommandLineParser& parser, Streams& io) {
  if (!parser.isSet("worksheet-file")) {
    render::SceneSpec picture;
    QString fault;
    const figures::Kind* kind = ReadScene(parser, picture, &fault);
    if (kind == nullptr) return io.Fail(ExitBadInput, fault);
    return PrintDescriptions(
        io, Describe(*kind, PointsOf(picture), parser.isSet("construction-steps")));
  }
  quiz::ExerciseListResult list;
  const int status =
      ReadList(parser.value("worksheet-file"), quiz::ListReading::kDescribe, io, list);
  if (status != ExitOk) return status;
  std::string text;
  for (const quiz::GeneratedExercise& e : list.exercises)
    text += Describe(figures::KindOf(e.figure), e.Points(), parser.isSet("construction-steps"));
  return PrintDescriptions(io, text);
}

// Lines of at most `width` characters, each after `indent` blanks but the first.
QString Wrapped(const QString& text, int indent, int width) {
  QString result, line;
  for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
      result += line + '\n' + QString(indent, ' ');
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  return result + line;
}

}  // namespace

QString HelpText() {
  constexpr int kColumn = 24;
  constexpr int kWidth = 79;
  QString text;
  QTextStream s(&text);
  s << "Uso: " << kProgram << " [OPCIÓN]...\n"
    << "Quorvel enseña el sistema diédrico: las proyecciones de un punto, de una recta\n"
    << "o de un plano. Sin opciones abre su ventana; con --export dibuja una escena en\n"
    << "un archivo sin abrir ninguna ventana y sin necesitar pantalla; con --worksheet\n"
    << "escribe una hoja de ejercicios para imprimir, con sus soluciones. Una escena\n"
    << "puede ser también un punto o una recta con un plano, o dos planos; --describe\n"
    << "escribe en JSON cómo es, sin necesitar pantalla.\n\n"
    << "Opciones:\n";
  for (const OptionRow& row : Options()) {
    QStringList names;
    for (const QString& name : row.names) names << Dashed(name);
    QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (!row.valueName.isEmpty()) left += ' ' + row.valueName;
    if (left.size() + 2 > kColumn) {
      s << left << '\n' << QString(kColumn, ' ');
    } else {
      s << left.leftJustified(kColumn, ' ');
    }
    s << Wrapped(row.description, kColumn, kWidth - kColumn) << '\n';
  }
  s << "\nEjemplos:\n"
    << "  " << kProgram << " --export punto.png --point 20,40,30\n"
    << "  " << kProgram << " --export recta.pdf --line=-40,30,20:50,-20,60 --profile\n"
    << "  " << kProgram << " --worksheet 30 --seed 1234 --kind rectas -o hoja.pdf\n"
    << "  " << kProgram << " --worksheet-file lista.txt -o hoja.pdf --key soluciones.pdf\n"
    << "  " << kProgram << " --export rp.png --plane-intercepts 60,45,50 --line=0,0,0:40,30,60\n"
    << "  " << kProgram << " --describe --plane-intercepts 60,45,50 --plane-intercepts 30,40,inf\n"
    << "  " << kProgram << " --describe --worksheet-file lista.txt\n"
    << "  " << kProgram << " --export pasos.pdf --construction-steps --line=-40,30,20:50,-20,60\n\n"
    << "Estado de salida: 0 si todo va bien, 2 si los argumentos no son válidos (no se\n"
    << "escribe nada), 1 si un archivo no se puede leer o escribir, o la salida estándar\n"
    << "no admite la semilla o la descripción. Una hoja, o los pasos de\n"
    << "--construction-steps, escribe todos sus archivos o ninguno.\n\n"
    << app::KeysAndCommandsText();
  s.flush();
  return text;
}

bool WantsCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QString name = OptionNameOf(QString::fromLocal8Bit(argv[i]));
    if (!name.isEmpty() && RowOf(name) != nullptr) return true;
  }
  return false;
}

int Execute(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  Streams io{out, err};
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const OptionRow& row : Options()) {
    parser.addOption(QCommandLineOption(row.names, row.description, row.valueName));
  }
  if (!parser.parse(arguments)) return io.Fail(ExitBadInput, ParseFailure(parser, arguments));
  if (parser.isSet("help") || parser.isSet("version")) {
    const QString text = parser.isSet("help")
                             ? HelpText()
                             : QStringLiteral("%1 %2\n").arg(kProgram, QUORVEL_VERSION);
    if (!io.Print(text))
      return io.Fail(ExitFileError, QStringLiteral("no se pudo escribir en la salida estándar"));
    return ExitOk;
  }
  // An option's value that is itself an option: the value was left out
  // ("--worksheet -o h.pdf" takes -o as N).
  for (const OptionRow& row : Options()) {
    if (row.valueName.isEmpty()) continue;
    for (const QString& value : parser.values(row.names[0])) {
      if (RowOf(OptionNameOf(value)) == nullptr) continue;
      return io.Fail(
          ExitBadInput,
          QStringLiteral("falta el valor de %1 (%2)").arg(Dashed(row.names.last()), row.valueName));
    }
  }
  if (!parser.positionalArguments().isEmpty()) {
    return io.Fail(ExitBadInput,
                   QStringLiteral("argumento de más: «%1»").arg(parser.positionalArguments()[0]));
  }
  for (const OptionRow& row : Options()) {
    // A scene may have two planes, each given either way.
    const bool plane = row.names[0] == "plane" || row.names[0] == "plane-intercepts";
    if (!plane && !row.valueName.isEmpty() && parser.values(row.names[0]).size() > 1)
      return io.Fail(ExitBadInput,
                     QStringLiteral("%1 se da más de una vez").arg(Dashed(row.names[0])));
  }

  const Mode* mode = nullptr;
  QStringList triggers;
  for (const Mode& m : Modes()) {
    triggers << Dashed(m.trigger);
    if (!parser.isSet(m.trigger) || (!m.yieldsTo.isEmpty() && parser.isSet(m.yieldsTo))) continue;
    if (mode != nullptr) {
      return io.Fail(ExitBadInput, QStringLiteral("%1 y %2 no se pueden dar juntas")
                                       .arg(Dashed(mode->trigger), Dashed(m.trigger)));
    }
    mode = &m;
  }
  if (mode == nullptr) {
    return io.Fail(ExitBadInput,
                   QStringLiteral("falta %1: no hay nada que hacer").arg(triggers.join(" o ")));
  }
  for (const OptionRow& row : Options()) {
    const QString& name = row.names.last();
    if (name == mode->trigger || name == "help" || name == "version") continue;
    if (parser.isSet(name) && !mode->options.contains(name)) {
      return io.Fail(ExitBadInput,
                     QStringLiteral("%1 no sirve con %2").arg(Dashed(name), Dashed(mode->trigger)));
    }
  }
  return mode->run(parser, io);
}

namespace {
// A command-line run speaks only in its own Spanish messages: Qt's notes and warnings
// (a missing runtime folder on the offscreen platform, font look-ups) are dropped;
// its critical errors still reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "quorvel: %s\n", message.toLocal8Bit().constData());
  }
}
}  // namespace

int Main(int argc, char** argv) {
  qInstallMessageHandler(QuietQtMessages);
  bool output = false, describe = false, exportAsked = false;
  for (int i = 1; i < argc; ++i) {
    const OptionRow* row = RowOf(OptionNameOf(QString::fromLocal8Bit(argv[i])));
    if (row == nullptr) continue;
    output = output || row->output;
    describe = describe || row->names[0] == "describe";
    exportAsked = exportAsked || row->names[0] == "export";
  }
  // A description reads a list but draws nothing, unless a file is drawn too.
  if (describe && !exportAsked) output = false;
  // A file is drawn with fonts, which need a platform, but never a display: the
  // offscreen one, whatever the environment or a -platform argument asks for, so a
  // run that writes a file works the same with or without a display.
  std::vector<char*> arguments(argv, argv + argc);
  if (output) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    arguments.clear();
    for (int i = 0; i < argc; ++i) {
      const bool platform =
          std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0;
      if (platform && i > 0) {
        ++i;  // and its value
        continue;
      }
      arguments.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);  // argv ends in a null pointer
  std::unique_ptr<QCoreApplication> application;
  if (output) {
    application = std::make_unique<QGuiApplication>(count, arguments.data());
  } else {
    application = std::make_unique<QCoreApplication>(count, arguments.data());
  }
  // The arguments as Qt leaves them (its own options taken out), each byte kept:
  // a file name need not be UTF-8.
  QStringList decoded;
  for (int i = 0; i < count; ++i) decoded << delgraph::DecodeFileName(QByteArray(arguments[i]));
  QTextStream out(stdout), err(stderr);
  return Execute(decoded, out, err);
}

}  // namespace cli
