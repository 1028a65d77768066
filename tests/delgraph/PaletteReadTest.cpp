// One reading of a palette file for every caller: only regular files are opened,
// never with an open that blocks, and faults are told apart by kind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <future>
#include <string>

#include "Pixels.h"
#include "delgraph/PaletteRead.h"

using namespace delgraph;

namespace {

using PaletteReadTest = DelgraphFolderTest;

// The window's start-up load of a FIFO named pruebas.pal: refused at once with its
// one message for a file it cannot use. A load that blocks fails the test, and a
// writer is then opened so the stuck thread can end.
TEST_F(PaletteReadTest, FifoIsRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo("pruebas.pal", 0600), 0);
  auto load = std::async(std::launch::async, [this] {
    try {
      LoadPaletteFile(g.palette, "pruebas.pal");
    } catch (const FileError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  });
  if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    const int writer = ::open("pruebas.pal", O_RDWR | O_NONBLOCK);
    load.wait();
    if (writer >= 0) ::close(writer);
    FAIL() << "loading a FIFO blocked";
  }
  EXPECT_EQ(load.get(), "File access denied");
  EXPECT_EQ(g.PaletteColor(4), g.palette.active.colors[4]);  // nothing applied
  EXPECT_EQ(ReadPaletteFile("pruebas.pal").fault, FileFault::kNotRegular);
  // Nor is it replaced by a save.
  EXPECT_THROW(SavePaletteFile(g.palette, "pruebas.pal"), FileError);
  struct stat info {};
  EXPECT_TRUE(::stat("pruebas.pal", &info) == 0 && S_ISFIFO(info.st_mode));
  EXPECT_EQ(SpanishPaletteMessage(FileFault::kNotRegular, "pruebas.pal"),
            "no se puede leer el archivo de paleta «pruebas.pal»: no es un archivo normal");
}

// The system's error numbers and the words the messages give for them.
TEST(FileFaultTest, SystemErrorsGiveTheirReason) {
  const struct {
    int error;
    FileFault fault;
    const char* reason;
  } rows[] = {
      {EISDIR, FileFault::kFolder, "es una carpeta"},
      {EACCES, FileFault::kDenied, "permiso denegado"},
      {EROFS, FileFault::kDenied, "permiso denegado"},
      {ENOSPC, FileFault::kNoSpace, "no queda espacio"},
      {EDQUOT, FileFault::kNoSpace, "no queda espacio"},
      {ENAMETOOLONG, FileFault::kNameTooLong, "nombre demasiado largo"},
      {EIO, FileFault::kOther, "error de entrada o salida"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FaultOfErrno(row.error), row.fault) << row.error;
    EXPECT_EQ(SpanishReason(row.fault), QString::fromUtf8(row.reason)) << row.error;
  }
}

}  // namespace
