#include "MyDialog.h"

#include "AppCumMenu.h"
#include "GameWindow.h"
#include "Globals.h"

#include <QPainter>
#include <QPushButton>

namespace {
// The dialog's layout in pixels: a box of 220 x 110 dialog units in the system
// font, two pixels per unit each way.
constexpr QSize kDialogSize(440, 220);
constexpr QRect kTextArea(20, 20, 400, 150);
constexpr QRect kOkButton(160, 172, 120, 40);
constexpr QRect kYesButton(20, 172, 120, 40);
constexpr QRect kNoButton(300, 172, 120, 40);

int g_answer = 2;

class TextAreaWidget : public QWidget {
public:
  TextAreaWidget(const TMyDialog* dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {}

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, dialog_->RenderTextArea());
  }

private:
  const TMyDialog* dialog_;
};
}  // namespace

int TMyDialog::Answer() { return g_answer; }

TMyDialog::TMyDialog(TGameWindow* owner, const QString& title, const QString& line1, const QString& line2,
                     const QString& line3, int picture, int kind)
    : QDialog(owner), owner_(owner), lines_{line1, line2, line3},
      extraLines_(!line3.isEmpty() ? 2 : !line2.isEmpty() ? 1 : 0), picture_(picture) {
  setWindowTitle(title);
  setFixedSize(kDialogSize);
  setModal(true);
  textArea_ = new TextAreaWidget(this, this);
  textArea_->setGeometry(kTextArea);
  yes_ = new QPushButton(QStringLiteral("&O U I"), this);
  yes_->setDefault(true);
  yes_->setGeometry(kind == 1 ? kYesButton : kOkButton);
  connect(yes_, &QPushButton::clicked, this, [this] { Close(1); });
  if (kind == 1) {
    no_ = new QPushButton(QStringLiteral("&N O N"), this);
    no_->setGeometry(kNoButton);
    connect(no_, &QPushButton::clicked, this, [this] { Close(2); });
  }
  g_answer = 2;  // a dialog closed without a button refuses, whatever came before
}

void TMyDialog::Close(int answer) {
  closingAnswer_ = answer;
  accept();
}

void TMyDialog::done(int result) {
  // Escape, the close box and the "&N O N" button all end here with answer 2.
  g_answer = result == QDialog::Accepted ? closingAnswer_ : 2;
  QDialog::done(result);
}

void TMyDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!owner_) return;
  const QRect o(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
  const QRect d = frameGeometry();
  move(o.left() + (o.width() - d.width()) / 2, o.top() + (o.height() - d.height()) / 2);
}

QImage TMyDialog::RenderTextArea() const {
  QImage image(textArea_->size(), QImage::Format_RGB32);
  image.fill(Qt::lightGray);
  TDC dc(&image);
  const int w = image.width();
  const DrawingTools tools;
  dc.SelectObject(tools.ltGrayBrush);
  dc.SelectObject(tools.ltGrayPen);
  dc.Rectangle(0, 0, w, image.height());
  dc.SelectObject(tools.navyBrush);
  dc.Rectangle(0, 0, w, 80);
  dc.SelectObject(tools.blackPen);
  dc.MoveTo(0, 0);
  dc.LineTo(w, 0);
  dc.MoveTo(0, 0);
  dc.LineTo(0, 80);
  dc.SelectObject(tools.whitePen);
  dc.MoveTo(w - 1, 0);
  dc.LineTo(w - 1, 79);
  dc.MoveTo(0, 79);
  dc.LineTo(w - 1, 79);

  if (owner_) {
    const int wanted = (picture_ >= 1 && picture_ <= 5) ? picture_ : 0;
    TMemoryDC& picture = owner_->PictureDC(owner_->Config().dialogPictures[wanted]);
    dc.BitBlt((w - 49) / 2, 90, 49, 49, picture, 0, 0, SRCCOPY);
  }

  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(TColor(0, 0, 127));
  dc.SetTextColor(TColor::White);
  dc.SelectObject(gApp ? gApp->SharedFont() : TMyAppCumMenu::MakeSharedFont());
  static constexpr int kRows[3][3] = {{30, 0, 0}, {13, 46, 0}, {5, 30, 55}};
  for (int i = 0; i <= extraLines_; ++i) dc.TextOut(5, kRows[extraLines_][i], lines_[i]);
  return image;
}
