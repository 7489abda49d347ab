#pragma once
#include "EcranForet.h"
#include "TFenetreForet.h"

namespace capucine {

namespace cmd = foret::cmd;

using JeuANNivSuite = foret::JeuForet;

class TMainWindowSuite;

// The board screen: the girl steps to her own cell or any of her eight
// neighbours by mouse, or across an edge by arrow key; a press farther away
// is refused.
class EcranSuite : public foret::EcranForet {
public:
  EcranSuite(TMainWindowSuite& window, JeuANNivSuite& jeu);

protected:
  void Clicked(foret::CaseForet& cell) override;
  void Answer(foret::Pas pas, foret::CaseForet& target) override;
  int Picture(foret::Kind kind) const override;
};

class TMainWindowSuite : public foret::TFenetreForet {
public:
  TMainWindowSuite();
  static const GameConfig& Config();

  JeuANNivSuite& Jeu() { return jeu_; }

private:
  JeuANNivSuite jeu_;
  EcranSuite ecran_{*this, jeu_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace capucine
