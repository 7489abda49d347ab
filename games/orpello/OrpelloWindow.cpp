#include "OrpelloWindow.h"

#include "DecoratedFrame.h"
#include "LevelMenu.h"
#include "PopupMenu.h"
#include "Random.h"
#include "Services.h"
#include "ShowMessage.h"

namespace orpello {

namespace {
const char* const kBanner = "O R I V E N ,  L E   C H E R C H E U R   D ' O R";
const char* const kNoTreasure = "Pas de pépite dans ton trésor.";

TMenuResource CellContentMenu() {
  TMenuResource items{{1, QStringLiteral("CETTE CASE EST  V I D E ")},
                      {2, QStringLiteral("Cette case contient une pépite d'or")}};
  for (int d = 2; d <= 9; ++d) items.push_back({d + 1, QStringLiteral("Cette case contient %1 pépites d'or").arg(d)});
  return items;
}

struct ThresholdNotice {
  int threshold;
  const char* title;
  const char* line;
};
const ThresholdNotice kNotices[] = {
    {0, "Bravo, Félicitations", "Tu commences à comprendre"},
    {10, "BRAVO, Félicitations", "Ton score vient de dépasser 10"},
    {20, "BRAVO, FELICITATIONS", "Ton score vient de dépasser 20"},
    {50, "B R A V O ,  FELICITATIONS", "Ton score vient de dépasser 50"},
    {100, "B R A V O ,  F E L I C I T A T I O N S", "Ton score vient de dépasser 100"},
    {200, "B  R  A  V  O ,  F E L I C I T A T I O N S", "Ton score vient de dépasser 200"},
    {500, "B  R  A  V  O ,  F E L I C I T A T I O N S", "Ton score vient de dépasser 500"},
};
}  // namespace

EcranSuite::EcranSuite(TMainWindowSuite& window, Grille& grille, JeuANNivSuite& jeu)
    : w_(window), grille_(grille), jeu_(jeu), frame_(grille, stack_), mouse_(frame_, *this) {
  stack_.overflow = [this](const char* text, const char* caption) {
    Services::InformationBox(&w_, QString::fromUtf8(caption), QString::fromUtf8(text));
  };
}

void EcranSuite::SetCaption(const QString& text) {
  if (auto* frame = dynamic_cast<TDecoratedFrame*>(w_.window())) frame->SetCaption(text);
}

void EcranSuite::NewGame() {
  mouse_.Reset();
  const int a = grille_.N() / 2;
  frame_.PlaceOver({a, a + 1, a - 1, a + 1});
  grille_.Generate([] { return Random::Next(); });
}

void EcranSuite::DrawAll() {
  w_.ClearScreen();
  ShowLevelName(w_);
  w_.SetSecondField(kNoTreasure);
  w_.DrawBoth([this](TDC& dc) {
    for (int r = 0; r < grille_.N(); ++r)
      for (int c = 0; c < grille_.N(); ++c) w_.DrawHidden(dc, grille_.CellRect(r, c));
  });
  mouse_.DrawAtRest();
  ShowFramed(frame_.span);
  for (QPoint hint : grille_.RevealHints(jeu_.level)) Redraw(grille_.Cell(hint.y(), hint.x()));
  SetCaption(QString::fromUtf8(kBanner));
}

void EcranSuite::DrawCells(TDC& dc) {
  for (int r = 0; r < grille_.N(); ++r)
    for (int c = 0; c < grille_.N(); ++c) {
      const Carre& cell = grille_.Cell(r, c);
      const QRect rect = grille_.CellRect(r, c);
      // During a game a cell is shown over its empty look; the solution shows them on white.
      if (jeu_.phase != PhaseFinished) w_.DrawHidden(dc, rect);
      if (cell.found)
        w_.DrawRevealed(dc, rect, cell.value, QPoint(rect.left() + grille_.Half() - 4, rect.top() + grille_.Half() - 7));
    }
}

void EcranSuite::Redraw(const Carre& cell) {
  const bool atRest = !frame_.lifted;
  if (atRest) mouse_.Lift();
  const QRect rect = grille_.CellRect(cell.row, cell.column);
  const QPoint textAt(rect.left() + grille_.Half() - 4, rect.top() + grille_.Half() - 7);
  w_.DrawBoth([&](TDC& dc) { w_.DrawRevealed(dc, rect, cell.value, textAt); });
  if (atRest) mouse_.DrawAtRest();
}

void EcranSuite::ShowFramed(const Span& span) {
  const orpello::Framed f = grille_.Compute(span);
  if (f.TooSmall(Grille::minCells)) {
    w_.SetMessageField("Le cadre est trop petit", 0);
    ShowMessage(&w_, "N  O  N  !", QStringLiteral("Il faut entourer au moins %1 cases.").arg(Grille::minCells),
                "Tu utilises un cadre trop petit,", QString::fromUtf8("agrandis-le s'il te plaît."), 3, MessageOk);
    return;
  }
  // The product may run to well over a hundred digits: written whole, never cut.
  w_.WriteStatus(StatusField::Message,
                 Grille::Digits(f.value) + QString::fromUtf8(" pépites dans les cases encadrées   "));
}

void EcranSuite::RButtonDown(QPoint p) {
  if (mouse_.Dragging()) return;  // the left button's drag keeps the mouse
  if (jeu_.phase == PhaseFinished) {
    jeu_.NoticeFinished(w_);
    return;
  }
  rightPress_ = p;
  TrackPopupMenu(w_, p, CellContentMenu());
}

void EcranSuite::Declare(int d) {
  if (jeu_.phase == PhaseFinished) return;
  const Declaration result = grille_.Declare(grille_.CellAt(rightPress_), d, jeu_.Treasure());
  switch (result.outcome) {
    case Declared::Wrong: {
      const QString line = QStringLiteral("J'ai soustrait %1 pépites à ton trésor.").arg(d);
      ShowMessage(&w_, "A T T E N T I O N !", "Tu as fait une erreur de calcul ! ", line, 2, MessageOk);
      SetCaption(line);
      break;
    }
    case Declared::Cheat:
      ShowMessage(&w_, "T R I C H E U R   !", "C'est trop facile", QString::fromUtf8("Tu as déjà cliqué dans cette case"),
                  3, MessageOk);
      break;
    case Declared::Right:
      SetCaption(QStringLiteral("Oriven, Bravo, c'est bon ! J'ai ajouté %1 pépites à ton trésor.").arg(result.gain));
      for (int t : result.thresholds)
        for (const ThresholdNotice& n : kNotices)
          if (n.threshold == t) ShowMessage(&w_, QString::fromUtf8(n.title), QString::fromUtf8(n.line), 2, MessageOk);
      w_.Chest().SizeFor(jeu_.Treasure());
      break;
  }
  Redraw(grille_.Cell(result.row, result.column));
  w_.SetSecondField(jeu_.Treasure(), "pépites dans ton trésor");
  jeu_.phase = PhaseInProgress;
}

void EcranSuite::GiveUp() {
  mouse_.Reset();
  w_.ClearScreen();
  ShowLevelName(w_);
  w_.SetSecondField(kNoTreasure);
  grille_.RevealAll();
  jeu_.phase = PhaseFinished;
  w_.DrawBoth([this](TDC& dc) { DrawCells(dc); });
  mouse_.DrawAtRest();
  SetCaption(QString::fromUtf8(kBanner));
}

void EcranSuite::XorOnWindow(const std::vector<QRect>& shapes) {
  TClientDC dc(w_);
  w_.DrawXor(dc, shapes);
}

void EcranSuite::XorOnBoth(const std::vector<QRect>& shapes) {
  w_.DrawBoth([&](TDC& dc) { w_.DrawXor(dc, shapes); });
}

void EcranSuite::SetPointer(TCursor shape) { w_.SetCursorShape(shape); }

QSize EcranSuite::Room() const { return w_.DrawingArea().size(); }

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  chest_ = new TCoffreWindow(this, PictureDC(0).Image());
  SetGameObjects(&jeu_, &ecran_);
  for (int id = cmd::kFirstDeclaration; id <= cmd::kLastDeclaration; ++id)
    OnCommand(id, [this, id] { ecran_.Declare(id - cmd::kFirstDeclaration); });
  OnCommand(cmd::Add, [this] { ChooseOperation(Add); });
  OnCommand(cmd::Multiply, [this] { ChooseOperation(Multiply); });
  OnCommandPair({cmd::GiveUp, cmd::GiveUpMenu}, [this] { AskGiveUp(); });
}

void TMainWindowSuite::ApplyLevel() {
  const QRect area = DrawingArea();
  grille_.SetLevel(jeu_.level, area.width(), area.height());
  ShowLevelName(*this);
}

void TMainWindowSuite::ResetGame() {
  jeu_.Reset();
  ecran_.NewGame();
  chest_->SetFramePos(QPoint(0, 0));
  chest_->SizeFor(0);
}

void TMainWindowSuite::ChooseOperation(int operation) {
  const bool add = operation == Add;
  if (ShowMessage(this, add ? "A T T E N T I O N  !" : "A T T E N T I O N :",
                  QString::fromUtf8("Tu as demandé à changer l'opération."),
                  add ? "Faut-il vraiment Additionner" : "Faut-il vraiment Multiplier",
                  QStringLiteral("le contenu des cases entourées ?"), 4, MessageYesNo) != AnswerYes)
    return;
  grille_.operation = operation;
  ecran_.Recompute();
}

void TMainWindowSuite::AskGiveUp() {
  if (ShowMessage(this, "A T T E N T I O N :", "Veux-tu vraiment donner ta langue au chat ?", 4, MessageYesNo) !=
      AnswerYes)
    return;
  ecran_.GiveUp();
}

}  // namespace orpello
