#include "ToggleButton.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <map>
#include <tuple>

namespace {
// What a button shows in one state without its picture, the size the sheet asks
// its picture for, and where a picture of that size goes.
struct Look {
  QImage face;
  QSize asked;
  QPoint at;
};

// An icon that answers every request with a plain picture of a colour found
// nowhere in the sheet's drawing, and notes the size asked for.
constexpr QRgb kMarker = 0xff01fe03u;
class MarkerEngine : public QIconEngine {
public:
  explicit MarkerEngine(QSize* asked) : asked_(asked) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    *asked_ = rect.size();
    painter->fillRect(rect, QColor::fromRgb(kMarker));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    *asked_ = size;
    QPixmap marker(size);
    marker.fill(QColor::fromRgb(kMarker));
    return marker;
  }
  QIconEngine* clone() const override { return new MarkerEngine(asked_); }

private:
  QSize* asked_;
};

QImage Render(QToolButton& button) {
  QImage image(button.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  button.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  return image;
}

// A hidden button with the sheet, in the given state.
struct Model {
  QWidget holder;  // never shown: the model is drawn off screen
  QToolButton* button = new QToolButton(&holder);

  Model(QSize size, QSize picture, bool checked, bool down) {
    button->setStyleSheet(TToggleButton::StyleSheet());
    button->setFixedSize(size);
    button->setIconSize(picture);
    button->setCheckable(true);
    button->setChecked(checked);
    button->setDown(down);
    button->ensurePolished();
  }
};

Look MakeLook(QSize size, QSize picture, bool checked, bool down) {
  Model model(size, picture, checked, down);
  Look look;
  look.face = Render(*model.button);
  model.button->setIcon(QIcon(new MarkerEngine(&look.asked)));
  const QImage drawn = Render(*model.button);
  QRect area;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (drawn.pixel(x, y) == kMarker) area |= QRect(x, y, 1, 1);
  // A picture drawn whole, at the size asked: anything else is left to the sheet.
  if (area.size() != look.asked) look.asked = QSize();
  look.at = area.topLeft();
  return look;
}

const Look& LookFor(QSize size, QSize picture, bool checked, bool down) {
  using Key = std::tuple<int, int, int, int, bool, bool>;
  static std::map<Key, Look> looks;
  const Key key{size.width(), size.height(), picture.width(), picture.height(), checked, down};
  auto found = looks.find(key);
  if (found == looks.end()) found = looks.emplace(key, MakeLook(size, picture, checked, down)).first;
  return found->second;
}
}  // namespace

TToggleButton::TToggleButton(QWidget* parent) : QToolButton(parent) { setCheckable(true); }

const QString& TToggleButton::StyleSheet() {
  static const QString sheet = QStringLiteral(
      "QToolButton { border: 2px outset #E8E4DC; background: #D4D0C8; }"
      "QToolButton:checked { border: 3px inset #505050; background: #8C8880; padding: 2px 0px 0px 2px; }");
  return sheet;
}

void TToggleButton::paintEvent(QPaintEvent*) {
  const Look& look = LookFor(size(), iconSize(), isChecked(), isDown());
  const QPixmap picture =
      look.asked.isEmpty() ? QPixmap() : icon().pixmap(look.asked, QIcon::Normal, isChecked() ? QIcon::On : QIcon::Off);
  QPainter painter(this);
  if (!picture.isNull() && picture.deviceIndependentSize().toSize() == look.asked) {
    painter.drawImage(0, 0, look.face);
    painter.drawPixmap(look.at, picture);
    return;
  }
  // A picture of another shape than the one measured: drawn by the sheet itself.
  Model model(size(), iconSize(), isChecked(), isDown());
  model.button->setIcon(icon());
  painter.drawImage(0, 0, Render(*model.button));
}
