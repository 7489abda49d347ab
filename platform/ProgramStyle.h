#pragma once
#include <QProxyStyle>

// The style the programs' widgets are drawn with: the platform's own style,
// except that the overflow arrows of tool and menu bars are made only if a bar
// ever shows them (see DeferredIcon.h).
class TProgramStyle : public QProxyStyle {
public:
  TProgramStyle() = default;
  explicit TProgramStyle(const QString& base) : QProxyStyle(base) {}

  // Makes the application's style a program style over the style it has now;
  // does nothing if it already is one.
  static void InstallForApplication();

  QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override;
};
