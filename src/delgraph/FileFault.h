// What went wrong with a file, told apart by kind rather than by message text, and
// the Spanish reason the command line, the sheets and the window's file messages give.
#pragma once

#include <QString>

namespace delgraph {

enum class FileFault {
  kNone,
  kNotFound,       // no such file
  kTooShort,       // a palette of fewer than 48 bytes
  kFolder,         // the name is a folder
  kNotRegular,     // a FIFO, a device, a socket: never opened, never replaced
  kDenied,         // no permission for the file or its folder
  kNoSpace,        // the disk or the user's quota is full
  kNameTooLong,    // the name or one of its components is too long
  kMissingFolder,  // the folder it should be in does not exist
  kOther,          // anything else the system reports
};

// The kind of a system error number (errno).
FileFault FaultOfErrno(int error);

// The reason in Spanish, lower case, without a full stop ("permiso denegado").
QString SpanishReason(FileFault fault);

// What an existing name is in the way of writing a file there: kFolder,
// kNotRegular, or kNone for a regular file or no file at all. Follows links.
FileFault OutputObstacle(const QString& path);

}  // namespace delgraph
