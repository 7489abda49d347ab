#include "TFeuilleTresorTerminaleWindow.h"

#include "TFourcheWindow.h"

namespace gigogne {

void TFeuilleTresorTerminaleWindow::PaintClient(QPainter& painter, const QRect&) {
  PaintText(painter, ChestText(tresor_.OpenChests()));
}

void TFeuilleTresorTerminaleWindow::resizeEvent(QResizeEvent* event) {
  TFeuilleTerminaleWindow::resizeEvent(event);
  tresor_.ChestResized();
}

}  // namespace gigogne
