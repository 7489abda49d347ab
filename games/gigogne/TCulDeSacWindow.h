#pragma once
#include "ChildFrame.h"

namespace gigogne {

// A place with nothing inside (cul-de-sac: a dead end): enlarged, it teases
// the child with one of the eight texts, chosen when it was made.
class TCulDeSacWindow : public TChildFrame {
public:
  TCulDeSacWindow(QWidget* parent, const QString& caption, int messageIndex);
  int messageIndex;

protected:
  void PaintClient(QPainter& painter, const QRect& exposed) override;
};

}  // namespace gigogne
