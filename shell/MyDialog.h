#pragma once
#include <QDialog>
#include <QImage>
#include <QString>

class QPushButton;
class TGameWindow;

// The message dialog: a navy band sunk into a light grey panel with up to three
// lines of large white text, a picture under the band, and OK or Yes/No.
class TMyDialog : public QDialog {
public:
  TMyDialog(TGameWindow* owner, const QString& title, const QString& line1, const QString& line2,
            const QString& line3, int picture, int kind);

  // The answer of the last dialog: 1 for "&O U I", 2 for "&N O N" or any other close.
  static int Answer();
  // Draws the text area as it appears on screen.
  QImage RenderTextArea() const;
  QWidget* TextArea() const { return textArea_; }
  QPushButton* YesButton() const { return yes_; }
  QPushButton* NoButton() const { return no_; }
  int ExtraLines() const { return extraLines_; }

protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

private:
  void Close(int answer);

  TGameWindow* owner_;
  QString lines_[3];
  int extraLines_;
  int picture_;
  QWidget* textArea_;
  QPushButton* yes_ = nullptr;
  QPushButton* no_ = nullptr;
  int closingAnswer_ = 2;
};
