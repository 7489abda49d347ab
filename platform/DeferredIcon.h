#pragma once
#include <QIcon>
#include <QStyle>
#include <functional>

// An icon made only when first drawn or measured. Qt's style loads the arrows of
// a bar's overflow button from compressed pictures each time a tool bar or menu
// bar is made, though they show only when a bar overflows, which the programs'
// bars never do; deferred, they cost nothing at start.
QIcon DeferredIcon(std::function<QIcon()> make);

// The style's pictures that are deferred: the overflow arrows of tool and menu bars.
bool IsDeferredStandardPixmap(QStyle::StandardPixmap pixmap);

// `base`'s own icon for `pixmap`, made when first used (an empty icon if `base`
// or the widget are gone by then).
QIcon DeferredStandardIcon(const QStyle* base, QStyle::StandardPixmap pixmap, const QWidget* widget);
