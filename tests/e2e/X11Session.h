// End-to-end harness: a private Xvfb display, the real program started on it from
// a scratch folder, and the xdotool/ImageMagick calls that click it and read it back.
#pragma once

#include <sys/types.h>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// A child process that is ended (TERM, then KILL) and reaped when this goes away.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() { Stop(); }

  // Starts argv[0] (looked up in PATH) with the given environment and working
  // folder. extraFd, when not -1, becomes the child's descriptor 3.
  bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
             const std::string& workDir = {}, int extraFd = -1);
  // True while the child has not exited; reaps it once it has.
  bool Running();
  void Stop();
  pid_t pid() const { return pid_; }
  int exitStatus() const { return status_; }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

// Result of a short helper command.
struct CommandResult {
  int status = -1;  // exit code, or -1 when it did not exit normally in time
  std::string out;
};

// A scratch folder removed with its contents on destruction.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Polls check every few tens of milliseconds until it holds or timeout passes.
bool WaitUntil(const std::function<bool()>& check,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

// An Xvfb server on a display number that the server picks itself (-displayfd),
// so suites running in parallel never share one.
class VirtualDisplay {
 public:
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;
  VirtualDisplay() = default;
  ~VirtualDisplay() = default;

  // Starts the server and waits until it accepts connections.
  bool Start(int width = 1280, int height = 800, std::string* error = nullptr);
  const std::string& name() const { return name_; }
  // The environment for programs on this display: ours, with DISPLAY set and the
  // offscreen platform choice of the test runner removed.
  std::vector<std::string> Environment() const;

  // Runs a short command on this display and returns its standard output.
  CommandResult Run(const std::vector<std::string>& argv,
                    std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  // The whole screen, or a null image when it could not be read.
  QImage Grab() const;
  // The pointer: move, press and release button 1, or both at once.
  void MoveTo(QPoint screen) const;
  void Click(QPoint screen) const;
  void Press(QPoint screen) const;
  void Release() const;
  // Keys as xdotool names them ("Return", "ctrl+a", "slash").
  void Key(const std::string& keys) const;
  void Type(const std::string& text) const;

 private:
  ChildProcess server_;
  std::string name_;
};

// The program under test, started from a scratch folder on a virtual display.
class QuorvelApp {
 public:
  explicit QuorvelApp(const VirtualDisplay& display) : display_(display) {}

  // Copies the shipped palette into the scratch folder unless withPalette is false,
  // starts the program there and waits until its main window is mapped.
  bool Start(bool withPalette, std::string* error = nullptr);
  bool Running() { return process_.Running(); }

  // Screen position of the main window's client area.
  QPoint origin() const { return origin_; }
  QRect geometry() const { return QRect(origin_, size_); }
  // Ids of the visible top-level windows whose title matches the pattern.
  std::vector<std::string> Windows(const std::string& namePattern) const;

  // The client area as it is on the screen now (null image on failure).
  QImage Client() const;
  // Screen point of a client point and of a drawing-surface point.
  QPoint AtClient(int x, int y) const { return origin_ + QPoint(x, y); }
  QPoint AtSurface(int x, int y) const { return AtClient(8 + x, y); }

  // Clicks a client point, then parks the pointer outside the window so that no
  // hover highlight or tool tip lies over what the test reads.
  void ClickClient(int x, int y) const;
  void ParkPointer() const;

  // Polls the client area until the check holds on it. The last image read is
  // left in *last for the failure message.
  bool WaitForClient(const std::function<bool(const QImage&)>& check, QImage* last = nullptr,
                     std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

 private:
  const VirtualDisplay& display_;
  TempDir folder_;
  ChildProcess process_;
  std::string window_;
  QPoint origin_;
  QSize size_;
};

// Pixel helpers on a client-area image.
inline QRgb Rgb(int r, int g, int b) {
  return qRgb(r, g, b);
}
std::string Describe(QRgb c);
// Client pixel of a drawing-surface point.
QRgb SurfacePixel(const QImage& client, int x, int y);
// Number of pixels of the rectangle within tolerance (per channel) of the colour.
int CountNear(const QImage& img, const QRect& r, QRgb colour, int tolerance = 0);
// Saves an image beside the test's outputs for a failing check, returning its path.
std::string SaveForDiagnosis(const QImage& img, const std::string& name);

}  // namespace e2e
