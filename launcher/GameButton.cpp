#include "GameButton.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int kPicture = 96;
constexpr int kMargin = 12;

QImage RenderPicture(const QString& file) {
  QImage image(kPicture, kPicture, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QSvgRenderer renderer;
  if (!QFileInfo::exists(file) || !renderer.load(file)) {
    painter.fillRect(image.rect().adjusted(8, 8, -8, -8), QColor(160, 160, 160));
    return image;
  }
  QSizeF drawn = renderer.defaultSize();
  drawn.scale(kPicture, kPicture, Qt::KeepAspectRatio);
  renderer.render(&painter, QRectF(QPointF((kPicture - drawn.width()) / 2, (kPicture - drawn.height()) / 2), drawn));
  return image;
}
}  // namespace

GameButton::GameButton(const GameEntry& game, QWidget* parent)
    : QAbstractButton(parent), game_(game), picture_(RenderPicture(game.icon)) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
  setText(game.title);
  setToolTip(game.description);
  setAccessibleName(game.title);
  setAccessibleDescription(game.description);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize GameButton::sizeHint() const { return QSize(480, kPicture + 2 * kMargin + 8); }
QSize GameButton::minimumSizeHint() const { return QSize(kMinimumWidth, kPicture + 2 * kMargin + 8); }

void GameButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool focused = hasFocus();
  const QRectF frame = QRectF(rect()).adjusted(3, 3, -3, -3);
  // A raised white card; the chosen one framed in thick navy on pale yellow.
  p.setPen(QPen(focused ? QColor(0, 0, 127) : QColor(128, 128, 128), focused ? 5 : 1.5));
  p.setBrush(isDown() ? QColor(200, 200, 200) : focused || underMouse() ? QColor(255, 250, 205) : Qt::white);
  p.drawRoundedRect(frame, 12, 12);
  const int top = (height() - kPicture) / 2;
  p.drawImage(kMargin + 4, top, picture_);

  const int textLeft = kMargin + 4 + kPicture + kMargin;
  const QRect textArea(textLeft, kMargin, width() - textLeft - kMargin, height() - 2 * kMargin);
  QFont title = font();
  title.setPointSizeF(font().pointSizeF() * 1.6);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 127));
  const QFontMetrics titleMetrics(title);
  p.drawText(textArea.left(), textArea.top(), textArea.width(), titleMetrics.height(), Qt::AlignLeft | Qt::AlignVCenter,
             game_.title);
  QFont line = font();
  line.setPointSizeF(font().pointSizeF() * 1.05);
  p.setFont(line);
  p.setPen(Qt::black);
  const QRect lineArea = textArea.adjusted(0, titleMetrics.height() + 4, 0, 0);
  p.drawText(lineArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, game_.description);
}

void GameButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: if (arrow) arrow(-1, 0); return;
    case Qt::Key_Right: if (arrow) arrow(1, 0); return;
    case Qt::Key_Up: if (arrow) arrow(0, -1); return;
    case Qt::Key_Down: if (arrow) arrow(0, 1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!event->isAutoRepeat()) click();
      return;
    default:
      QAbstractButton::keyPressEvent(event);
  }
}
