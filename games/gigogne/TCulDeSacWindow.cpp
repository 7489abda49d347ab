#include "TCulDeSacWindow.h"

#include "TFeuilleTerminaleWindow.h"
#include "Univers.h"

namespace gigogne {

TCulDeSacWindow::TCulDeSacWindow(QWidget* parent, const QString& caption, int index)
    : TChildFrame(parent, caption, true), messageIndex(index) {
  SetClosable(false);
  setFont(TFeuilleTerminaleWindow::TextFont());
}

void TCulDeSacWindow::PaintClient(QPainter& painter, const QRect&) {
  TFeuilleTerminaleWindow::PaintText(painter, DeadEndText(messageIndex));
}

}  // namespace gigogne
