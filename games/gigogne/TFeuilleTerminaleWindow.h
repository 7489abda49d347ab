#pragma once
#include "ChildFrame.h"

#include <QFont>
#include <QPainter>

namespace gigogne {

// The last window of a branch (feuille terminale: end leaf), with no system
// menu; it shows one line of text at the top left of its client area.
class TFeuilleTerminaleWindow : public TChildFrame {
public:
  TFeuilleTerminaleWindow(QWidget* parent, const QString& caption) : TChildFrame(parent, caption, false) {
    SetClosable(false);
    setFont(TextFont());
  }

  // The font the places write in, large enough for a child to read.
  static QFont TextFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    return font;
  }
  // `text` on one line from (2, 2) of the client area.
  static void PaintText(QPainter& painter, const QString& text) {
    painter.setPen(Qt::black);
    painter.drawText(QRect(2, 2, 4000, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  }
};

}  // namespace gigogne
