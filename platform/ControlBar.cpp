#include "ControlBar.h"

#include "Bitmap.h"
#include "PaintBands.h"
#include "ToggleButton.h"
#include "Window.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionToolBar>
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

QHBoxLayout* TControlBar::RowForNextButton() {
  if (columns_ <= 1) return nullptr;
  if (!row_ || inRow_ == columns_) {
    auto* holder = new QWidget(panel_);
    row_ = new QHBoxLayout(holder);
    row_->setContentsMargins(0, 0, 0, 0);
    row_->setSpacing(0);
    layout_->insertWidget(layout_->count() - 1, holder);
    rows_.push_back(holder);
    inRow_ = 0;
  }
  ++inRow_;
  return row_;
}

void TControlBar::Insert(const TButtonGadget& gadget) {
  // Made in its row's holder from the start: moving a widget to another
  // parent afterwards costs a pass over its style, font and palette.
  QHBoxLayout* row = RowForNextButton();
  QWidget* holder = row ? row->parentWidget() : panel_;
  // A button of a group is a toggle that sinks into the bar while pressed.
  QToolButton* button = gadget.group > 0 ? new TToggleButton(holder) : new QToolButton(holder);
  const TBitmap picture = TBitmap::Load(gadget.bitmap);
  button->setIcon(QIcon(QPixmap::fromImage(picture.Image())));
  button->setIconSize(QSize(picture.Width(), picture.Height()));
  button->setFixedSize(kButtonSize, kButtonSize);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(false);
  const int command = gadget.command;
  QObject::connect(button, &QToolButton::clicked, this, [this, command] {
    Press(command);  // a plain button is not checkable and stays up
    if (target_) target_->EvCommand(command);
  });
  if (row) {
    row->addWidget(button);
  } else {
    layout_->insertWidget(layout_->count() - 1, button);
  }
  buttons_.push_back(button);
  button->setProperty("command", command);
  button->setProperty("group", gadget.group);
}

void TControlBar::Insert(const TSeparatorGadget& gadget) {
  row_ = nullptr;
  auto* gap = new QWidget(panel_);
  gap->setFixedSize(kButtonSize, std::max(0, gadget.size));
  layout_->insertWidget(layout_->count() - 1, gap);
  separators_.push_back(gap);
}

void TControlBar::paintEvent(QPaintEvent* event) {
  // The bar's face as the style draws it for a main window's tool bar (never
  // movable, so it has no handle), band by band: the same pixels, drawn on
  // this thread.
  QPainter painter(this);
  QStyleOptionToolBar option;
  initStyleOption(&option);
  PaintInBands(painter, event->rect(),
               [&](const QRect&) { style()->drawControl(QStyle::CE_ToolBar, &option, &painter, this); });
}

void TControlBar::Press(int command) {
  QToolButton* pressed = Button(command);
  if (!pressed || !pressed->isCheckable()) return;
  const int group = pressed->property("group").toInt();
  for (QToolButton* b : buttons_)
    if (b->property("group").toInt() == group) b->setChecked(b == pressed);
}

void TControlBar::ReleaseGroup(int group) {
  if (group <= 0) return;
  for (QToolButton* b : buttons_)
    if (b->property("group").toInt() == group) b->setChecked(false);
}

bool TControlBar::IsPressed(int command) const {
  const QToolButton* b = Button(command);
  return b && b->isChecked();
}

QToolButton* TControlBar::Button(int command) const {
  for (QToolButton* b : buttons_)
    if (b->property("command").toInt() == command) return b;
  return nullptr;
}

void TControlBar::Clear() {
  for (QToolButton* b : buttons_) delete b;
  for (QWidget* s : separators_) delete s;
  for (QWidget* r : rows_) delete r;
  buttons_.clear();
  separators_.clear();
  rows_.clear();
  row_ = nullptr;
  inRow_ = 0;
}
