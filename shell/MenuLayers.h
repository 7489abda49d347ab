#pragma once
#include "DecoratedFrame.h"
#include "GameWindow.h"
#include "LevelMenu.h"
#include "Menu.h"

#include <memory>

// What both menu layers share: the picture menu bar (put on the frame at
// set-up), quit, help and about, and the quit confirmation.
template <class Base>
class TMenuLayer : public Base {
public:
  explicit TMenuLayer(const GameConfig& config) : Base(config), menu_(BuildMenuBar(config)) {
    InstallCommonCommands(*this);
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

// Menu layer of games with levels: next, previous and same level, and the
// direct choice of a level.
template <class Base>
class TMenuANNiv : public TMenuLayer<Base> {
public:
  explicit TMenuANNiv(const GameConfig& config) : TMenuLayer<Base>(config) { InstallLevelCommands(*this); }
  // The grown-up's start level and top level, read once, before the first game.
  void SetupWindow() override {
    TMenuLayer<Base>::SetupWindow();
    ApplyLevelSettings(*this, this->MenuBar());
  }
};

// Menu layer of one-level games: the restart request instead of the level commands.
template <class Base>
class TMenuA1Niv : public TMenuLayer<Base> {
public:
  explicit TMenuA1Niv(const GameConfig& config) : TMenuLayer<Base>(config) { InstallRestartCommand(*this); }
};

// The layer where a game may add to its menus.
template <class Base>
class TMenuSuiteLayer : public Base {
public:
  using Base::Base;
};

template <class Base>
using TMenuANNivSuite = TMenuSuiteLayer<Base>;
template <class Base>
using TMenuA1NivSuite = TMenuSuiteLayer<Base>;
