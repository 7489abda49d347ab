#pragma once
#include "KeyboardLocks.h"

#include <QLabel>
#include <QStatusBar>
#include <memory>

class QTimer;
class TFont;

// A field of the status bar, its width given in characters of the bar's font.
class TTextGadget : public QLabel {
public:
  TTextGadget(int id, int widthInChars, QWidget* parent = nullptr);
  int Id() const { return id_; }
  void SetText(const QString& text) { setText(text); }
  QString GetText() const { return text(); }

private:
  int id_;
};

// A field that shows the local time, refreshed every second.
class TTimeGadget : public TTextGadget {
public:
  TTimeGadget(int id, int widthInChars, QWidget* parent = nullptr);

private:
  void Refresh();
  QTimer* timer_;
};

// The status bar along the bottom: a message field at the left, the Caps Lock
// and Num Lock indicators, then the inserted fields. An indicator shows its
// word while its lock is on, and nothing while it is off or not known.
class TStatusBar : public QStatusBar {
public:
  explicit TStatusBar(const TFont& font, QWidget* parent = nullptr);
  ~TStatusBar() override;
  void Insert(TTextGadget* gadget);
  void SetText(const QString& text) { message_->setText(text); }
  QString GetText() const { return message_->text(); }
  QString CapsLockText() const { return capsLock_->GetText(); }
  QString NumLockText() const { return numLock_->GetText(); }

private:
  void ShowLocks(const LockState& state);

  QLabel* message_;
  TTextGadget* capsLock_;
  TTextGadget* numLock_;
  std::unique_ptr<TKeyboardLocks> locks_;
};
