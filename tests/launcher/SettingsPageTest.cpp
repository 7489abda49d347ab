// The grown-up's side of the launcher: the question at the door, the games'
// own word on their levels, and the page that saves each choice at once.
#include "GameConfig.h"
#include "GameOptions.h"
#include "GrownUpQuestion.h"
#include "LevelMenu.h"
#include "LevelQuery.h"
#include "LevelSettings.h"
#include "SettingsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(GrownUpQuestionTest, OnlyTheSumOpensTheDoor) {
  GrownUpQuestion question(27, 48);
  EXPECT_TRUE(question.Accepts("75"));
  EXPECT_TRUE(question.Accepts(" 75 "));
  for (const char* wrong : {"", "74", "76", "27+48", "soixante-quinze", "75a"}) EXPECT_FALSE(question.Accepts(wrong)) << wrong;

  question.show();
  QTest::keyClicks(question.Answer(), "74");
  QTest::keyClick(question.Answer(), Qt::Key_Return);
  EXPECT_TRUE(question.isVisible());
  EXPECT_FALSE(question.Complaint()->text().isEmpty());
  question.Answer()->clear();
  QTest::keyClicks(question.Answer(), "75");
  QTest::keyClick(question.Answer(), Qt::Key_Return);
  EXPECT_EQ(question.result(), QDialog::Accepted);

  for (int k = 0; k < 50; ++k) {
    const auto [a, b] = GrownUpQuestion::RandomTerms();
    EXPECT_TRUE(a >= 12 && a < 50 && b >= 12 && b < 50);
  }
}

TEST(LevelQueryTest, ReadsWhatAGameSaysOfItsLevels) {
  GameConfig config;
  config.levelCount = 4;
  config.startLevel = 1;
  const auto levels = ParseLevelsListing(GameLevelsListing(config));
  ASSERT_TRUE(levels);
  EXPECT_EQ(levels->count, 4);
  EXPECT_EQ(levels->ownStart, 1);
  EXPECT_EQ(levels->names, QStringList({LevelName(4, 0), LevelName(4, 1), LevelName(4, 2), LevelName(4, 3)}));

  EXPECT_EQ(ParseLevelsListing(GameLevelsListing(GameConfig{}))->count, 0);
  EXPECT_FALSE(ParseLevelsListing("Utilisation : jeu\n"));
  EXPECT_FALSE(ParseLevelsListing("3\ndeux\n"));
  EXPECT_EQ(ParseLevelsListing("3\n9\n")->ownStart, 2);  // out of range, brought back
  EXPECT_EQ(ParseLevelsListing("2\n1\n")->names, QStringList({"1", "2"}));
}

TEST(LevelQueryTest, AsksTheGameProgramItselfAndSurvivesAMissingOne) {
  const auto oruga = AskGameLevels(QStringLiteral(TAVRENO_ORUGA_PROGRAM));
  ASSERT_TRUE(oruga);
  EXPECT_EQ(oruga->count, 6);
  EXPECT_EQ(oruga->names.size(), 6);
  EXPECT_FALSE(AskGameLevels("/nulle/part/oruga"));
}

namespace {
class SettingsPageTest : public ::testing::Test {
protected:
  void SetUp() override { LevelSettings::UseFile(dir.filePath("tavreno/tavreno.conf")); }
  void TearDown() override { LevelSettings::UseFile({}); }
  static std::optional<GameLevels> Levels(const GameEntry& game) {
    if (game.name == "plat") return GameLevels{};
    if (game.name == "muet") return std::nullopt;
    return GameLevels{game.name == "oruga" ? 6 : 4, 0, {"a", "b", "c", "d", "e", "f"}};
  }
  std::vector<GameEntry> games{{"oruga", "Oruga", "", "", ""}, {"plat", "Plat", "", "", ""},
                               {"muet", "Muet", "", "", ""}, {"torreta", "Torreta", "", "", ""}};
  QTemporaryDir dir;
};
}  // namespace

TEST_F(SettingsPageTest, ListsTheGamesWithLevelsAsTheFileHasThem) {
  ASSERT_TRUE(LevelSettings::Save("torreta", {2, 3}));
  SettingsPage page(games, Levels);
  ASSERT_EQ(page.Rows().size(), 2u);  // neither the one-level game nor the one that did not answer
  ASSERT_TRUE(page.Find("oruga"));
  EXPECT_EQ(page.Find("oruga")->start->currentIndex(), 0);
  EXPECT_EQ(page.Find("oruga")->top->currentIndex(), 5);
  EXPECT_EQ(page.Find("oruga")->top->count(), 6);
  EXPECT_EQ(page.Find("torreta")->start->currentIndex(), 2);
  EXPECT_EQ(page.Find("torreta")->top->currentIndex(), 3);
}

// A grown-up sets oruga to start at level 2 and never go above 3.
TEST_F(SettingsPageTest, EachChoiceIsSavedAtOnceAndTheTopNeverFallsBelowTheStart) {
  SettingsPage page(games, Levels);
  const auto* oruga = page.Find("oruga");
  oruga->start->setCurrentIndex(1);
  LevelChoice saved = LevelSettings::For("oruga", 6, 0);
  EXPECT_EQ(saved.start, 1);
  EXPECT_EQ(saved.top, 5);
  oruga->top->setCurrentIndex(2);
  saved = LevelSettings::For("oruga", 6, 0);
  EXPECT_EQ(saved.start, 1);
  EXPECT_EQ(saved.top, 2);
  EXPECT_TRUE(page.Status()->text().startsWith(QString::fromUtf8("Enregistré")));

  oruga->top->setCurrentIndex(0);  // below the start: the start comes down with it
  EXPECT_EQ(oruga->start->currentIndex(), 0);
  saved = LevelSettings::For("oruga", 6, 0);
  EXPECT_EQ(saved.start, 0);
  EXPECT_EQ(saved.top, 0);
  oruga->start->setCurrentIndex(4);  // above the top: the top goes up with it
  EXPECT_EQ(oruga->top->currentIndex(), 4);
  EXPECT_EQ(LevelSettings::For("oruga", 6, 0).top, 4);
  // The other game is untouched.
  EXPECT_EQ(LevelSettings::For("torreta", 4, 0).top, 3);
}

TEST_F(SettingsPageTest, AFileThatCannotBeWrittenIsSaidOnThePage) {
  LevelSettings::UseFile(QString());
  SettingsPage page(games, Levels);
  page.Find("oruga")->start->setCurrentIndex(1);
  EXPECT_TRUE(page.Status()->text().startsWith("Impossible"));
}
