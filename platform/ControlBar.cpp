#include "ControlBar.h"

#include "Bitmap.h"
#include "Window.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kButtonSize = 32;  // a 29 x 29 picture in its raised edge
}

TControlBar::TControlBar(QWidget* parent) : QToolBar(parent), panel_(new QWidget(this)), layout_(new QVBoxLayout(panel_)) {
  setOrientation(Qt::Vertical);
  setMovable(false);
  setFloatable(false);
  setContextMenuPolicy(Qt::PreventContextMenu);
  setContentsMargins(0, 0, 0, 0);
  layout_->setContentsMargins(2, 0, 2, 0);
  layout_->setSpacing(0);
  layout_->addStretch(1);
  addWidget(panel_);
}

void TControlBar::Insert(const TButtonGadget& gadget) {
  auto* button = new QToolButton(panel_);
  const TBitmap picture = TBitmap::Load(gadget.bitmap);
  button->setIcon(QIcon(QPixmap::fromImage(picture.Image())));
  button->setIconSize(QSize(picture.Width(), picture.Height()));
  button->setFixedSize(kButtonSize, kButtonSize);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(false);
  const int command = gadget.command;
  QObject::connect(button, &QToolButton::clicked, this, [this, command] {
    if (target_) target_->EvCommand(command);
  });
  layout_->insertWidget(layout_->count() - 1, button);
  buttons_.push_back(button);
  button->setProperty("command", command);
}

void TControlBar::Insert(const TSeparatorGadget& gadget) {
  auto* gap = new QWidget(panel_);
  gap->setFixedSize(kButtonSize, std::max(0, gadget.size));
  layout_->insertWidget(layout_->count() - 1, gap);
  separators_.push_back(gap);
}

QToolButton* TControlBar::Button(int command) const {
  for (QToolButton* b : buttons_)
    if (b->property("command").toInt() == command) return b;
  return nullptr;
}

void TControlBar::Clear() {
  for (QToolButton* b : buttons_) delete b;
  for (QWidget* s : separators_) delete s;
  buttons_.clear();
  separators_.clear();
}
