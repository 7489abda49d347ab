#pragma once
#include "BitmapWindow.h"
#include "MemDCWindow.h"
#include "MenuLayers.h"
#include "MouseWindows.h"
#include "AppCumMenu.h"
#include "Direction.h"
#include "LevelMenu.h"
#include "Random.h"
#include "Services.h"
#include "SmallScreen.h"

#include <QString>
#include <cstdio>

// The shared top layer: the start-up every game shares, the arrow keys handed
// to the board screen through the phase gate, and the status-bar texts,
// formatted into an 80-character buffer (longer texts are cut, never written
// past it).
template <class Base>
class TMainWindow : public Base {
public:
  explicit TMainWindow(const GameConfig& config) : Base(config) {}

  // The menu bar on the frame, the generator seeded with the time, then the
  // first game: the start level applied, every game object reset and the whole
  // board drawn, with no question asked.
  void SetupWindow() override {
    Base::SetupWindow();
    Random::Seed(static_cast<unsigned>(Services::NowSeconds()));
    StartFirstGame(*this);
    NoticeSmallScreen(*this);
  }

  void SetMessageField(int n) { Write(StatusField::Message, " %d   ", n); }
  void SetMessageField(int a, int b) { Write(StatusField::Message, "%d  %d", a, b); }
  void SetMessageField(const char* s, int n) { Write(StatusField::Message, "%s %d   ", s, n); }
  void SetMessageField(int n, const char* s) { Write(StatusField::Message, "%d %s   ", n, s); }
  void SetMessageField(const char* s) { Write(StatusField::Message, "%s ", s); }
  void SetMessageField(const char* s, int a, int b) { Write(StatusField::Message, "%s %d  %d", s, a, b); }
  void SetFirstField(int n) { Write(StatusField::First, " %d   ", n); }
  void SetFirstField(int a, int b) { Write(StatusField::First, "%d  %d", a, b); }
  void SetFirstField(const char* s, int n) { Write(StatusField::First, "%s %d   ", s, n); }
  void SetFirstField(int n, const char* s) { Write(StatusField::First, "%d %s   ", n, s); }
  void SetFirstField(const char* s) { Write(StatusField::First, "%s ", s); }
  void SetSecondField(int n) { Write(StatusField::Second, " %d   ", n); }
  void SetSecondField(int a, int b) { Write(StatusField::Second, "%d  %d", a, b); }
  void SetSecondField(const char* s, int n) { Write(StatusField::Second, "%s %d   ", s, n); }
  void SetSecondField(int n, const char* s) { Write(StatusField::Second, "%d %s   ", n, s); }
  void SetSecondField(const char* s) { Write(StatusField::Second, "%s ", s); }

  void WriteStatus(StatusField field, const QString& text) override { WriteStatusField(field, text); }

protected:
  // A modifier released alone (Shift held for a capital, Caps Lock) is never a key for the game.
  void EvKeyUp(int key) override {
    if (!this->Jeu() || !this->TheEcran() || IsModifierKey(key)) return;
    const auto d = ArrowDirection(key);
    if (d && this->Config().arrowKeys) this->Jeu()->Arrow(*this, *this->TheEcran(), *d);
    else if (this->Config().otherKeys) this->Jeu()->Key(*this, *this->TheEcran(), key);
  }

private:
  template <class... Args>
  void Write(StatusField field, const char* format, Args... args) {
    std::snprintf(buffer_, sizeof buffer_, format, args...);
    WriteStatusField(field, QString::fromUtf8(buffer_));
  }
  char buffer_[80] = {};
};

// The usual chains: the picture layer below the memory layer, and the other order.
template <class Suite>
using TNLevelChain = TMainWindow<TMenuANNivSuite<TMenuANNiv<TMouseMoveWindow<TMouseLRButtonWindow<Suite>>>>>;
template <class Suite>
using TOneLevelChain = TMainWindow<TMenuA1NivSuite<TMenuA1Niv<TMouseMoveWindow<TMouseLRButtonWindow<Suite>>>>>;
// Base of a game's TMemDCWindowSuite, picture layer first.
using TMemDCWindowBase = TMemDCWindow<TBitmapWindow<TGameWindow>>;
