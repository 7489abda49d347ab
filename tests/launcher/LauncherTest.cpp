// The launcher: the games the build made, starting them through the program
// seam, a program that cannot start, and the keys that move between games.
#include "GameButton.h"
#include "GameCatalog.h"
#include "LauncherWindow.h"
#include "ShowMessage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString WriteCatalog(const QTemporaryDir& dir, const QByteArray& text) {
  const QString path = dir.filePath("games.tsv");
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
  return path;
}

std::vector<GameEntry> Games(int count) {
  std::vector<GameEntry> games;
  for (int k = 0; k < count; ++k) {
    const QString name = QStringLiteral("jeu%1").arg(k);
    games.push_back({name, name, QStringLiteral("Une ligne"), QString(), QStringLiteral("/nulle/part/") + name});
  }
  return games;
}

struct Started {
  QStringList programs;
  StartProgram Seam(bool works = true) {
    return [this, works](const QString& program, const QStringList&) {
      programs << program;
      return works;
    };
  }
};
}  // namespace

TEST(GameCatalogTest, ReadsLinesResolvesPathsSortsByTitleAndSkipsBrokenLines) {
  QTemporaryDir dir;
  const QString file = WriteCatalog(dir,
      "zeta\tZeta\tLa dernière\ticons/zeta.svg\tzeta\n"
      "broken\tonly three\tfields\n"
      "\n"
      "alpha\tAlpha\tLa première, accentuée : é\t/abs/alpha.svg\t/abs/bin/alpha\n");
  const auto games = GameCatalog::Load(file, "/opt/tavreno/bin");
  ASSERT_EQ(games.size(), 2u);
  EXPECT_EQ(games[0].name, "alpha");
  EXPECT_EQ(games[0].description, QString::fromUtf8("La première, accentuée : é"));
  EXPECT_EQ(games[0].program, "/abs/bin/alpha");
  EXPECT_EQ(games[0].icon, "/abs/alpha.svg");
  EXPECT_EQ(games[1].program, "/opt/tavreno/bin/zeta");
  EXPECT_EQ(games[1].icon, QDir(dir.path()).filePath("icons/zeta.svg"));
  EXPECT_TRUE(GameCatalog::Load(dir.filePath("absent.tsv"), "/").empty());
}

TEST(GameCatalogTest, FindsTheCatalogBesideTheLauncherOrUnderTheInstalledShare) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("bin");
  EXPECT_EQ(GameCatalog::DefaultFile(dir.filePath("bin")), dir.filePath("share/tavreno/games.tsv"));
  WriteCatalog(dir, "");
  EXPECT_EQ(GameCatalog::DefaultFile(dir.path()), dir.filePath("games.tsv"));
}

// The build's catalog holds exactly the folders of games/ that make a program.
TEST(GameCatalogTest, TheBuildListsEveryGameItMadeAndNothingElse) {
  QSet<QString> made;
  const QDir games(QStringLiteral(TAVRENO_SOURCE_DIR "/games"));
  for (const QString& name : games.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (QFile::exists(games.filePath(name + "/main.cpp"))) made << name;
  QSet<QString> listed;
  for (const GameEntry& game : GameCatalog::Load(QStringLiteral(TAVRENO_BUILD_CATALOG), "/")) {
    listed << game.name;
    EXPECT_FALSE(game.description.isEmpty()) << qPrintable(game.name);
    EXPECT_TRUE(QFile::exists(game.icon)) << qPrintable(game.icon);
  }
  EXPECT_EQ(listed, made);
}

TEST(LauncherTest, ATestGameInTheCatalogGetsAButtonAndStartsThroughTheSeam) {
  QTemporaryDir dir;
  const auto games = GameCatalog::Load(
      WriteCatalog(dir, "essai\tEssai\tUn jeu pour les tests\tessai.svg\tbin/essai\n"), dir.path());
  Started started;
  LauncherWindow window(games, started.Seam());
  ASSERT_EQ(window.Buttons().size(), 1u);
  EXPECT_EQ(window.Buttons()[0]->text(), "Essai");
  QTest::mouseClick(window.Buttons()[0], Qt::LeftButton);
  QTest::mouseClick(window.Buttons()[0], Qt::LeftButton);  // twice is allowed: each is its own program
  EXPECT_EQ(started.programs, QStringList({dir.filePath("bin/essai"), dir.filePath("bin/essai")}));
  EXPECT_TRUE(window.isEnabled());
}

TEST(LauncherTest, AProgramThatCannotStartIsToldInTheMessageDialog) {
  std::vector<ShownMessage> shown;
  SetMessageHandlerForTesting([&](const ShownMessage& m) {
    shown.push_back(m);
    return AnswerYes;
  });
  Started started;
  LauncherWindow window(Games(2), started.Seam(false));
  window.Start(1);
  SetMessageHandlerForTesting({});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].line1.contains("jeu1"));
  EXPECT_EQ(shown[0].line3, "/nulle/part/jeu1");
  EXPECT_EQ(shown[0].kind, MessageOk);
  // The real seam says so too, instead of pretending.
  EXPECT_FALSE(StartDetached("/nulle/part/jeu1", {}));
}

TEST(LauncherTest, ArrowsMoveThroughTheGridStoppingAtItsEdgesAndEnterStarts) {
  Started started;
  LauncherWindow window(Games(7), started.Seam());
  window.resize(1000, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const int columns = window.Columns();
  ASSERT_GE(columns, 2);
  const auto& b = window.Buttons();
  b[0]->setFocus();
  const auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
  const auto at = [&] {
    return static_cast<int>(std::find(b.begin(), b.end(), QApplication::focusWidget()) - b.begin());
  };
  press(Qt::Key_Left);
  press(Qt::Key_Up);
  EXPECT_EQ(at(), 0);
  press(Qt::Key_Right);
  EXPECT_EQ(at(), 1);
  press(Qt::Key_Down);
  EXPECT_EQ(at(), 1 + columns);
  for (int k = 0; k < columns; ++k) press(Qt::Key_Right);
  EXPECT_EQ(at(), std::min(2 * columns - 1, 6));  // the row's end, never the next row
  press(Qt::Key_Return);
  EXPECT_EQ(started.programs, QStringList({"/nulle/part/jeu" + QString::number(at())}));
  b[6]->setFocus();
  press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.SettingsButton());
}

TEST(LauncherTest, TheGridFollowsTheWindowsWidth) {
  LauncherWindow window(Games(5), {});
  window.resize(1920, 1080);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const int wide = window.Columns();
  window.resize(640, 480);
  QApplication::processEvents();
  EXPECT_GT(wide, window.Columns());
  EXPECT_GE(window.Columns(), 1);
  for (auto* button : window.Buttons()) EXPECT_GE(button->width(), GameButton::kMinimumWidth);
}
