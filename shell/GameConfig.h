#pragma once
#include "Menu.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <array>
#include <vector>

// A button of the bar, the picture's resource name, its command, and the number
// of separators that follow it.
struct BarButton {
  QString picture;
  int command;
  int separatorsAfter;
  int group = 0;  // above 0: an exclusive toggle button of that group
};

// A popup of the game's own in the picture menu bar.
struct GamePopup {
  QString picture;
  TMenuResource items;
  std::map<int, QString> pictures;
  bool picturesBesideText = false;  // the pictured items keep their text beside the picture
};

// Command ids of a pair: the button's and the picture menu's.
struct CommandPair {
  int button = 0;
  int menu = 0;
};

// Everything the shell needs to know of a game to build its program around it.
struct GameConfig {
  QString title;                    // caption and application name
  QString helpFile;                 // "oruga.HLP"
  QStringList resourceFolders;      // where pictures are looked up, game's first
  std::vector<QString> pictures;    // the window's picture table, in order
  std::array<int, 6> dialogPictures{0, 1, 2, 3, 4, 5};  // table entries of the dialog pictures
  int marginRight = 45;             // drawing area: screen width less this
  int marginBottom = 67;            // drawing area: top of the task bar less this
  // Room the game's own child windows take right of and below the drawing area;
  // where the frame is tight the area shrinks so that this room shows too.
  int reserveRight = 0;
  int reserveBottom = 0;
  bool doubleClickNotice = true;
  bool arrowKeys = false;           // the arrow keys reach the board screen
  bool otherKeys = false;           // every other key but a modifier reaches the board screen's Key
  QString quitQuestion = QStringLiteral("Veux-tu vraiment quitter ?");
  int fieldChars = 5;               // width of the two status fields
  int secondFieldChars = 0;         // width of the second field where it differs (0: fieldChars)
  bool clock = true;                // the status bar ends with the local time
  int startImages = 2;              // large images made at the start: the screen, the off-screen copy, any other

  // Levels: levelCount 0 makes a one-level game.
  int levelCount = 0;
  int startLevel = 0;
  std::vector<QString> levelPictures;  // menu pictures of the levels, in order

  CommandPair quit, nextLevel, previousLevel, sameLevel, help, restart;
  std::vector<int> levelCommands;
  int about = 0;
  // The restart item's picture in the menu bar of a one-level game.
  QString restartPicture = QStringLiteral("BITMAPExecuter");

  // Button bar: buttons with their separators; separators are
  // (drawing-area height - separatorK * 32) / separatorD high when separatorD > 0,
  // separatorFixed otherwise.
  std::vector<BarButton> buttons;
  int separatorK = 0;
  int separatorD = 0;
  int separatorFixed = 40;
  int barColumns = 1;               // buttons in rows of this many; a separator ends a row

  std::vector<GamePopup> popups;    // the game's own popups, after the level popup
  TMenuResource textMenu;           // the plain text list of every command
  // A game whose picture menu bar differs from the usual pattern builds it here.
  std::function<std::unique_ptr<TMenu>(const GameConfig&)> buildMenu;
};

std::vector<QString> NumberedPictures(int count);
// Appends the six dialog pictures that every program shares to the end of the
// game's picture table and tells the dialog where they are. For games whose own
// pictures are called Bitmap00, Bitmap01, ... like the shared ones: these are
// looked up from the resource root, past the game's own folder.
void AppendDialogPictures(GameConfig& config);

// The command ids of a game with levels, with the level choices in order.
struct LevelCommandIds {
  CommandPair quit, nextLevel, sameLevel, previousLevel, help;
  int about = 0;
  std::vector<int> levels;
};
