#pragma once
#include "Application.h"
#include "GameConfig.h"
#include "Tools.h"

class TControlBar;
class TGameWindow;
class TStatusBar;
class TTextGadget;

// The application of every game: the frame with its caption, the button bar at
// the left, the status bar with two fields and, unless the game has none, a
// clock at the bottom, and the game window in the middle, shown maximised.
class TMyAppCumMenu : public TApplication {
public:
  explicit TMyAppCumMenu(const GameConfig& config);
  ~TMyAppCumMenu() override;

  static TFont MakeSharedFont();
  const TFont& SharedFont() const { return font_; }
  TStatusBar* StatusBar() const { return status_; }
  TTextGadget* FirstField() const { return first_; }
  TTextGadget* SecondField() const { return second_; }
  TControlBar* ButtonBar() const { return buttons_; }
  TGameWindow* GameWindow() const { return window_; }
  const GameConfig& Config() const { return config_; }

protected:
  void InitMainWindow() override;
  virtual TGameWindow* CreateGameWindow() = 0;

private:
  const GameConfig& config_;
  TFont font_;
  TGameWindow* window_ = nullptr;
  TControlBar* buttons_ = nullptr;
  TStatusBar* status_ = nullptr;
  TTextGadget* first_ = nullptr;
  TTextGadget* second_ = nullptr;
};

// A game's application: the shell's, making the game's own window.
template <class GameWindowClass>
class TMyAppCumMenuSuite : public TMyAppCumMenu {
public:
  TMyAppCumMenuSuite() : TMyAppCumMenu(GameWindowClass::Config()) {}
  static const GameConfig& GameConfiguration() { return GameWindowClass::Config(); }

protected:
  TGameWindow* CreateGameWindow() override { return new GameWindowClass; }
};

// Writes a text into one of the status fields of the running application.
enum class StatusField;
void WriteStatusField(StatusField field, const QString& text);
