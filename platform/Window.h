#pragma once
#include "Cursor.h"
#include "DC.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <set>
#include <vector>

class QTimer;

// A window of the game: a widget that shows an image of its own (the screen),
// dispatches commands by numeric id, and passes mouse, key and timer events to
// virtual handlers with points in its own client coordinates.
class TWindow : public QWidget {
public:
  explicit TWindow(QWidget* parent = nullptr);
  ~TWindow() override;

  // Runs SetupWindow once; the frame calls it before it is first shown.
  void Create();
  bool IsCreated() const { return created_; }
  virtual void SetupWindow() {}
  virtual bool CanClose() { return true; }

  // Commands: one handler per id, as a response table.
  void OnCommand(int id, std::function<void()> handler);
  bool EvCommand(int id);
  bool HandlesCommand(int id) const { return commands_.count(id) != 0; }
  // Every id the window answers, in increasing order.
  std::vector<int> CommandIds() const {
    std::vector<int> ids;
    for (const auto& entry : commands_) ids.push_back(entry.first);
    return ids;
  }

  // The screen image the window shows; drawing on it goes through a TClientDC.
  QImage& Screen() { return screen_; }
  void SetScreenSize(QSize size);
  // Repaints the whole window through Paint (the games copy their off-screen image there).
  void Invalidate();
  virtual void Paint(TDC& dc, const QRect& area) {}

  // While input is held (an animation of the game runs), commands, mouse
  // buttons and keys are dropped and the frame will not close; the window
  // still repaints, moves still arrive and timers still tick.
  void HoldInput(bool held) { inputHeld_ = held; }
  bool InputHeld() const { return inputHeld_; }

  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  virtual void EvTimer(int id) {}

  void SetCursorShape(TCursor shape);
  TCursor CursorShape() const { return cursorShape_; }

protected:
  virtual void EvLButtonDown(unsigned flags, QPoint point) {}
  virtual void EvLButtonUp(unsigned flags, QPoint point) {}
  virtual void EvRButtonDown(unsigned flags, QPoint point) {}
  virtual void EvRButtonUp(unsigned flags, QPoint point) {}
  virtual void EvLButtonDblClk(unsigned flags, QPoint point) {}
  virtual void EvMouseMove(unsigned flags, QPoint point) {}
  virtual void EvKeyDown(int key) {}
  virtual void EvKeyUp(int key) {}

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  friend class TimerDriver;
  bool created_ = false;
  bool inputHeld_ = false;
  QImage screen_;
  std::map<int, std::function<void()>> commands_;
  std::map<int, QTimer*> timers_;
  std::set<int> keysDown_;
  TCursor cursorShape_ = TCursor::Arrow;
};


// Where window timers tick. The real one uses precise Qt timers; tests install
// one whose ticks they step themselves.
class TimerDriver {
public:
  virtual ~TimerDriver() = default;
  virtual void Start(TWindow* window, int id, int milliseconds) = 0;
  virtual void Stop(TWindow* window, int id) = 0;
  static void Install(TimerDriver* driver);  // nullptr: real timers
  static TimerDriver* Installed();

protected:
  static void Tick(TWindow* window, int id) { window->EvTimer(id); }
};

#include "ClientDC.h"
