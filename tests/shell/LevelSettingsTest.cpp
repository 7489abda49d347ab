// The grown-up's settings of a game with levels: the start level from the file
// and from the command line, the locked top, and files a hand has spoiled.
#include "GameHarness.h"
#include "GameOptions.h"
#include "LevelSettings.h"
#include "TestGame.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testgame;

namespace {
class LevelSettingsTest : public ::testing::Test {
protected:
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u);
    }
    h.reset();
    LevelSettings::UseFile({});
    LevelSettings::SetStartOption(std::nullopt);
  }
  QString WriteFile(const QByteArray& text) {
    const QString path = dir.filePath("tavreno.conf");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
  }
  void Start(const QString& file, std::optional<int> option = std::nullopt) {
    h.reset();
    h = GameHarness::Start<testgame::TMyAppCumMenuSuite>({.settingsFile = file, .startLevelOption = option});
  }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  // Whether every menu item that chooses each level can be chosen.
  std::vector<bool> LevelItemsEnabled() {
    std::vector<bool> enabled;
    const auto actions = W().MenuBar().Bar()->findChildren<QAction*>();
    for (int id : W().Config().levelCommands) {
      int seen = 0;
      bool on = true;
      for (QAction* a : actions)
        if (a->data().toInt() == id) {
          ++seen;
          on = on && a->isEnabled();
        }
      EXPECT_GE(seen, 1) << id;
      enabled.push_back(on);
    }
    return enabled;
  }

  QTemporaryDir dir;
  std::unique_ptr<GameHarness> h;
};

const std::vector<bool> kAllSix(6, true);
}  // namespace

TEST_F(LevelSettingsTest, WithoutAFileTheGameStartsAtItsOwnLevelWithEveryLevelOpen) {
  Start(dir.filePath("missing.conf"));
  EXPECT_EQ(W().Jeu().level, 0);
  EXPECT_EQ(W().TopLevel(), 5);
  EXPECT_EQ(LevelItemsEnabled(), kAllSix);
  // Another game's group and unknown keys change nothing either.
  Start(WriteFile("[oruga]\nniveau_depart=3\n[tavreno]\ncouleur=bleu\n"));
  EXPECT_EQ(W().Jeu().level, 0);
  EXPECT_EQ(W().TopLevel(), 5);
}

TEST_F(LevelSettingsTest, TheFileSetsTheStartAndLocksTheLevelsAboveItsTop) {
  Start(WriteFile("[tavreno]\nniveau_depart=2\nniveau_max=3\n"));
  EXPECT_EQ(W().Jeu().level, 1);
  EXPECT_EQ(h->FirstField(), "Amateur ");
  EXPECT_EQ(LevelItemsEnabled(), (std::vector<bool>{true, true, true, false, false, false}));

  h->Command(cmd::Next);
  EXPECT_EQ(W().Jeu().level, 2);
  const int drawn = W().Board().drawings;
  // The locked top is the end of the scale: the summit message, then a new game there.
  h->ButtonCommand(cmd::Next);
  const auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "B R A V O,  TU ES RENDU AU SOMMET DE LA GLOIRE !");
  EXPECT_EQ(W().Jeu().level, 2);
  EXPECT_EQ(W().Board().drawings, drawn + 1);

  // A locked level's command, however it comes, does nothing; the open ones work.
  h->Command(585);
  h->MenuCommand(575);
  EXPECT_EQ(W().Jeu().level, 2);
  EXPECT_EQ(W().Board().drawings, drawn + 1);
  h->Command(560);
  EXPECT_EQ(W().Jeu().level, 0);
  h->Command(cmd::Previous);
  EXPECT_EQ(h->TakeMessages().size(), 1u);  // the bottom is still the bottom
}

TEST_F(LevelSettingsTest, TheCommandLineStartWinsOverTheFileButNotOverTheLock) {
  const QString file = WriteFile("[tavreno]\nniveau_depart=2\nniveau_max=4\n");
  Start(file, 2);
  EXPECT_EQ(W().Jeu().level, 2);
  Start(file, 5);
  EXPECT_EQ(W().Jeu().level, 3);
  Start({}, 5);
  EXPECT_EQ(W().Jeu().level, 5);
}

TEST_F(LevelSettingsTest, SpoiltValuesAreClampedOrIgnoredAndTheGameAlwaysStarts) {
  // Out of range: brought back into the scale; a start above the top goes down to it.
  Start(WriteFile("[tavreno]\nniveau_depart=40\nniveau_max=-3\n"));
  EXPECT_EQ(W().Jeu().level, 0);
  EXPECT_EQ(W().TopLevel(), 0);
  EXPECT_EQ(LevelItemsEnabled(), (std::vector<bool>{true, false, false, false, false, false}));
  Start(WriteFile("[tavreno]\nniveau_depart=5\nniveau_max=99\n"));
  EXPECT_EQ(W().Jeu().level, 4);
  EXPECT_EQ(W().TopLevel(), 5);
  // Not numbers: the game's own values.
  Start(WriteFile("[tavreno]\nniveau_depart=deux\nniveau_max=\n"));
  EXPECT_EQ(W().Jeu().level, 0);
  EXPECT_EQ(W().TopLevel(), 5);
  // A file that cannot be read as settings (here a folder) is as no file.
  QDir(dir.path()).mkdir("folder.conf");
  Start(dir.filePath("folder.conf"));
  EXPECT_EQ(W().Jeu().level, 0);
  EXPECT_EQ(W().TopLevel(), 5);
}

TEST_F(LevelSettingsTest, SavedChoicesAreReadBackAsTheyWereGiven) {
  LevelSettings::UseFile(dir.filePath("sub/tavreno.conf"));
  ASSERT_TRUE(LevelSettings::Save("oruga", {2, 3}));
  ASSERT_TRUE(LevelSettings::Save("tavreno", {1, 4}));
  LevelSettings::UseFile(dir.filePath("sub/tavreno.conf"));
  const LevelChoice oruga = LevelSettings::For("oruga", 4, 0);
  EXPECT_EQ(oruga.start, 2);
  EXPECT_EQ(oruga.top, 3);
  const LevelChoice test = LevelSettings::For("tavreno", 6, 0);
  EXPECT_EQ(test.start, 1);
  EXPECT_EQ(test.top, 4);
  QFile f(dir.filePath("sub/tavreno.conf"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("niveau_depart=3"));  // counted from 1 in the file
}

TEST(GameOptionsTest, TheLevelOptionIsCountedFromOneAndBadValuesAreRefused) {
  const GameConfig& config = TMainWindowSuite::Config();
  const auto parse = [&](QStringList args) { return ParseGameOptions(config, QStringList{"jeu"} + args); };
  EXPECT_EQ(parse({"--niveau", "1"}).startLevel, 0);
  EXPECT_EQ(parse({"--niveau=6"}).startLevel, 5);
  EXPECT_TRUE(parse({"-platform", "offscreen"}).error.isEmpty());  // Qt's own options pass
  EXPECT_FALSE(parse({}).startLevel.has_value());
  for (const QStringList& bad : {QStringList{"--niveau", "0"}, QStringList{"--niveau", "7"}, QStringList{"--niveau=deux"},
                                 QStringList{"--niveau"}, QStringList{"--vitesse", "3"}}) {
    const GameOptions options = parse(bad);
    EXPECT_FALSE(options.error.isEmpty()) << bad.join(' ').toStdString();
    EXPECT_FALSE(options.error.contains('\n'));
  }
  EXPECT_TRUE(parse({"--aide"}).help);
  EXPECT_TRUE(parse({"--help"}).help);
  const QString help = GameOptionsHelp(config, "jeu");
  EXPECT_TRUE(help.contains("--niveau N")) << help.toStdString();
  EXPECT_TRUE(help.contains("6  Champion")) << help.toStdString();
  EXPECT_TRUE(help.contains("[tavreno]")) << help.toStdString();

  GameConfig oneLevel;
  oneLevel.helpFile = "velisca.HLP";
  EXPECT_FALSE(ParseGameOptions(oneLevel, {"velisca", "--niveau", "1"}).error.isEmpty());
  EXPECT_FALSE(GameOptionsHelp(oneLevel, "velisca").contains("--niveau"));
}
