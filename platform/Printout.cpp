#include "Printout.h"

QRect TPrintout::Fit(QSize picture, const QRect& area) {
  if (picture.isEmpty() || area.isEmpty()) return {};
  const QSize fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
  return QRect(area.left() + (area.width() - fitted.width()) / 2, area.top() + (area.height() - fitted.height()) / 2,
               fitted.width(), fitted.height());
}
