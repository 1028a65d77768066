// The window's icon, drawn from the same picture as the desktop menu's, and the
// desktop entry name that Wayland compositors and task bars match the window to.
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <memory>

#include "app/UnitQuorvel.h"

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// The bitmaps are decoded when something first asks for the icon's pictures, not
// at start-up: a platform that shows no window icon never reads them.
class BitmapIconEngine : public QIconEngine {
 public:
  BitmapIconEngine() = default;
  BitmapIconEngine(const BitmapIconEngine& other) : QIconEngine(other), icon_(other.icon_) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("QuorvelBitmapIcon"); }
  QIconEngine* clone() const override { return new BitmapIconEngine(*this); }

 private:
  // Bitmaps, not the SVG: Qt needs no image plugin to read them.
  const QIcon& Icon() {
    if (!icon_) {
      icon_ = std::make_shared<QIcon>();
      for (const int size : kIconSizes)
        icon_->addFile(QStringLiteral(":/quorvel/icons/quorvel-%1.png").arg(size),
                       QSize(size, size));
    }
    return *icon_;
  }
  std::shared_ptr<QIcon> icon_;
};

}  // namespace

void TQuorvel::SetWindowIdentity() {
  setWindowIcon(QIcon(new BitmapIconEngine));
  QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
}
