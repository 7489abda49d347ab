#include "StatusBar.h"

#include "Tools.h"

#include <QFontMetrics>
#include <QTime>
#include <QTimer>

TTextGadget::TTextGadget(int id, int widthInChars, QWidget* parent) : QLabel(parent), id_(id) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setProperty("chars", widthInChars);
}

TTimeGadget::TTimeGadget(int id, int widthInChars, QWidget* parent)
    : TTextGadget(id, widthInChars, parent), timer_(new QTimer(this)) {
  QObject::connect(timer_, &QTimer::timeout, this, [this] { Refresh(); });
  timer_->start(1000);
  Refresh();
}

void TTimeGadget::Refresh() { setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); }

TStatusBar::TStatusBar(const TFont& font, QWidget* parent) : QStatusBar(parent), message_(new QLabel(this)) {
  setFont(font.Font());
  setSizeGripEnabled(false);
  message_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  message_->setMinimumWidth(1);
  message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  addWidget(message_, 1);
  capsLock_ = new TTextGadget(-1, 3);
  Insert(capsLock_);
  numLock_ = new TTextGadget(-1, 3);
  Insert(numLock_);
  locks_ = std::make_unique<TKeyboardLocks>([this](const LockState& state) { ShowLocks(state); });
  ShowLocks(locks_->State());
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::ShowLocks(const LockState& state) {
  capsLock_->SetText(state.known && state.capsLock ? QStringLiteral("MAJ") : QString());
  numLock_->SetText(state.known && state.numLock ? QStringLiteral("NUM") : QString());
}

void TStatusBar::Insert(TTextGadget* gadget) {
  gadget->setParent(this);
  gadget->setFont(font());
  const int chars = gadget->property("chars").toInt();
  gadget->setFixedWidth(QFontMetrics(font()).maxWidth() * chars + 2 * gadget->frameWidth() + 6);
  addPermanentWidget(gadget);
}
