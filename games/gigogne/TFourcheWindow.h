#pragma once
#include "ChildFrame.h"
#include "Univers.h"

#include <vector>

namespace gigogne {

class Monde;
class TFeuilleTresorTerminaleWindow;

// A place with places inside (fourche: a fork of the way): they lie in its
// client area, out of sight until the child enlarges it. It keeps a pointer
// to each; the chests of the treasure are made by the treasure itself.
class TFourcheWindow : public TChildFrame {
public:
  TFourcheWindow(QWidget* parent, const Lieu& lieu, Monde& monde);
  const std::vector<TChildFrame*>& SubPlaces() const { return sub_; }

protected:
  std::vector<TChildFrame*> sub_;
};

// One class per place with places inside.
class TSys_Solaire : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };
class TLa_terre : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };
class TSol : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };
class TEurope : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };
class TFrance : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };
class TNantes : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };
class TChateau : public TFourcheWindow { using TFourcheWindow::TFourcheWindow; };

// The treasure: its four chests, which it counts whenever one changes size.
class TTresor : public TFourcheWindow {
public:
  TTresor(QWidget* parent, const Lieu& lieu, Monde& monde);
  const std::vector<TFeuilleTresorTerminaleWindow*>& Chests() const { return chests_; }
  // The chests open now: those no longer at the home size.
  int OpenChests() const;
  // A chest changed size: the new count told and every open chest shown again.
  void ChestResized();

private:
  Monde& monde_;
  std::vector<TFeuilleTresorTerminaleWindow*> chests_;
  int counted_ = 0;  // the count last told
};

}  // namespace gigogne
