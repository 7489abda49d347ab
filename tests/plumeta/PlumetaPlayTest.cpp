// The menus and bars as the child sees them, and a long random play.
#include "PlumetaFixture.h"
#include "RandomPlayer.h"

#include <QPrinter>
#include <QTemporaryDir>

using namespace plumeta;

TEST_F(PlumetaTest, EveryCommandAnswersByItsButtonAndItsMenuAndNoRestartExists) {
  const std::vector<int> ids = W().CommandIds();
  for (int id : {101, 102, 510, 511, 520, 521, 530, 535, 536, 540, 541, 543, 544, 545, 546, 550, 551})
    EXPECT_TRUE(W().HandlesCommand(id)) << id;
  for (int id : {512, 513}) EXPECT_FALSE(W().HandlesCommand(id)) << id;
  h->ButtonCommand(cmd::LargeEraser);
  EXPECT_EQ(W().Radius(), kLargeEraser);
  h->ButtonCommand(cmd::SmallEraser);
  EXPECT_EQ(W().Radius(), kSmallEraser);
  h->MenuCommand(cmd::Print);
  EXPECT_EQ(h->PrintDialogs(), 1);
  h->ButtonCommand(cmd::Print);
  EXPECT_EQ(h->PrintDialogs(), 2);
  h->MenuCommand(cmd::ChoosePrinter);
  EXPECT_EQ(h->PrintDialogs(), 3);
}

TEST_F(PlumetaTest, ALongRandomPlayWritesRubsClearsAndPrintsWithoutFault) {
  QTemporaryDir dir;
  int printed = 0;
  h->AnswerPrintDialogsWith([&](QPrinter& printer) {
    // Every other dialog cancelled, the others printing into a file.
    if (h->PrintDialogs() % 2) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page%1.pdf").arg(++printed)));
    return true;
  });
  h->AnswerWith([](const ShownMessage& m) { return static_cast<int>(m.title.size() % 2) + 1; });
  RandomPlayer player(*h, 41);
  player.SetCommands({cmd::Pen, cmd::SmallEraser, cmd::NormalEraser, cmd::LargeEraser, cmd::Clear, cmd::Print,
                      cmd::ChoosePrinter});
  const PlayReport report = player.Play(3000);
  EXPECT_TRUE(report.ok) << report.failure;
  EXPECT_GT(h->PrintDialogs(), 0);
  h->Command(cmd::Pen);
  EXPECT_EQ(h->Screen(), h->Copy()) << "the eraser's circle left behind";
  h->TakeMessages();
}
