#include "AlveoloWindow.h"

#include "LevelMenu.h"
#include "Random.h"
#include "ShowMessage.h"

namespace alveolo {
namespace {
const char* const kPictureNames[ImageCount] = {
    "BaseHexag0ppv",    "BaseHexag1ppv",   "BaseHexag2ppv",           "BaseHexag3ppv",      "BaseHexag4ppv",
    "BaseHexag5ppv",    "BaseHexag6ppv",   "BaseHexagCumDrapeau",     "BaseHexagCumMine",   "BaseHexagDemine",
    "BaseHexagExploseDrapeau", "BaseHexagExplosion", "BaseHexagNoire", "BaseHexagPlusTour",
};

// What the child reads after clearing a board, level by level.
struct Congratulation {
  const char* title;
  const char* text;
};
const Congratulation kWon[kLevelCount] = {
    {"O U I, C'EST BON", "Tu vois, ce n'est pas si difficile !"},
    {"O U I  C H E R  D E B U T A N T", "Bravo, c'est un bon début !"},
    {"O U I  C H E R  A M A T E U R", "Bravo, tu es un amateur éclairé !"},
    {"T R E S  B I E N, B R A V O", "Tu vas faire une belle carrière chez les pros !"},
    {"F E L I C I T A T I O N", "Tu es un vrai pro, je m'incline !"},
    {"SINCERES F E L I C I T A T I O N", "Après vous, Maître, je vous en prie !"},
};
}  // namespace

// ---- Drawing tools ----

TMemDCWindowSuite::TMemDCWindowSuite(const GameConfig& config)
    : TMemDCWindowBase(config), outlinePen_(TColor::LtRed, 2) {
  for (int i = 0; i < ImageCount; ++i) {
    hexagons_[i] = TBitmap::Load(QString::fromLatin1(kPictureNames[i]));
    hexagonDCs_[i] = std::make_unique<TMemoryDC>(hexagons_[i]);
  }
}

void TMemDCWindowSuite::DrawHexag(TDC& dc, const Hexag& h) {
  const QPoint at = h.TopLeft();
  dc.BitBlt(at.x(), at.y(), kCellWidth, kCellHeight, HexagDC(ImageMask), 0, 0, SRCAND);
  dc.BitBlt(at.x(), at.y(), kCellWidth, kCellHeight, HexagDC(h.image), 0, 0, SRCPAINT);
}

void TMemDCWindowSuite::DrawHexag(const Hexag& h) {
  DrawBoth([&](TDC& dc) { DrawHexag(dc, h); });
}

void TMemDCWindowSuite::DrawOutline(const HelpPointer& pointer) {
  const int cx = pointer.centre.x(), cy = pointer.centre.y();
  const int w = HelpPointer::kHalfWidth, W = HelpPointer::kOuterHalfWidth, hh = HelpPointer::kHalfHeight;
  TClientDC dc(*this);
  dc.SelectObject(outlinePen_);
  dc.SetROP2(R2_XORPEN);
  dc.MoveTo(cx - w, cy - hh);
  dc.LineTo(cx + w, cy - hh);
  dc.LineTo(cx + W, cy);
  dc.LineTo(cx + w, cy + hh);
  dc.LineTo(cx - w, cy + hh);
  dc.LineTo(cx - W, cy);
  dc.LineTo(cx - w, cy - hh);
}

// ---- Board screen ----

void EcranSuite::Draw(Hexag& h) {
  h.image = h.ChooseImage(board_.MinesAround(h));
  w_.DrawHexag(h);
}

void EcranSuite::ShowOutline(const Hexag& h) {
  HideOutline();
  pointer_.centre = h.Centre();
  pointer_.shown = true;
  w_.DrawOutline(pointer_);
}

void EcranSuite::HideOutline() {
  if (!pointer_.shown) return;
  w_.DrawOutline(pointer_);
  pointer_.shown = false;
}

void EcranSuite::DrawAll() {
  pointer_.shown = false;  // the white fill takes it away
  w_.ClearScreen();
  board_.ForEachCell([this](Hexag& h) { Draw(h); });
  // The chosen level's name: after a refused level change it is not the name
  // of the level this board was made for.
  ShowLevelName(w_);
}

void EcranSuite::LButtonDown(QPoint p) {
  Hexag* h = board_.CellAt(p);
  if (!h) return;
  if (h->revealed) {
    ShowOutline(*h);
  } else {
    HideOutline();
    if (h->mine) Explode(*h);
    else Reveal(*h);
  }
  if (jeu_.phase == PhaseNotStarted) jeu_.phase = PhaseInProgress;
}

void EcranSuite::LButtonUp(QPoint) { HideOutline(); }

void EcranSuite::RButtonDown(QPoint p) {
  HideOutline();
  if (jeu_.phase == PhaseFinished) {
    ShowMessage(&w_, "P O U R   F A I R E   U N E   A U T R E   P A R T I E...",
                "Clique dans la barre de boutons,", 3, MessageOk);
    return;
  }
  Hexag* h = board_.CellAt(p);
  if (!h) return;
  h->flagged = !h->flagged;
  Draw(*h);
}

void EcranSuite::Reveal(Hexag& h) {
  h.revealed = true;
  Draw(h);
  if (!board_.AllSafeRevealed()) return;
  jeu_.phase = PhaseFinished;
  const Congratulation& won = kWon[board_.Size() - 2];
  ShowMessage(&w_, QString::fromUtf8(won.title), QString::fromUtf8(won.text), 2, MessageOk);
}

void EcranSuite::Explode(Hexag& h) {
  jeu_.phase = PhaseFinished;
  h.revealed = true;
  h.exploded = true;
  board_.RevealAll();
  DrawAll();
  ShowMessage(&w_, "A R R E T E - T O U T", "Maman, je veux descendre ! ", 3, MessageOk);
}

void EcranSuite::NoHint() {
  ShowMessage(&w_, "OH  ! OH  ! OH  ! ", "Bon, tu es grand ...", QString::fromUtf8("... débrouille toi seul maintenant !"),
              2, MessageOk);
}

void EcranSuite::Hint() {
  HideOutline();
  if (jeu_.phase == PhaseNotStarted) {
    // A first cell to open, chosen among those with no mine around; some
    // boards have none.
    const std::vector<Hexag*> quiet = board_.QuietCells();
    if (quiet.empty()) {
      NoHint();
      return;
    }
    Reveal(*quiet[Random::Draw(static_cast<int>(quiet.size()))]);
    if (jeu_.phase == PhaseNotStarted) jeu_.phase = PhaseInProgress;
    return;
  }
  const alveolo::Hint hint = jeu_.phase == PhaseInProgress ? board_.FindHint() : alveolo::Hint{};
  if (hint.rule == Rule::None) {
    NoHint();
    return;
  }
  ShowOutline(*hint.cell);
  switch (hint.rule) {
    case Rule::Demine:
      ShowMessage(&w_, "R E F L E C H I S :", QString::fromUtf8("Tu peux encore déminer autour de cette case."), 2,
                  MessageOk);
      break;
    case Rule::LastPlace:
      ShowMessage(&w_, "R E F L E C H I S !", "Il y a une mine autour de cette case, or,",
                  QString::fromUtf8("autour d'elle, tout est déminé sauf en un endroit."),
                  QString::fromUtf8("Alors dis-moi où peut se cacher la mine !"), 2, MessageOk);
      break;
    case Rule::SecondMine:
      ShowMessage(&w_, "R E F L E C H I S  ! DEUX MINES ENTOURENT CETTE CASE.",
                  QString::fromUtf8("Tu en a déjà trouvées une. Or, autour de cette"),
                  QString::fromUtf8("case, tout est déminé sauf en un endroit"),
                  QString::fromUtf8("Alors dis-moi où peut se cacher la mine !"), 2, MessageOk);
      break;
    case Rule::None:
      break;
  }
  HideOutline();
}

// ---- Game window ----

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()) {
  OnCommand(cmd::Hint, [this] { ecran_.Hint(); });
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::ApplyLevel() { ShowLevelName(*this); }

void TMainWindowSuite::ResetGame() {
  jeu_.Reset();
  board_.NewGame(jeu_.level);
  pointer_.shown = false;
}

}  // namespace alveolo
