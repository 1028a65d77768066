#include "X11Session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

// argv/envp arrays for posix_spawn that point into the given strings.
std::vector<char*> CArray(const std::vector<std::string>& strings) {
  std::vector<char*> out;
  out.reserve(strings.size() + 1);
  for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

// Reads everything from fd until it closes or the deadline passes.
std::string Drain(int fd, Clock::time_point deadline, bool* timedOut) {
  std::string out;
  char buf[65536];
  *timedOut = false;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      *timedOut = true;
      return out;
    }
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) continue;
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return out;
    out.append(buf, static_cast<size_t>(n));
  }
}

// Decodes a binary PPM (P6, maxval 255) as ImageMagick writes it.
QImage DecodePpm(const std::string& data) {
  std::istringstream in(data);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  in >> magic >> w >> h >> maxval;
  if (magic != "P6" || w <= 0 || h <= 0 || maxval != 255) return {};
  in.get();  // the single blank after the header
  const auto offset = static_cast<size_t>(in.tellg());
  const size_t bytes = static_cast<size_t>(w) * static_cast<size_t>(h) * 3;
  if (data.size() < offset + bytes) return {};
  QImage img(w, h, QImage::Format_RGB32);
  const auto* p = reinterpret_cast<const unsigned char*>(data.data() + offset);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x, p += 3) line[x] = qRgb(p[0], p[1], p[2]);
  }
  return img;
}

}  // namespace

// ---------------------------------------------------------------------------
// ChildProcess

bool ChildProcess::Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                         const std::string& workDir, int extraFd) {
  Stop();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Helpers print nothing we need on standard error; keep the test log readable.
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (extraFd >= 0) posix_spawn_file_actions_adddup2(&actions, extraFd, 3);
  if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
  std::vector<char*> args = CArray(argv);
  std::vector<char*> envp = CArray(env);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  pid_ = pid;
  status_ = -1;
  return true;
}

bool ChildProcess::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  const pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == 0) return true;
  status_ = (r == pid_ && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
  pid_ = -1;
  return false;
}

void ChildProcess::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(3);
  while (Running() && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
}

// ---------------------------------------------------------------------------
// TempDir

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "quorvel-e2e-XXXXXX").string();
  if (mkdtemp(tmpl.data()) != nullptr) path_ = tmpl;
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

bool WaitUntil(const std::function<bool()>& check, std::chrono::milliseconds timeout) {
  // A probe usually grabs the screen with a new process: the pause between probes
  // grows, so that on a loaded machine the polling does not starve the program it
  // waits for.
  const auto deadline = Clock::now() + timeout;
  std::chrono::milliseconds pause(40);
  for (;;) {
    if (check()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(320));
  }
}

// ---------------------------------------------------------------------------
// VirtualDisplay

bool VirtualDisplay::Start(int width, int height, std::string* error) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    if (error) *error = "pipe failed";
    return false;
  }
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  // -displayfd: the server picks a free display number and writes it once it
  // accepts connections, which is exactly the moment to wait for.
  const bool started = server_.Start(
      {"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, env, {},
      fds[1]);
  close(fds[1]);
  if (!started) {
    close(fds[0]);
    if (error) *error = "cannot start Xvfb (is the xvfb package installed?)";
    return false;
  }
  std::string number;
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  // The server keeps the descriptor open: read up to the newline only.
  while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) {
      if (!server_.Running()) break;
      continue;
    }
    char c = 0;
    if (read(fds[0], &c, 1) != 1) break;
    number.push_back(c);
  }
  close(fds[0]);
  while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) number.pop_back();
  if (number.empty()) {
    if (error) *error = "Xvfb did not report a display number";
    server_.Stop();
    return false;
  }
  name_ = ":" + number;
  return true;
}

std::vector<std::string> VirtualDisplay::Environment() const {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string s = *e;
    if (StartsWith(s, "DISPLAY=") || StartsWith(s, "QT_QPA_PLATFORM=") ||
        StartsWith(s, "WAYLAND_DISPLAY=") || StartsWith(s, "XAUTHORITY="))
      continue;
    env.push_back(s);
  }
  env.push_back("DISPLAY=" + name_);
  // The real platform plugin, the one a desktop user gets.
  env.push_back("QT_QPA_PLATFORM=xcb");
  return env;
}

CommandResult VirtualDisplay::Run(const std::vector<std::string>& argv,
                                  std::chrono::milliseconds timeout) const {
  CommandResult result;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const std::vector<std::string> envStrings = Environment();
  std::vector<char*> args = CArray(argv);
  std::vector<char*> envp = CArray(envStrings);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    return result;
  }
  bool timedOut = false;
  result.out = Drain(fds[0], Clock::now() + timeout, &timedOut);
  close(fds[0]);
  if (timedOut) kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = (!timedOut && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
  return result;
}

QImage VirtualDisplay::Grab() const {
  const CommandResult r = Run({"import", "-silent", "-window", "root", "-depth", "8", "ppm:-"});
  if (r.status != 0) return {};
  return DecodePpm(r.out);
}

void VirtualDisplay::MoveTo(QPoint p) const {
  Run({"xdotool", "mousemove", std::to_string(p.x()), std::to_string(p.y())});
}

void VirtualDisplay::Click(QPoint p) const {
  Run({"xdotool", "mousemove", std::to_string(p.x()), std::to_string(p.y()), "click", "1"});
}

void VirtualDisplay::Press(QPoint p) const {
  Run({"xdotool", "mousemove", std::to_string(p.x()), std::to_string(p.y()), "mousedown", "1"});
}

void VirtualDisplay::Release() const {
  Run({"xdotool", "mouseup", "1"});
}

void VirtualDisplay::Key(const std::string& keys) const {
  Run({"xdotool", "key", keys});
}

void VirtualDisplay::Type(const std::string& text) const {
  Run({"xdotool", "type", "--delay", "20", text});
}

// ---------------------------------------------------------------------------
// QuorvelApp

std::vector<std::string> QuorvelApp::Windows(const std::string& namePattern) const {
  const CommandResult r =
      display_.Run({"xdotool", "search", "--onlyvisible", "--name", namePattern});
  std::vector<std::string> ids;
  std::istringstream in(r.out);
  for (std::string id; in >> id;) ids.push_back(id);
  return ids;
}

bool QuorvelApp::Start(bool withPalette, std::string* error) {
  auto fail = [error](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (folder_.path().empty()) return fail("cannot make a scratch folder");
  if (withPalette) {
    const QString from = QStringLiteral(QUORVEL_DATA_DIR "/pruebas.pal");
    const QString to = QString::fromStdString(folder_.path()) + "/pruebas.pal";
    if (!QFile::copy(from, to)) return fail("cannot copy " + from.toStdString());
  }
  if (!process_.Start({QUORVEL_EXE}, display_.Environment(), folder_.path()))
    return fail("cannot start " QUORVEL_EXE);

  // The main window is the large one; a message box may share its title.
  std::string found;
  const bool mapped = WaitUntil(
      [&] {
        if (!process_.Running()) return true;
        for (const std::string& id : Windows("^Quorvel$")) {
          const CommandResult g = display_.Run({"xdotool", "getwindowgeometry", "--shell", id});
          int x = 0, y = 0, w = 0, h = 0;
          std::istringstream in(g.out);
          for (std::string line; std::getline(in, line);) {
            const auto eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq);
            const int value = std::atoi(line.c_str() + eq + 1);
            if (key == "X") x = value;
            if (key == "Y") y = value;
            if (key == "WIDTH") w = value;
            if (key == "HEIGHT") h = value;
          }
          if (w >= 1000) {
            found = id;
            origin_ = QPoint(x, y);
            size_ = QSize(w, h);
            return true;
          }
        }
        return false;
      },
      std::chrono::seconds(20));
  if (!process_.Running())
    return fail("quorvel exited with status " + std::to_string(process_.exitStatus()));
  if (!mapped || found.empty()) return fail("no visible window named Quorvel appeared");
  window_ = found;
  return true;
}

QImage QuorvelApp::Client() const {
  const QImage screen = display_.Grab();
  if (screen.isNull()) return {};
  return screen.copy(geometry());
}

void QuorvelApp::ParkPointer() const {
  display_.MoveTo(QPoint(1, 1));
}

void QuorvelApp::ClickClient(int x, int y) const {
  display_.Click(AtClient(x, y));
  ParkPointer();
}

bool QuorvelApp::WaitForClient(const std::function<bool(const QImage&)>& check, QImage* last,
                               std::chrono::milliseconds timeout) const {
  QImage img;
  const bool ok = WaitUntil(
      [&] {
        img = Client();
        return !img.isNull() && check(img);
      },
      timeout);
  if (last) *last = img;
  return ok;
}

// ---------------------------------------------------------------------------
// Pixel helpers

std::string Describe(QRgb c) {
  return "(" + std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," +
         std::to_string(qBlue(c)) + ")";
}

QRgb SurfacePixel(const QImage& client, int x, int y) {
  return client.pixel(8 + x, y);
}

int CountNear(const QImage& img, const QRect& r, QRgb colour, int tolerance) {
  const QRect area = r.intersected(img.rect());
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (std::abs(qRed(p) - qRed(colour)) <= tolerance &&
          std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
          std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
        ++n;
    }
  return n;
}

std::string SaveForDiagnosis(const QImage& img, const std::string& name) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("quorvel-e2e-" + name + ".png")).string();
  img.save(QString::fromStdString(path));
  return path;
}

}  // namespace e2e
