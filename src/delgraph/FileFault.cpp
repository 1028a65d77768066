#include "delgraph/FileFault.h"

#include <sys/stat.h>
#include <cerrno>

#include "delgraph/FileName.h"

namespace delgraph {

FileFault FaultOfErrno(int error) {
  switch (error) {
    case 0:
      return FileFault::kNone;
    case ENOENT:
      return FileFault::kNotFound;
    case EISDIR:
      return FileFault::kFolder;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFault::kDenied;
    case ENOSPC:
    case EDQUOT:
      return FileFault::kNoSpace;
    case ENAMETOOLONG:
      return FileFault::kNameTooLong;
    case ENXIO:
    case ENODEV:
      return FileFault::kNotRegular;
    default:
      return FileFault::kOther;
  }
}

QString SpanishReason(FileFault fault) {
  switch (fault) {
    case FileFault::kNone:
      return QString();
    case FileFault::kNotFound:
      return QStringLiteral("no existe");
    case FileFault::kTooShort:
      return QStringLiteral("es demasiado corto");
    case FileFault::kFolder:
      return QStringLiteral("es una carpeta");
    case FileFault::kNotRegular:
      return QStringLiteral("no es un archivo normal");
    case FileFault::kDenied:
      return QStringLiteral("permiso denegado");
    case FileFault::kNoSpace:
      return QStringLiteral("no queda espacio");
    case FileFault::kNameTooLong:
      return QStringLiteral("nombre demasiado largo");
    case FileFault::kMissingFolder:
      return QStringLiteral("la carpeta no existe");
    case FileFault::kOther:
      break;
  }
  return QStringLiteral("error de entrada o salida");
}

FileFault OutputObstacle(const QString& path) {
  struct stat info {};
  if (::stat(EncodeFileName(path).constData(), &info) != 0) return FileFault::kNone;
  if (S_ISDIR(info.st_mode)) return FileFault::kFolder;
  if (!S_ISREG(info.st_mode)) return FileFault::kNotRegular;
  return FileFault::kNone;
}

}  // namespace delgraph
