#pragma once
#include <QMainWindow>

class TControlBar;
class TMenu;
class TStatusBar;
class TWindow;

// The top-level frame: caption, picture menu bar, button bar at the left,
// status bar at the bottom and the client window in the middle. Closing it,
// by any way, first asks the client.
class TDecoratedFrame : public QMainWindow {
public:
  explicit TDecoratedFrame(const QString& caption, TWindow* client = nullptr);
  // Puts `client` in the middle, in place of whatever was there.
  void SetClient(TWindow* client);
  // A menu bar of one picture entry's height, until the real one comes.
  void SetPlaceholderMenu();

  enum Location { Left, Bottom };
  void Insert(TStatusBar* bar, Location where);
  void Insert(TControlBar* bar, Location where);
  void SetMenu(TMenu& menu);
  void SetCaption(const QString& caption) { setWindowTitle(caption); }

  // Creates the client (its set-up runs once) before the frame is shown.
  void Create();

  TWindow* Client() const { return client_; }
  TStatusBar* StatusBar() const { return status_; }
  TControlBar* ControlBar() const { return controls_; }

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  TWindow* client_;
  TStatusBar* status_ = nullptr;
  TControlBar* controls_ = nullptr;
};
