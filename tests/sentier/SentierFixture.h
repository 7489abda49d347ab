#pragma once
#include "GameHarness.h"
#include "SentierWindow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// The forest builder run headless at 1024 x 768.
class SentierTest : public ::testing::Test {
protected:
  using Rows = std::vector<std::string>;
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
      EXPECT_EQ(h->UnexpectedQuestions(), 0);
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<sentier::TMyAppCumMenuSuite>(options);
  }
  sentier::TMainWindowSuite& W() { return static_cast<sentier::TMainWindowSuite&>(h->Window()); }
  sentier::Labyrinthe& L() { return W().Rules(); }
  foret::ToClic2D& B() { return W().Board(); }
  sentier::Mode CurrentMode() { return W().Jeu().CurrentMode(); }
  int Phase() { return W().Jeu().phase; }

  // Lays a world from text (see Labyrinthe::Load) and draws it, with no mode.
  void Load(const Rows& rows) {
    L().Load(rows, W().DrawingArea().width(), W().DrawingArea().height());
    W().Jeu().FollowMode();
    W().TheEcran()->DrawAll();
  }
  // A world laid, then one of the play modes entered and confirmed.
  void Play(const Rows& rows, int command = sentier::cmd::Walk) {
    Load(rows);
    h->Answer({AnswerYes});
    h->ButtonCommand(command);
    const ShownMessage m = OnlyMessage();
    ASSERT_EQ(m.line1, QString::fromUtf8("Le labyrinthe est-il bien terminé ?"));
  }
  Rows Text() {
    Rows rows;
    for (int r = 0; r < B().Rows(); ++r) {
      std::string row;
      for (int c = 0; c < B().Columns(); ++c) {
        const foret::Kind k = B().Cell(r, c).kind;
        row += k == foret::Kind::Path ? '.' : k == foret::Kind::Flower ? 'F' : k == foret::Kind::Wolf ? 'W'
             : k == foret::Kind::Child ? 'P' : k == foret::Kind::Hut ? 'H' : 'T';
      }
      rows.push_back(row);
    }
    return rows;
  }
  QPoint Centre(int r, int c) {
    const foret::CaseForet& cell = B().Cell(r, c);
    return QPoint(cell.left + 14, cell.top + 14);
  }
  void ClickCell(int r, int c) { h->Click(Centre(r, c)); }
  // The picture each kind shows.
  static int PictureOf(foret::Kind kind) {
    switch (kind) {
      case foret::Kind::Hut: return 1;
      case foret::Kind::Flower: return 3;
      case foret::Kind::Wolf: return 4;
      case foret::Kind::Child: return 5;
      case foret::Kind::Path: return 7;
      default: return 0;
    }
  }
  // Both surfaces show every cell's picture.
  void ExpectSurfacesShowTheBoard() {
    const QImage screen = h->Screen(), copy = h->Copy();
    for (int r = 0; r < B().Rows(); ++r)
      for (int c = 0; c < B().Columns(); ++c) {
        const foret::CaseForet& cell = B().Cell(r, c);
        const QImage want = W().PictureDC(PictureOf(cell.kind)).Image()->copy();
        ASSERT_EQ(screen.copy(cell.left, cell.top, 29, 29), want) << "screen cell " << r << "," << c;
        ASSERT_EQ(copy.copy(cell.left, cell.top, 29, 29), want) << "copy cell " << r << "," << c;
      }
  }
  // The one message shown since the last look.
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  // The mode buttons pressed now.
  std::vector<int> Pressed() {
    std::vector<int> pressed;
    for (int id = sentier::cmd::Girl; id <= sentier::cmd::Hunt; id += 10)
      if (h->ButtonPressed(id)) pressed.push_back(id);
    return pressed;
  }

  std::unique_ptr<GameHarness> h;
};

// A complete world: the girl in red between five flowers above and five wolves
// below, the hut up the path on the right.
inline const std::vector<std::string> kComplete = {
    "TTTTTTTTT",
    "TFFFFF.HT",
    "T..P...TT",
    "TWWWWW.TT",
    "TTTTTTTTT",
    "TTTTTTTTT",
};
