// The message dialog as drawn and answered.
#include "AppCumMenu.h"
#include "GameHarness.h"
#include "Globals.h"
#include "MyDialog.h"
#include "ShowMessage.h"
#include "TestGame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace {
class DialogTest : public ::testing::Test {
protected:
  void SetUp() override { h = GameHarness::Start<testgame::TMyAppCumMenuSuite>(); }
  TGameWindow& Owner() { return h->Window(); }

  // Rows of the band that hold white text pixels.
  static std::set<int> TextRows(const QImage& area) {
    std::set<int> rows;
    for (int y = 1; y < 79; ++y)
      for (int x = 5; x < area.width() - 2; ++x)
        if (area.pixel(x, y) == qRgb(255, 255, 255)) {
          rows.insert(y);
          break;
        }
    return rows;
  }
  int LineHeight() { return QFontMetrics(gApp->SharedFont().Font()).height(); }
  bool OnlyWithin(const std::set<int>& rows, std::initializer_list<int> tops) {
    for (int y : rows) {
      bool inside = false;
      for (int top : tops) inside = inside || (y >= top && y < top + LineHeight());
      if (!inside) return false;
    }
    return true;
  }
  bool SomeWithin(const std::set<int>& rows, int top) {
    return std::any_of(rows.begin(), rows.end(), [&](int y) { return y >= top && y < top + LineHeight(); });
  }

  std::unique_ptr<GameHarness> h;
};
}  // namespace

TEST_F(DialogTest, BandIsSunkIntoTheGreyPanel) {
  TMyDialog d(&Owner(), "T I T R E", "Une ligne", "", "", 3, MessageOk);
  const QImage a = d.RenderTextArea();
  const int w = a.width();
  EXPECT_EQ(a.pixel(w / 2, 40), qRgb(0, 0, 127));
  EXPECT_EQ(a.pixel(w / 2, 0), qRgb(0, 0, 0));
  EXPECT_EQ(a.pixel(0, 40), qRgb(0, 0, 0));
  EXPECT_EQ(a.pixel(w - 1, 40), qRgb(255, 255, 255));
  EXPECT_EQ(a.pixel(w / 2, 79), qRgb(255, 255, 255));
  EXPECT_EQ(a.pixel(0, 79), qRgb(255, 255, 255));
  EXPECT_EQ(a.pixel(w / 2, 80), qRgb(192, 192, 192));
  EXPECT_EQ(a.pixel(3, a.height() - 3), qRgb(192, 192, 192));
  EXPECT_EQ(d.windowTitle(), "T I T R E");
}

TEST_F(DialogTest, LinesPrintAtTheirHeights) {
  const std::set<int> one = TextRows(TMyDialog(&Owner(), "T", "Une ligne", "", "", 3, MessageOk).RenderTextArea());
  EXPECT_TRUE(SomeWithin(one, 30));
  EXPECT_TRUE(OnlyWithin(one, {30}));

  const std::set<int> two = TextRows(TMyDialog(&Owner(), "T", "Ligne un", "Ligne deux", "", 3, MessageOk).RenderTextArea());
  EXPECT_TRUE(SomeWithin(two, 13));
  EXPECT_TRUE(SomeWithin(two, 46));
  EXPECT_TRUE(OnlyWithin(two, {13, 46}));

  TMyDialog emptySecond(&Owner(), "T", "Ligne un", "", "Ligne trois", 3, MessageOk);
  EXPECT_EQ(emptySecond.ExtraLines(), 2);
  const std::set<int> three = TextRows(emptySecond.RenderTextArea());
  EXPECT_TRUE(SomeWithin(three, 5));
  EXPECT_TRUE(SomeWithin(three, 55));
  EXPECT_TRUE(OnlyWithin(three, {5, 55}));
}

TEST_F(DialogTest, PictureSitsUnderTheBandAndUnknownNumbersShowPictureZero) {
  auto pictureAt = [&](int number) {
    const QImage a = TMyDialog(&Owner(), "T", "L", "", "", number, MessageOk).RenderTextArea();
    return a.copy((a.width() - 49) / 2, 90, 49, 49);
  };
  for (int p = 0; p <= 5; ++p) EXPECT_EQ(pictureAt(p), Owner().PictureDC(p).Image()->copy()) << p;
  EXPECT_EQ(pictureAt(7), Owner().PictureDC(0).Image()->copy());
  EXPECT_EQ(pictureAt(-1), Owner().PictureDC(0).Image()->copy());
}

TEST_F(DialogTest, ButtonsOfBothKinds) {
  TMyDialog ok(&Owner(), "T", "L", "", "", 3, MessageOk);
  EXPECT_EQ(ok.YesButton()->text(), "&O U I");
  EXPECT_EQ(ok.NoButton(), nullptr);
  TMyDialog yesNo(&Owner(), "T", "L", "", "", 4, MessageYesNo);
  EXPECT_EQ(yesNo.YesButton()->text(), "&O U I");
  ASSERT_NE(yesNo.NoButton(), nullptr);
  EXPECT_EQ(yesNo.NoButton()->text(), "&N O N");
  EXPECT_TRUE(yesNo.YesButton()->isDefault());
}

TEST_F(DialogTest, EnterAnswersYesEscapeAndCloseBoxAnswerNoNeverALeftover) {
  for (int kind : {MessageOk, MessageYesNo}) {
    TMyDialog enter(&Owner(), "T", "L", "", "", 4, kind);
    enter.show();
    QTest::keyClick(&enter, Qt::Key_Return);
    EXPECT_EQ(TMyDialog::Answer(), 1);
    TMyDialog escape(&Owner(), "T", "L", "", "", 4, kind);
    escape.show();
    QTest::keyClick(&escape, Qt::Key_Escape);
    EXPECT_EQ(TMyDialog::Answer(), 2);
  }
  TMyDialog yes(&Owner(), "T", "L", "", "", 4, MessageYesNo);
  yes.show();
  yes.YesButton()->click();
  ASSERT_EQ(TMyDialog::Answer(), 1);
  TMyDialog closed(&Owner(), "T", "L", "", "", 4, MessageYesNo);
  closed.show();
  closed.close();
  EXPECT_EQ(TMyDialog::Answer(), 2);
  TMyDialog no(&Owner(), "T", "L", "", "", 4, MessageYesNo);
  no.show();
  no.NoButton()->click();
  EXPECT_EQ(TMyDialog::Answer(), 2);
}

TEST_F(DialogTest, OpensCentredOnTheGameWindow) {
  TMyDialog d(&Owner(), "T", "L", "", "", 3, MessageOk);
  d.show();
  QApplication::processEvents();
  const QRect owner(Owner().mapToGlobal(QPoint(0, 0)), Owner().size());
  const QRect box = d.frameGeometry();
  EXPECT_EQ(box.left(), owner.left() + (owner.width() - box.width()) / 2);
  EXPECT_EQ(box.top(), owner.top() + (owner.height() - box.height()) / 2);
}

TEST_F(DialogTest, ShowMessageRunsTheModalDialogAndReturnsItsAnswer) {
  SetMessageHandlerForTesting(nullptr);
  QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
  EXPECT_EQ(ShowMessage(&Owner(), "T", "Question ?", 4, MessageYesNo), 1);
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_EQ(ShowMessage(&Owner(), "T", "Question ?", 4, MessageYesNo), 2);
  // Any other kind shows nothing and gives back the last answer.
  EXPECT_EQ(ShowMessage(&Owner(), "T", "Rien", 4, 5), 2);
}
