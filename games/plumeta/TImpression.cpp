#include "TImpression.h"

#include <QPainter>

namespace plumeta {

void TImpression::PrintPage(QPainter& painter, const QRect& area) {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(Fit(page_.size(), area), page_);
}

}  // namespace plumeta
