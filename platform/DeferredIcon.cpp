#include "DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

namespace {
// The icon once made, shared by every copy of the engine.
struct Made {
  std::function<QIcon()> make;
  std::optional<QIcon> icon;

  QIcon& Get() {
    if (!icon) icon = make();
    return *icon;
  }
};

class DeferredEngine : public QIconEngine {
public:
  explicit DeferredEngine(std::shared_ptr<Made> made) : made_(std::move(made)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    made_->Get().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made_->Get().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made_->Get().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return made_->Get().pixmap(size, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return made_->Get().availableSizes(mode, state);
  }
  bool isNull() override { return made_->icon ? made_->icon->isNull() : false; }
  QString key() const override { return QStringLiteral("tavreno-deferred"); }
  QIconEngine* clone() const override { return new DeferredEngine(made_); }

private:
  std::shared_ptr<Made> made_;
};
}  // namespace

QIcon DeferredIcon(std::function<QIcon()> make) {
  return QIcon(new DeferredEngine(std::make_shared<Made>(Made{std::move(make), std::nullopt})));
}

bool IsDeferredStandardPixmap(QStyle::StandardPixmap pixmap) {
  return pixmap == QStyle::SP_ToolBarHorizontalExtensionButton || pixmap == QStyle::SP_ToolBarVerticalExtensionButton;
}

QIcon DeferredStandardIcon(const QStyle* base, QStyle::StandardPixmap pixmap, const QWidget* widget) {
  QPointer<const QStyle> style(base);
  QPointer<const QWidget> owner(widget);
  const bool hadWidget = widget != nullptr;
  return DeferredIcon([style, owner, hadWidget, pixmap] {
    if (!style || (hadWidget && !owner)) return QIcon();
    return style->standardIcon(pixmap, nullptr, owner.data());
  });
}
