#include "BitmapMenuStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace {
const QStyleOptionMenuItem* PictureItem(const QStyleOption* option) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item || item->icon.isNull() || !item->text.isEmpty()) return nullptr;
  if (item->menuItemType == QStyleOptionMenuItem::Separator) return nullptr;
  return item;
}

// A popup item with a picture and its text beside it.
const QStyleOptionMenuItem* PictureTextItem(const QStyleOption* option) {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item || item->icon.isNull() || item->text.isEmpty()) return nullptr;
  if (item->menuItemType != QStyleOptionMenuItem::Normal) return nullptr;
  return item;
}

constexpr int kTextGap = 8;

// A greyed item shows its picture greyed too.
QPixmap ItemPixmap(const QStyleOptionMenuItem* item, QSize size) {
  return item->icon.pixmap(size, (item->state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled);
}

QSize PictureSize(const QStyleOptionMenuItem* item) {
  const QList<QSize> sizes = item->icon.availableSizes();
  return sizes.isEmpty() ? QSize(16, 16) : sizes.first();
}
}  // namespace

BitmapMenuStyle* BitmapMenuStyle::Instance() {
  static BitmapMenuStyle* style = [] {
    auto* s = new BitmapMenuStyle;
    s->setParent(qApp);
    return s;
  }();
  return style;
}

QSize BitmapMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                        const QWidget* widget) const {
  if (type == CT_MenuBarItem || type == CT_MenuItem) {
    if (const auto* item = PictureItem(option)) return PictureSize(item) + QSize(4, 2);
  }
  if (type == CT_MenuItem) {
    if (const auto* item = PictureTextItem(option)) {
      const QSize picture = PictureSize(item);
      const QSize text = item->fontMetrics.size(Qt::TextShowMnemonic, item->text);
      return QSize(2 + picture.width() + kTextGap + text.width() + 12, std::max(picture.height(), text.height()) + 4);
    }
  }
  return TProgramStyle::sizeFromContents(type, option, size, widget);
}

void BitmapMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
  if (element == CE_MenuBarItem || element == CE_MenuItem) {
    if (const auto* item = PictureItem(option)) {
      const QSize size = PictureSize(item);
      painter->fillRect(option->rect, option->palette.window());
      const QPoint at(option->rect.left() + 2, option->rect.top() + (option->rect.height() - size.height()) / 2);
      painter->drawPixmap(at, ItemPixmap(item, size));
      const bool selected = (option->state & State_Selected) && (option->state & State_Enabled);
      if (selected) {
        painter->setPen(QPen(option->palette.highlight(), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(at, size).adjusted(0, 0, -1, -1));
      }
      return;
    }
  }
  if (element == CE_MenuItem) {
    if (const auto* item = PictureTextItem(option)) {
      const QSize size = PictureSize(item);
      const bool selected = (option->state & State_Selected) && (option->state & State_Enabled);
      painter->fillRect(option->rect, selected ? option->palette.highlight() : option->palette.window());
      const QPoint at(option->rect.left() + 2, option->rect.top() + (option->rect.height() - size.height()) / 2);
      painter->drawPixmap(at, ItemPixmap(item, size));
      const QRect text = option->rect.adjusted(2 + size.width() + kTextGap, 0, 0, 0);
      drawItemText(painter, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, option->palette,
                   option->state & State_Enabled, item->text,
                   selected ? QPalette::HighlightedText : QPalette::WindowText);
      return;
    }
  }
  TProgramStyle::drawControl(element, option, painter, widget);
}
