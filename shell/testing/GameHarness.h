#pragma once
#include "AppCumMenu.h"
#include "Cursor.h"
#include "Menu.h"
#include "GameWindow.h"
#include "ShowMessage.h"
#include "SteppedTimers.h"

#include <QImage>
#include <QPoint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TDecoratedFrame;
class QPrinter;
class QWindow;

// Runs one game program headless: fixed screen and seed, stepped timers, a beep
// counter, and a recorder in place of the message dialog. Input goes through the
// frame's window as a user's would; points are in drawing-area coordinates.
class GameHarness {
public:
  struct Options {
    int screenWidth = 1024;
    int screenHeight = 768;
    int taskbarHeight = 30;  // along the bottom of the screen
    unsigned seed = 1;
    std::deque<int> scriptedRandom;  // values the generator gives first
    // The display's own screen and window manager instead of the fixed screen
    // (for runs under a real X server); the screen sizes above are then unused.
    bool realScreen = false;
    // The grown-up's settings file (none when empty) and a start level given
    // as on the command line, as an index.
    QString settingsFile;
    std::optional<int> startLevelOption;
  };

  template <class App>
  static std::unique_ptr<GameHarness> Start(const Options& options) {
    auto harness = std::unique_ptr<GameHarness>(new GameHarness(options));
    harness->make_ = [] { return std::unique_ptr<TMyAppCumMenu>(new App); };
    harness->Launch();
    return harness;
  }
  template <class App>
  static std::unique_ptr<GameHarness> Start() { return Start<App>(Options{}); }
  ~GameHarness();

  // Dialogs. Yes/No questions take the scripted answers in order; a question
  // with none left is answered "&N O N" and counted as unexpected. Notices are
  // answered "&O U I".
  void Answer(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }
  void AnswerWith(std::function<int(const ShownMessage&)> chooser) { chooser_ = std::move(chooser); }
  std::vector<ShownMessage> TakeMessages();
  size_t PendingMessages() const { return messages_.size(); }
  int UnexpectedQuestions() const { return unexpected_; }
  std::vector<QString> TakeInformationBoxes();
  int Beeps() const { return beeps_; }
  // Popup menus. They take the scripted ids in order (0 chooses nothing); with
  // none left, nothing is chosen. Each popup shown is recorded with its point.
  struct ShownPopup {
    TMenuResource items;
    QPoint point;
  };
  void AnswerPopups(std::initializer_list<int> ids) { popupAnswers_.insert(popupAnswers_.end(), ids); }
  void AnswerPopupsWith(std::function<int(const TMenuResource&)> chooser) { popupChooser_ = std::move(chooser); }
  std::vector<ShownPopup> TakePopups() { return std::exchange(popups_, {}); }
  // The print dialog: each one is counted and answered by the chooser, which
  // may set the printer up (a PDF file) and returns false to cancel; with no
  // chooser every print dialog is cancelled.
  void AnswerPrintDialogsWith(std::function<bool(QPrinter&)> chooser) { printChooser_ = std::move(chooser); }
  int PrintDialogs() const { return printDialogs_; }
  void StepTimers(int milliseconds) { timers_.Step(milliseconds); }

  // Input.
  void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void Release(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void DoubleClick(QPoint p);
  // The left button pressed at `from`, moved to `to` in `steps` moves, and let go there.
  void Drag(QPoint from, QPoint to, int steps = 1);
  void Move(QPoint p);
  void KeyPress(int key);
  void KeyRelease(int key);
  void Key(int key);
  void Command(int id);          // as the response table gets it
  void MenuCommand(int id);      // through the picture menu's item
  void ButtonCommand(int id);    // through the button bar
  void CloseFrame();             // the frame's close box
  // The scroll bar of id `bar` in the game window, clicked as the child would:
  // an arrow (steps > 0 the lower or right one), the page area beside the thumb
  // (pages > 0 below or right of it), the thumb dragged to `position` and let
  // go, the wheel turned.
  void ScrollArrow(int bar, int steps);
  void ScrollPage(int bar, int pages);
  void DragThumb(int bar, int position);
  void ScrollWheel(int bar, int notches);
  int ScrollPosition(int bar) const;
  bool ButtonPressed(int command) const;
  // After the program quit: the program started again, as the child would.
  void Relaunch();

  // Output.
  QString MessageField() const;
  QString FirstField() const;
  QString SecondField() const;
  QString Caption() const;
  TCursor Pointer() const;
  QImage Screen() const;         // what the window shows
  QImage Copy() const;           // the off-screen copy
  QImage Grab() const;           // the window as painted on the desktop
  bool FrameVisible() const;

  TMyAppCumMenu& App() const { return *app_; }
  TGameWindow& Window() const { return *app_->GameWindow(); }
  TDecoratedFrame& Frame() const;
  QPoint DrawingOrigin() const;  // the drawing area's origin in the frame's window

private:
  explicit GameHarness(const Options& options);
  void Launch();
  int Record(const ShownMessage& message);
  QWindow* Handle() const;
  QPoint ToWindow(QPoint p) const;

  Options options_;
  std::function<std::unique_ptr<TMyAppCumMenu>()> make_;
  std::unique_ptr<TMyAppCumMenu> app_;
  SteppedTimers timers_;
  std::deque<int> answers_;
  std::function<int(const ShownMessage&)> chooser_;
  std::vector<ShownMessage> messages_;
  std::deque<int> popupAnswers_;
  std::function<int(const TMenuResource&)> popupChooser_;
  std::vector<ShownPopup> popups_;
  std::vector<QString> infoBoxes_;
  std::function<bool(QPrinter&)> printChooser_;
  int printDialogs_ = 0;
  int unexpected_ = 0;
  int beeps_ = 0;
};
