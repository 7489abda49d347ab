#include "ProgramStyle.h"

#include "DeferredIcon.h"

#include <QApplication>

void TProgramStyle::InstallForApplication() {
  if (dynamic_cast<TProgramStyle*>(QApplication::style())) return;
  QApplication::setStyle(new TProgramStyle(QApplication::style()->name()));
}

QIcon TProgramStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const {
  if (IsDeferredStandardPixmap(pixmap)) return DeferredStandardIcon(baseStyle(), pixmap, widget);
  return QProxyStyle::standardIcon(pixmap, option, widget);
}
