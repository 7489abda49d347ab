#pragma once
#include "EcranForet.h"
#include "SaisieCharAuClavier.h"
#include "TFenetreForet.h"

namespace trilogis {

namespace cmd = foret::cmd;

// Game state: the walk's, with the count of stumbles, and the end of a game
// told in the piglet's words.
class JeuANNivSuite : public foret::JeuForet {
public:
  int chocs = 0;  // stumbles
  void NoticeFinished(TWindow& window) override;
};

class TMainWindowSuite;

// The board screen: the piglet steps to any of its eight neighbours by mouse
// or across an edge by arrow key; on a letters cell every key answers the
// keyboard exercise until it is done.
class EcranSuite : public foret::EcranForet {
public:
  EcranSuite(TMainWindowSuite& window, JeuANNivSuite& jeu, SaisieCharAuClavier& saisie);
  void LButtonDown(QPoint p) override;
  void Arrow(Direction d) override;
  void Key(int key) override;

protected:
  void Clicked(foret::CaseForet& cell) override;
  void Answer(foret::Pas pas, foret::CaseForet& target) override;
  int Picture(foret::Kind kind) const override;

private:
  void ShowRequest();
  void Wrong();
  void EndExercise();

  JeuANNivSuite& jeuSuite_;
  SaisieCharAuClavier& saisie_;
};

class TMainWindowSuite : public foret::TFenetreForet {
public:
  TMainWindowSuite();
  static const GameConfig& Config();
  void ResetGame() override;

  JeuANNivSuite& Jeu() { return jeu_; }
  SaisieCharAuClavier& Saisie() { return saisie_; }

private:
  JeuANNivSuite jeu_;
  SaisieCharAuClavier saisie_;
  EcranSuite ecran_{*this, jeu_, saisie_};
};

using TMyAppCumMenuSuite = ::TMyAppCumMenuSuite<TMainWindowSuite>;

}  // namespace trilogis
