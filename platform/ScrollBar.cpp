#include "ScrollBar.h"

TScrollBar::TScrollBar(QWidget* parent, int id, const QRect& place, Qt::Orientation orientation)
    : QScrollBar(orientation, parent), id_(id) {
  setGeometry(place);
  setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::PreventContextMenu);
  // The thumb moves freely while held; the position changes once it is let go.
  setTracking(false);
  setProperty("scrollBarId", id);
  QObject::connect(this, &QAbstractSlider::valueChanged, this, [this] {
    if (!settingByProgram_ && onChange_) onChange_(id_);
  });
}

void TScrollBar::SetRange(int min, int max) {
  settingByProgram_ = true;
  setRange(min, std::max(min, max));
  settingByProgram_ = false;
}

void TScrollBar::SetPosition(int position) {
  settingByProgram_ = true;
  setValue(position);
  settingByProgram_ = false;
}
