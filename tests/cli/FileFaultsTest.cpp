// Odd files on the command line: a FIFO palette is refused without waiting, an
// output that is no regular file is left alone, messages give the system's reason,
// and a run that writes a file needs no display whatever the environment says.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "delgraph/delgraph.h"

namespace {

using clitest::Outcome;

class FileFaultsTest : public clitest::InTempFolder {
 protected:
  // The program itself in this folder, with no display and QT_QPA_PLATFORM as
  // given; a run that outlasts the limit counts as hung (-1) and is killed.
  static Outcome Program(const QStringList& arguments, const QString& platform = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QUORVEL_EXE, arguments);
    if (!p.waitForFinished(20000)) {
      p.kill();
      p.waitForFinished();
      return {-1, {}, "hung"};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
            {},
            QString::fromUtf8(p.readAllStandardError())};
  }
};

TEST_F(FileFaultsTest, FifoPaletteIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo("f.pal", 0600), 0);
  const QString notAFile = QStringLiteral("«f.pal»: no es un archivo normal");
  Outcome r = Program({"--export", "x.png", "--point", "1,2,3", "--palette", "f.pal"});
  EXPECT_EQ(r.status, 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(notAFile)) << r.err.toStdString();
  r = Program({"--worksheet", "3", "-o", "s.pdf", "--palette", "f.pal"});
  EXPECT_EQ(r.status, 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(notAFile)) << r.err.toStdString();
  // The palette the window would read, as a FIFO in the current folder.
  ASSERT_EQ(::mkfifo("pruebas.pal", 0600), 0);
  r = Program({"--export", "x.png", "--point", "1,2,3"});
  EXPECT_EQ(r.status, 1) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists("x.png") || QFile::exists("s.pdf"));
}

TEST_F(FileFaultsTest, OutputThatIsNoRegularFileIsLeftAsItIs) {
  ASSERT_EQ(::mkfifo("fifo.png", 0600), 0);
  ASSERT_TRUE(QDir().mkdir("folder.pdf"));
  const struct {
    QStringList arguments;
    QString message;
  } rows[] = {
      {{"--export", "fifo.png", "--point", "1,2,3"}, "«fifo.png»: no es un archivo normal"},
      {{"--export", "folder.pdf", "--point", "1,2,3"}, "«folder.pdf»: es una carpeta"},
      {{"--worksheet", "2", "-o", "fifo.pdf"}, "«fifo.pdf»: no es un archivo normal"},
  };
  ASSERT_EQ(::mkfifo("fifo.pdf", 0600), 0);
  for (const auto& row : rows) {
    const Outcome r = Execute(row.arguments);
    EXPECT_EQ(r.status, cli::ExitFileError) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(row.message)) << r.err.toStdString();
  }
  struct stat info {};
  EXPECT_TRUE(::stat("fifo.png", &info) == 0 && S_ISFIFO(info.st_mode));
  EXPECT_TRUE(::stat("fifo.pdf", &info) == 0 && S_ISFIFO(info.st_mode));
  EXPECT_TRUE(QFileInfo("folder.pdf").isDir());
  // A device node, where root may make one: /dev/null's numbers.
  if (::geteuid() == 0 && ::mknod("null.png", S_IFCHR | 0666, makedev(1, 3)) == 0) {
    EXPECT_EQ(Execute({"--export", "null.png", "--point", "1,2,3"}).status, cli::ExitFileError);
    EXPECT_TRUE(::stat("null.png", &info) == 0 && S_ISCHR(info.st_mode));
  }
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST_F(FileFaultsTest, MessagesGiveTheSystemsReason) {
  // One rule for every length: the name is refused by the system, not by its
  // extension, past QFileInfo's 32,767 characters too.
  for (const int length : {300, 32000, 33000}) {
    const Outcome r = Execute({"--export", QString(length, 'n') + ".png", "--point", "1,2,3"});
    EXPECT_EQ(r.status, cli::ExitFileError) << length;
    EXPECT_TRUE(r.err.contains("nombre demasiado largo")) << length;
  }
  // Permissions bind everyone but root.
  if (::geteuid() != 0) {
    ASSERT_TRUE(QDir().mkdir("locked"));
    ASSERT_EQ(::chmod("locked", 0500), 0);
    const Outcome r = Execute({"--export", "locked/a.svg", "--point", "1,2,3"});
    ::chmod("locked", 0700);
    EXPECT_EQ(r.status, cli::ExitFileError);
    EXPECT_TRUE(r.err.contains("«a.svg»: permiso denegado")) << r.err.toStdString();
  }
}

TEST_F(FileFaultsTest, EmptyPaletteNameIsRefusedByEveryRun) {
  for (const QStringList& arguments :
       {QStringList{"--export", "a.png", "--point", "1,2,3", "--palette="},
        QStringList{"--worksheet", "2", "-o", "a.pdf", "--palette="}}) {
    const Outcome r = Execute(arguments);
    EXPECT_EQ(r.status, cli::ExitBadInput) << arguments.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("--palette: falta el nombre del archivo")) << r.err.toStdString();
  }
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{});
}

// Qt's own platform from the environment, with no display to open: the file is
// still written, on the offscreen platform.
TEST_F(FileFaultsTest, WritingRunIgnoresThePlatformOfTheEnvironment) {
  const Outcome r = Program({"--export", "x.png", "--point", "1,2,3"}, "xcb");
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(QFile::exists("x.png"));
}

TEST_F(FileFaultsTest, MessagesSayWhatIsWrongAndTheSeedIsNeverLost) {
  ASSERT_TRUE(QDir().mkdir("carpeta.txt"));
  ASSERT_EQ(::mkfifo("fifo.txt", 0600), 0);
  const struct {
    QStringList arguments;
    int status;
    const char* says;
  } rows[] = {
      {{"--worksheet", "-o", "h.pdf"}, 2, "falta el valor de --worksheet (N)"},
      {{"--worksheet", "61", "-o", "h.pdf"}, 2, "«61» está fuera de rango: de 1 a 60"},
      {{"--export", "x.png", "--point", "1,99999999999,2"},
       2,
       "«99999999999» está fuera de rango: de -2147483648 a 2147483647"},
      {{"--worksheet-file", "falta.txt", "-o", "h.pdf"}, 1, "lista «falta.txt»: no existe"},
      {{"--worksheet-file", "carpeta.txt", "-o", "h.pdf"}, 1, "«carpeta.txt»: es una carpeta"},
      {{"--worksheet-file", "fifo.txt", "-o", "h.pdf"}, 1, "«fifo.txt»: no es un archivo normal"},
  };
  for (const auto& row : rows) {
    const Outcome r = Execute(row.arguments);
    EXPECT_EQ(r.status, row.status) << row.arguments.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.says))) << r.err.toStdString();
  }
  // The seed is the only way to the same sheet again: unprinted, the run fails
  // and the message still gives it.
  QFile full("/dev/full");
  ASSERT_TRUE(full.open(QIODevice::WriteOnly));
  QString err;
  QTextStream out(&full), errors(&err);
  const QStringList arguments{"quorvel", "--worksheet", "2", "--seed", "5", "-o", "h.pdf"};
  EXPECT_EQ(cli::Execute(arguments, out, errors), cli::ExitFileError);
  EXPECT_TRUE(err.contains("«Semilla: 5»")) << err.toStdString();
}

// The shell makes the bytes: a name in Latin-1, or with a byte that is no UTF-8.
TEST_F(FileFaultsTest, NamesThatAreNotUtf8AreReadAndWrittenAsGiven) {
  const QString script = QStringLiteral(
      "echo 'A(10,20,30)' >\"$(printf 'l\\361.txt')\" && "
      "\"$0\" --export \"$(printf 'a\\377.png')\" --point 1,2,3 && "
      "\"$0\" --worksheet-file \"$(printf 'l\\361.txt')\" -o \"$(printf 'h\\377.pdf')\"");
  QProcess p;
  p.start("sh", {"-c", script, QUORVEL_EXE});
  EXPECT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  struct stat info {};
  EXPECT_EQ(::stat("a\xFF.png", &info), 0);
  EXPECT_EQ(::stat("h\xFF.pdf", &info), 0);
  EXPECT_NE(::stat("a\xEF\xBF\xBD.png", &info), 0);  // U+FFFD, the name Qt would make
  // Qt could not remove them with the folder.
  for (const char* name : {"a\xFF.png", "h\xFF.pdf", "l\xF1.txt"}) ::unlink(name);
}

}  // namespace
