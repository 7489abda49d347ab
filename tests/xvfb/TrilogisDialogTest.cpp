// Under a real X server, with the real message dialog: the Enter that closes
// the dialog of a wrong letter is not the next answer, so it opens no second one.
#include "GameHarness.h"
#include "Keys.h"
#include "ShowMessage.h"
#include "TrilogisWindow.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(RealScreen, AWrongLetterClosedWithEnterOpensExactlyOneDialog) {
  auto h = GameHarness::Start<trilogis::TMyAppCumMenuSuite>({.realScreen = true});
  auto& w = static_cast<trilogis::TMainWindowSuite&>(h->Window());
  h->Key(VK_RIGHT);
  h->Key(VK_RIGHT);  // onto the letters: the exercise starts
  ASSERT_EQ(h->TakeMessages().size(), 1u);
  ASSERT_TRUE(w.Saisie().Active());

  SetMessageHandlerForTesting(nullptr);  // the real dialog from here on
  int dialogs = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool()) return;
    dialog->setProperty("answered", true);
    ++dialogs;
    QTest::keyPress(dialog, Qt::Key_Return);  // the default button closes it
    // The key comes up once the dialog is gone, over the game window.
    QTimer::singleShot(100, [&h] { QTest::keyRelease(h->Frame().windowHandle(), Qt::Key_Return); });
  });
  closer.start(50);
  const char wrong = w.Saisie().Asked() == 'A' ? 'B' : 'A';
  h->Key(LetterKey(wrong));
  QTest::qWait(800);
  closer.stop();
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(w.Saisie().Active());
  EXPECT_EQ(w.Saisie().Right(), 0);
}
