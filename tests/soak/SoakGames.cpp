#include "SoakGames.h"

#include "AlveoloWindow.h"
#include "BrokenGame.h"
#include "CadenzaWindow.h"
#include "CalcoWindow.h"
#include "CapucineWindow.h"
#include "CorridoWindow.h"
#include "DedaloWindow.h"
#include "FelinoWindow.h"
#include "GigogneWindow.h"
#include "MiradorWindow.h"
#include "NevadoWindow.h"
#include "OrugaWindow.h"
#include "OrpelloWindow.h"
#include "PeldanoWindow.h"
#include "RamureWindow.h"
#include "PlumetaWindow.h"
#include "TorretaWindow.h"
#include "TrilogisWindow.h"
#include "TrazadoWindow.h"
#include "RempartWindow.h"
#include "SentierWindow.h"
#include "TesseloWindow.h"
#include "VeliscaWindow.h"
#include "VisadoWindow.h"

#include <QPrinter>
#include <QTemporaryDir>

namespace {
template <class App, class Window>
SoakGame Game(std::string name, std::vector<QRect> aims = {}, bool framesMove = false) {
  return {std::move(name), [](const GameHarness::Options& o) { return GameHarness::Start<App>(o); },
          [] () -> const GameConfig& { return Window::Config(); }, std::move(aims), framesMove};
}

// The writing page, whose print dialog is answered in turn "cancel" and "print
// into a PDF file" of a folder that lasts as long as the run.
SoakGame Plumeta() {
  SoakGame game = Game<plumeta::TMyAppCumMenuSuite, plumeta::TMainWindowSuite>("plumeta");
  game.start = [](const GameHarness::Options& o) {
    auto harness = GameHarness::Start<plumeta::TMyAppCumMenuSuite>(o);
    GameHarness* h = harness.get();
    h->AnswerPrintDialogsWith([h](QPrinter& printer) {
      static QTemporaryDir folder;
      if (h->PrintDialogs() % 2) return false;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
      return true;
    });
    return harness;
  };
  return game;
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
      // The forest, centred: the Expert board is 522 x 377.
      Game<trilogis::TMyAppCumMenuSuite, trilogis::TMainWindowSuite>("trilogis", {QRect(200, 130, 580, 420)}),
      Game<capucine::TMyAppCumMenuSuite, capucine::TMainWindowSuite>("capucine", {QRect(200, 130, 580, 420)}),
      Game<mirador::TMyAppCumMenuSuite, mirador::TMainWindowSuite>("mirador"),
      Game<trazado::TMyAppCumMenuSuite, trazado::TMainWindowSuite>("trazado"),
      // The bar at the bottom and the four rows, where pictures are taken and let go.
      Game<tesselo::TMyAppCumMenuSuite, tesselo::TMainWindowSuite>("tesselo", {QRect(0, 560, 980, 55), QRect(0, 40, 980, 380)}),
      Game<cadenza::TMyAppCumMenuSuite, cadenza::TMainWindowSuite>("cadenza", {QRect(0, 560, 980, 55), QRect(0, 40, 980, 380)}),
      // The bar's two columns at the edges and the flake in the middle.
      Game<nevado::TMyAppCumMenuSuite, nevado::TMainWindowSuite>("nevado", {QRect(0, 0, 60, 670), QRect(920, 0, 60, 670),
                                                                            QRect(220, 60, 540, 550)}),
      // The middle of the field, where the frame starts, and the chest's corner.
      Game<orpello::TMyAppCumMenuSuite, orpello::TMainWindowSuite>("orpello", {QRect(300, 150, 400, 300), QRect(0, 0, 30, 40)}),
      // The forest, centred: the Expert board is 522 x 377.
      Game<sentier::TMyAppCumMenuSuite, sentier::TMainWindowSuite>("sentier", {QRect(200, 130, 580, 420)}),
      // The tree answers by itself; the player aims at its items.
      Game<ramure::TMyAppCumMenuSuite, ramure::TMainWindowSuite>("ramure"),
      // The root's caption and corner at home; the player also aims at every frame.
      Game<gigogne::TMyAppCumMenuSuite, gigogne::TMainWindowSuite>("gigogne", {QRect(0, 0, 140, 40)}, true),
      Plumeta(),
  };
}

std::vector<SoakGame> FaultyGames() { return {Game<broken::TBrokenApp, broken::TBrokenWindow>("broken")}; }
