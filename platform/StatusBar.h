#pragma once
#include <QLabel>
#include <QStatusBar>

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

// The status bar along the bottom: a message field at the left, then the inserted fields.
class TStatusBar : public QStatusBar {
public:
  explicit TStatusBar(const TFont& font, QWidget* parent = nullptr);
  void Insert(TTextGadget* gadget);
  void SetText(const QString& text) { message_->setText(text); }
  QString GetText() const { return message_->text(); }

private:
  QLabel* message_;
};
