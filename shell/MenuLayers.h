#pragma once
#include "DecoratedFrame.h"
#include "GameWindow.h"
#include "LevelMenu.h"
#include "Menu.h"

#include <memory>

// Menu layer of games with levels: the picture menu bar, the level commands,
// quit and about, and the quit confirmation.
template <class Base>
class TMenuANNiv : public Base {
public:
  explicit TMenuANNiv(const GameConfig& config) : Base(config), menu_(BuildMenuBar(config)) {
    InstallCommonCommands(*this);
    InstallLevelCommands(*this);
  }
  bool CanClose() override { return this->AskQuit(); }
  void SetupWindow() override {
    Base::SetupWindow();
    if (auto* frame = dynamic_cast<TDecoratedFrame*>(this->window())) frame->SetMenu(*menu_);
  }
  TMenu& MenuBar() { return *menu_; }

private:
  std::unique_ptr<TMenu> menu_;
};

// The layer where a game with levels may add to its menus; it keeps the
// drawing context of picture 0 at hand.
template <class Base>
class TMenuANNivSuite : public Base {
public:
  explicit TMenuANNivSuite(const GameConfig& config) : Base(config), picture0_(this->PictureDC(0)) {}

protected:
  TMemoryDC& picture0_;
};

// Menu layer of one-level games: as above with a restart command instead of the
// level commands.
template <class Base>
class TMenuA1Niv : public Base {
public:
  explicit TMenuA1Niv(const GameConfig& config) : Base(config), menu_(BuildMenuBar(config)) {
    InstallCommonCommands(*this);
    InstallRestartCommand(*this);
  }
  bool CanClose() override { return this->AskQuit(); }
  void SetupWindow() override {
    Base::SetupWindow();
    if (auto* frame = dynamic_cast<TDecoratedFrame*>(this->window())) frame->SetMenu(*menu_);
  }
  TMenu& MenuBar() { return *menu_; }

private:
  std::unique_ptr<TMenu> menu_;
};

template <class Base>
class TMenuA1NivSuite : public Base {
public:
  explicit TMenuA1NivSuite(const GameConfig& config) : Base(config), picture0_(this->PictureDC(0)) {}

protected:
  TMemoryDC& picture0_;
};
