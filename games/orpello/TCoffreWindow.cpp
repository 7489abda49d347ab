#include "TCoffreWindow.h"

#include "Grille.h"

#include <QPainter>

namespace orpello {

TCoffreWindow::TCoffreWindow(QWidget* parent, const QImage* picture)
    : TChildFrame(parent, QStringLiteral("Bravo, voici ton coffre de pépites !")), picture_(picture) {
  move(0, 0);
  SizeFor(0);
  show();
}

void TCoffreWindow::SizeFor(int t) {
  size_ = Grille::ChestSize(t);
  SetFrameSize(size_);
  update();
}

void TCoffreWindow::PaintClient(QPainter& p, const QRect& exposed) {
  const QRect client = ClientRect();
  if (!picture_ || picture_->isNull() || client.isEmpty() || exposed.isEmpty()) return;
  // The whole picture stretched over the client area; only the exposed part is
  // drawn, from the matching part of the picture.
  const double sx = double(picture_->width()) / client.width(), sy = double(picture_->height()) / client.height();
  const QRectF source(exposed.x() * sx, exposed.y() * sy, exposed.width() * sx, exposed.height() * sy);
  p.drawImage(QRectF(exposed), *picture_, source);
}

}  // namespace orpello
