#include "SoakGames.h"

#include "AlveoloWindow.h"
#include "BrokenGame.h"
#include "CalcoWindow.h"
#include "CorridoWindow.h"
#include "DedaloWindow.h"
#include "FelinoWindow.h"
#include "OrugaWindow.h"
#include "OrpelloWindow.h"
#include "PeldanoWindow.h"
#include "TorretaWindow.h"
#include "RempartWindow.h"
#include "VeliscaWindow.h"
#include "VisadoWindow.h"

namespace {
template <class App, class Window>
SoakGame Game(std::string name, std::vector<QRect> aims = {}) {
  return {std::move(name), [](const GameHarness::Options& o) { return GameHarness::Start<App>(o); },
          [] () -> const GameConfig& { return Window::Config(); }, std::move(aims)};
}
}  // namespace

std::vector<SoakGame> SoakGames() {
  return {
      Game<oruga::TMyAppCumMenuSuite, oruga::TMainWindowSuite>("oruga"),
      Game<corrido::TMyAppCumMenuSuite, corrido::TMainWindowSuite>("corrido"),
      Game<alveolo::TMyAppCumMenuSuite, alveolo::TMainWindowSuite>("alveolo"),
      // The plan: the child window right of the view, where rooms are added.
      Game<dedalo::TMyAppCumMenuSuite, dedalo::TMainWindowSuite>("dedalo", {QRect(260, 0, 400, 400)}),
      Game<velisca::TMyAppCumMenuSuite, velisca::TMainWindowSuite>("velisca"),
      Game<peldano::TMyAppCumMenuSuite, peldano::TMainWindowSuite>("peldano"),
      // The work grid at the upper left, where the cells are coloured.
      Game<calco::TMyAppCumMenuSuite, calco::TMainWindowSuite>("calco", {QRect(0, 0, 860, 860)}),
      // The row of pictures at the top of the board.
      Game<visado::TMyAppCumMenuSuite, visado::TMainWindowSuite>("visado", {QRect(0, 40, 1000, 70)}),
      // The columns, where the discs are picked up and let go.
      Game<torreta::TMyAppCumMenuSuite, torreta::TMainWindowSuite>("torreta", {QRect(0, 200, 1000, 260)}),
      Game<rempart::TMyAppCumMenuSuite, rempart::TMainWindowSuite>("rempart"),
      // The board and its markers.
      Game<felino::TMyAppCumMenuSuite, felino::TMainWindowSuite>("felino", {QRect(0, 0, 380, 380)}),
      // The middle of the field, where the frame starts, and the chest's corner.
      Game<orpello::TMyAppCumMenuSuite, orpello::TMainWindowSuite>("orpello", {QRect(300, 150, 400, 300), QRect(0, 0, 30, 40)}),
  };
}

std::vector<SoakGame> FaultyGames() { return {Game<broken::TBrokenApp, broken::TBrokenWindow>("broken")}; }
