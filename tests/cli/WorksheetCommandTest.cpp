// quorvel --worksheet: the pages a sheet has, the text it carries (repeatable from
// its seed, with the key the classification gives), and every refused input with
// its status and no file left behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>
#include <array>
#include <utility>
#include <vector>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "cli/CommandLine.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "quiz/SheetExercises.h"
#include "render/WorksheetPdf.h"

namespace {

struct Outcome {
  int status = -1;
  QString out, err;
};

class WorksheetCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }

  static Outcome Execute(const QStringList& args) {
    Outcome r;
    QTextStream out(&r.out), err(&r.err);
    r.status = cli::Execute(QStringList{QStringLiteral("quorvel")} + args, out, err);
    return r;
  }
  Outcome Sheet(const QString& count, const QString& seed, const QString& name,
                const QStringList& more = {}) {
    return Execute(QStringList{"--worksheet", count, "--seed", seed, "-o", Path(name)} + more);
  }

  // poppler's tools read the file as any PDF reader would.
  static QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  static int Pages(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(Tool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
  }
  static QString Text(const QString& pdf) {
    return Tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  }

  QTemporaryDir dir;
};

TEST_F(WorksheetCommandTest, FourExercisesAPageThenTheKeyWithItsOwnPages) {
  // {exercises, exercise pages, key pages}
  const std::array<int, 3> counts[] = {{1, 1, 1}, {4, 1, 1}, {5, 2, 1}, {60, 15, 2}};
  for (const auto& [n, pages, keyPages] : counts) {
    const QString name = QStringLiteral("h%1.pdf").arg(n);
    const Outcome r = Sheet(QString::number(n), "5", name);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Semilla: 5\n"));
    EXPECT_EQ(Pages(Path(name)), pages + keyPages) << n;
    EXPECT_EQ(render::SheetPageCount(n), pages);
  }
  const QString text = Text(Path("h60.pdf"));
  EXPECT_TRUE(text.contains(QStringLiteral("Semilla 5 · página 15 de 15")));
  EXPECT_FALSE(text.contains(QStringLiteral("de 17")));
  EXPECT_TRUE(text.contains(QStringLiteral("Soluciones · página 1 de 2")));
  EXPECT_TRUE(text.contains(QStringLiteral("Soluciones · página 2 de 2")));
  EXPECT_TRUE(text.contains(QStringLiteral("Ejercicio 60")));
  // With the space view beside each, two a page.
  ASSERT_EQ(Sheet("5", "5", "persp.pdf", {"--perspective"}).status, 0);
  EXPECT_EQ(Pages(Path("persp.pdf")), 3 + 1);
}

TEST_F(WorksheetCommandTest, KeyFileHoldsTheKeyAndTheSheetOnlyTheExercises) {
  const Outcome r = Sheet("8", "3", "hoja.pdf", {"--key", Path("sol.pdf")});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(Pages(Path("hoja.pdf")), 2);
  EXPECT_EQ(Pages(Path("sol.pdf")), 1);
  const QString sheet = Text(Path("hoja.pdf"));
  const QString key = Text(Path("sol.pdf"));
  EXPECT_FALSE(sheet.contains(QStringLiteral("Soluciones")));
  EXPECT_TRUE(sheet.contains(QStringLiteral("Semilla 3 · página 2 de 2")));
  EXPECT_TRUE(key.contains(QStringLiteral("Soluciones · página 1 de 1")));
  EXPECT_FALSE(key.contains(QStringLiteral("Ejercicio 1")));
  const auto exercises = quiz::SheetExercises(8, 3, quiz::SheetKind::kMixed);
  // Short enough for one line of the key each.
  EXPECT_TRUE(key.contains(QString::fromStdString(quiz::KeyLine(1, exercises[0]))));

  // Bad names write nothing.
  EXPECT_EQ(Sheet("8", "3", "x.pdf", {"--key", Path("sol.txt")}).status, 2);
  EXPECT_EQ(Sheet("8", "3", "x.pdf", {"--key", Path("x.pdf")}).status, 2);
  EXPECT_FALSE(QFile::exists(Path("x.pdf")));
}

TEST_F(WorksheetCommandTest, EachKindInSpanishAndEnglish) {
  const std::pair<const char*, const char*> kinds[] = {{"puntos", "points"},
                                                       {"rectas", "lines"},
                                                       {"mixtos", "mixed"},
                                                       {"planos", "planes"},
                                                       {"cuadrantes", "quadrants"}};
  for (const auto& [spanish, english] : kinds) {
    ASSERT_EQ(Sheet("6", "21", "es.pdf", {"--kind", spanish}).status, 0) << spanish;
    ASSERT_EQ(Sheet("6", "21", "en.pdf", {"--kind", english}).status, 0) << english;
    const QString es = Text(Path("es.pdf"));
    EXPECT_EQ(es.toUtf8(), Text(Path("en.pdf")).toUtf8()) << spanish;
    const int points = es.count(QStringLiteral("Situación: "));
    const int lines = es.count(QStringLiteral("Tipo: "));
    const int planes = es.count(QStringLiteral("Tipo de plano: "));
    const int quadrants = es.count(QStringLiteral("Cuadrantes que atraviesa la recta: "));
    EXPECT_EQ(points + lines + planes + quadrants, 6) << spanish;
    if (QString::fromLatin1(spanish) == "planos") {
      EXPECT_EQ(planes, 6);
    }
    if (QString::fromLatin1(spanish) == "cuadrantes") {
      EXPECT_EQ(quadrants, 6);
    }
    if (QString::fromLatin1(spanish) == "puntos") {
      EXPECT_EQ(points, 6);
    }
    if (QString::fromLatin1(spanish) == "rectas") {
      EXPECT_EQ(lines, 6);
    }
  }
}

TEST_F(WorksheetCommandTest, ListFileMakesTheSheetOrIsRefusedByLine) {
  const auto write = [this](const QString& name, const QByteArray& text) {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  };
  write("lista.txt", "# lunes\nA(10,20,30)\n\nA(-10,40,40) B(50,60,80)\n");
  Outcome r = Execute({"--worksheet-file", Path("lista.txt"), "-o", Path("l.pdf")});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QString text = Text(Path("l.pdf"));
  EXPECT_TRUE(text.contains(QStringLiteral("1. A=(10,20,30): PRIMER CUADRANTE")));
  EXPECT_TRUE(text.contains(QStringLiteral("2. A=(-10,40,40) B=(50,60,80): OBLICUA")));
  EXPECT_TRUE(text.contains(QStringLiteral("lista.txt · página 1 de 1")));

  write("mala.txt", "A(10,20,30)\nA(10,20,30)\nA(1,2,3) B(x,5,6)\n");
  r = Execute(
      {"--worksheet-file", Path("mala.txt"), "-o", Path("m.pdf"), "--moodle", Path("m.xml")});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("mala.txt, línea 3: «A(1,2,3) B(x,5,6)»")))
      << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("m.pdf")));
  EXPECT_FALSE(QFile::exists(Path("m.xml")));
  EXPECT_EQ(Execute({"--worksheet-file", Path("falta.txt"), "-o", Path("m.pdf")}).status, 1);
  EXPECT_EQ(
      Execute({"--worksheet-file", Path("lista.txt"), "--seed", "3", "-o", Path("m.pdf")}).status,
      2);
}

TEST_F(WorksheetCommandTest, MoodleBankHasOneQuestionPerExerciseWithItsPictureAndRightNames) {
  ASSERT_EQ(Sheet("6", "13", "b.pdf", {"--moodle", Path("banco.xml")}).status, 0);
  const auto exercises = quiz::SheetExercises(6, 13, quiz::SheetKind::kMixed);
  QFile file(Path("banco.xml"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  int question = -1;
  QString type, html;
  std::vector<QString> right, wrong;
  const auto check = [&] {
    if (question < 0) return;
    const quiz::GeneratedExercise& e = exercises[static_cast<std::size_t>(question)];
    EXPECT_EQ(type, (e.figure == scene::Figure::kPoint) ? "multichoice" : "cloze");
    EXPECT_TRUE(html.contains(QStringLiteral("@@PLUGINFILE@@/ejercicio%1.png").arg(question + 1)));
    if (e.figure == scene::Figure::kPoint) {
      const std::int32_t code = classify::PointLocation(e.a.alejamiento, e.a.cota).code;
      EXPECT_EQ(right, std::vector<QString>{QString::fromStdString(quiz::LocationName(code))});
      EXPECT_EQ(wrong.size(), 8u);
    } else if (e.figure == scene::Figure::kPlane) {
      const auto codes = classify::PlaneTrueCodes(e.a, e.b, e.c);
      for (std::int32_t code : codes)
        EXPECT_TRUE(html.contains(QStringLiteral("%100%") +
                                  QString::fromStdString(quiz::PlaneTypeName(code))));
      EXPECT_EQ(html.count(QStringLiteral("%100%")), static_cast<int>(codes.size()));
    } else {
      for (std::int32_t code : classify::TrueTypes(e.a, e.b))
        EXPECT_TRUE(
            html.contains(QStringLiteral("%100%") + QString::fromStdString(quiz::TypeName(code))));
      // Every other name marked wrong, even one starting with "=".
      EXPECT_FALSE(html.contains(QStringLiteral("~=")));
      EXPECT_EQ(html.count(QStringLiteral("%100%")),
                static_cast<int>(classify::TrueTypes(e.a, e.b).size() +
                                 (e.a == e.b ? 0 : classify::TrueRelations(e.a, e.b).size())));
    }
  };
  QString parent;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const QString name = xml.name().toString();
    if (name == "question") {
      check();
      ++question;
      type = xml.attributes().value("type").toString();
      // The bank's category comes first, before its exercises.
      if (type == "category") {
        EXPECT_EQ(question, 0);
        question = -1;
        continue;
      }
      right.clear();
      wrong.clear();
    } else if (name == "name" || name == "questiontext") {
      parent = name;
    } else if (name == "answer") {
      parent = xml.attributes().value("fraction") == QStringLiteral("100") ? "right" : "wrong";
    } else if (name == "file") {
      const QImage image =
          QImage::fromData(QByteArray::fromBase64(xml.readElementText().toLatin1()), "PNG");
      EXPECT_TRUE(!image.isNull() && image.width() > 100) << question;
    } else if (name == "text") {
      const QString text = xml.readElementText();
      if (parent == "name") {
        EXPECT_EQ(text, QStringLiteral("Ejercicio %1 (mixtos, semilla 13)").arg(question + 1));
      }
      if (parent == "questiontext") html = text;
      if (parent == "right") right.push_back(text);
      if (parent == "wrong") wrong.push_back(text);
      parent.clear();
    }
  }
  check();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(question + 1, 6);
}

TEST_F(WorksheetCommandTest, OneSeedGivesOneTextAndTheKeyOfItsExercises) {
  ASSERT_EQ(Sheet("4", "11", "a.pdf").status, 0);
  ASSERT_EQ(Sheet("4", "11", "b.pdf").status, 0);
  ASSERT_EQ(Sheet("4", "12", "c.pdf").status, 0);
  const QString a = Text(Path("a.pdf"));
  ASSERT_FALSE(a.isEmpty());
  EXPECT_EQ(a.toUtf8(), Text(Path("b.pdf")).toUtf8());
  EXPECT_NE(a, Text(Path("c.pdf")));

  EXPECT_TRUE(a.contains(QStringLiteral("Hoja de ejercicios de sistema diédrico")));
  EXPECT_TRUE(a.contains(QStringLiteral("Semilla 11 · página 1 de 1")));
  EXPECT_TRUE(a.contains(QStringLiteral("Soluciones")));
  const auto exercises = quiz::SheetExercises(4, 11, quiz::SheetKind::kMixed);
  // A long key line wraps on the page.
  const QString flowing = a.simplified();
  int points = 0, planes = 0;
  for (int k = 0; k < 4; ++k) {
    const QString key = QString::fromStdString(quiz::KeyLine(k + 1, exercises[k]));
    EXPECT_TRUE(flowing.contains(key.simplified())) << key.toStdString();
    EXPECT_TRUE(a.contains(QStringLiteral("Ejercicio %1").arg(k + 1)));
    if (exercises[k].figure == scene::Figure::kPoint) ++points;
    if (exercises[k].figure == scene::Figure::kPlane) ++planes;
  }
  EXPECT_EQ(a.count(QStringLiteral("Situación: ")), points);
  EXPECT_EQ(a.count(QStringLiteral("Tipo de plano: ")), planes);
  EXPECT_EQ(a.count(QStringLiteral("Tipo: ")), 4 - points - planes);
  EXPECT_EQ(a.count(QStringLiteral("Posición respecto de H, V y L.T.: ")), 4 - points - planes);

  // A kind keeps to its answer lines.
  ASSERT_EQ(Sheet("6", "11", "p.pdf", {"--kind", "points"}).status, 0);
  const QString p = Text(Path("p.pdf"));
  EXPECT_EQ(p.count(QStringLiteral("Situación: ")), 6);
  EXPECT_FALSE(p.contains(QStringLiteral("Tipo: ")));

  // Without a seed, the one chosen is printed and is in the footer.
  const Outcome r = Execute({"--worksheet", "2", "-o", Path("r.pdf")});
  const auto m = QRegularExpression(QStringLiteral("^Semilla: (\\d+)\\n$")).match(r.out);
  ASSERT_TRUE(m.hasMatch()) << r.out.toStdString();
  EXPECT_TRUE(
      Text(Path("r.pdf")).contains(QStringLiteral("Semilla %1 · página").arg(m.captured(1))));
}

TEST_F(WorksheetCommandTest, RefusedInputWritesNothing) {
  struct Case {
    QStringList args;
    int status;
    const char* says;
  };
  const QString out = Path("x.pdf");
  QFile shortPalette(Path("corta.pal"));
  ASSERT_TRUE(shortPalette.open(QIODevice::WriteOnly));
  shortPalette.write(QByteArray(47, 'a'));
  shortPalette.close();
  const Case cases[] = {
      {{"--worksheet", "0", "-o", out}, 2, "--worksheet: «0»"},
      {{"--worksheet", "61", "-o", out}, 2, "de 1 a 60"},
      {{"--worksheet", "tres", "-o", out}, 2, "«tres»"},
      {{"--worksheet", "3", "--seed", "-1", "-o", out}, 2, "--seed: «-1»"},
      {{"--worksheet", "3", "--seed", "4294967296", "-o", out}, 2, "de 0 a 4294967295"},
      {{"--worksheet", "3", "--seed", "7.5", "-o", out}, 2, "--seed"},
      {{"--worksheet", "3", "--kind", "planas", "-o", out}, 2, "--kind: «planas»"},
      {{"--worksheet", "3", "-o", Path("x.png")}, 2, "no termina en .pdf"},
      {{"--worksheet", "3"}, 2, "falta -o"},
      {{"--worksheet", "3", "-o", Path("no/existe/x.pdf")}, 1, "«x.pdf»: la carpeta no existe"},
      {{"--worksheet", "3", "--palette", Path("falta.pal"), "-o", out}, 1, "falta.pal"},
      {{"--worksheet", "3", "--palette", Path("corta.pal"), "-o", out}, 1, "48"},
  };
  for (const Case& c : cases) {
    const Outcome r = Execute(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"corta.pal"});

  // A sheet that fails leaves the older file whole.
  QFile older(out);
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.write("antes");
  older.close();
  EXPECT_EQ(Execute({"--worksheet", "3", "--palette", Path("falta.pal"), "-o", out}).status, 1);
  ASSERT_TRUE(older.open(QIODevice::ReadOnly));
  EXPECT_EQ(older.readAll(), QByteArray("antes"));
}

TEST_F(WorksheetCommandTest, SheetKeyAndBankAreWrittenAllOrNoneAndEachFileHasOneRole) {
  const auto write = [this](const QString& name, const QByteArray& text) {
    QFile f(Path(name));
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
  };
  const auto read = [this](const QString& name) {
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  ASSERT_TRUE(write("h.pdf", "antes") && write("l.pdf", "A(10,20,30)\n"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta.xml"));
  // A key or a bank that cannot be written: the sheet is not written either.
  for (const QStringList& more :
       {QStringList{"--key", Path("no/k.pdf")}, QStringList{"--moodle", Path("carpeta.xml")}}) {
    const Outcome r = Sheet("3", "9", "h.pdf", more);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("No se ha guardado ninguno de los archivos")) << r.err.toStdString();
    EXPECT_EQ(read("h.pdf"), QByteArray("antes"));
  }
  ASSERT_EQ(Sheet("3", "9", "h.pdf", {"--key", Path("k.pdf"), "--moodle", Path("b.xml")}).status,
            0);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"b.xml", "h.pdf", "k.pdf", "l.pdf"}));

  // One file in two roles, whatever its names: refused before anything is touched.
  ASSERT_TRUE(QFile::link(Path("h.pdf"), Path("enlace.pdf")));
  const QByteArray sheet = read("h.pdf");
  for (const QStringList& arguments :
       {QStringList{"--worksheet", "2", "-o", Path("h.pdf"), "--key", Path("./h.pdf")},
        QStringList{"--worksheet", "2", "-o", Path("h.pdf"), "--key", Path("enlace.pdf")},
        QStringList{"--worksheet-file", Path("l.pdf"), "-o", Path("l.pdf")}}) {
    const Outcome r = Execute(arguments);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("es el mismo archivo que la hoja (-o)")) << r.err.toStdString();
  }
  EXPECT_EQ(read("h.pdf"), sheet);
  EXPECT_EQ(read("l.pdf"), QByteArray("A(10,20,30)\n"));
}

TEST_F(WorksheetCommandTest, LongListNameIsShortenedSoThePageNumberStaysOnThePage) {
  const QString name = QStringLiteral("lista-%1.txt").arg(QString(150, 'x'));
  QFile list(Path(name));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("A(10,20,30)\n") > 0);
  list.close();
  ASSERT_EQ(Execute({"--worksheet-file", Path(name), "-o", Path("l.pdf")}).status, 0);
  // Every word lies on the page (A4 is 595 points wide).
  const QString boxes = Tool(QStringLiteral("pdftotext"), {"-bbox", Path("l.pdf"), "-"});
  ASSERT_TRUE(boxes.contains(QStringLiteral(">página<")));
  const QRegularExpression word(
      QStringLiteral("xMin=\"([-0-9.]+)\" yMin=\"[-0-9.]+\" "
                     "xMax=\"([-0-9.]+)\""));
  for (auto m = word.globalMatch(boxes); m.hasNext();) {
    const auto box = m.next();
    EXPECT_TRUE(box.captured(1).toDouble() >= 0 && box.captured(2).toDouble() <= 595.3);
  }
}

}  // namespace
