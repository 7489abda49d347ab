#include "CadenzaWindow.h"

namespace cadenza {

namespace {
const motifs::FriseTexts kTexts{
    {{{"A  T  T  E  N  T  I  O  N  !", "Tu ne peux pas faire ce mouvement,", "car les motifs servent de modèles",
       "et ne peuvent être recouverts."},
      {"A  T  T  E  N  T  I  O  N  !", "Tu ne peux pas faire ce mouvement, car les",
       "motifs de la barre du bas, doivent être", "déplacés et ne peuvent être recouverts."},
      {"A  T  T  E  N  T  I  O  N  !", "Tu ne peux pas faire ce mouvement car :",
       "Tu ne peux pas recouvrir qu'une case."},
      {"A  T  T  E  N  T  I  O  N  !", "Tu ne peux pas recouvrir cette case, car elle",
       "n'est pas située dans la ligne entourée de rouge !"},
      {"A  T  T  E  N  T  I  O  N  !", "Le dessin que tu as fait glisser, ne peut", "recouvrir cette case car il ne",
       "correspond pas au modèle de la zône grise !"}}},
    {"B  R  A  V  O ,  C ' E S T   G A G N E !", "Tu as bien complété toutes", "les lignes de ce niveau !"}};
}  // namespace

TMainWindowSuite::TMainWindowSuite()
    : TNLevelChain<TBitmapWindow<TMemDCWindowSuite>>(Config()), ecran_(*this, jeu_, kTexts) {
  ecran_.afterRedraw = [this] { masque_.Start(); };
  ecran_.busy = [this] { return masque_.Hiding(); };
  SetGameObjects(&jeu_, &ecran_);
}

TMainWindowSuite::~TMainWindowSuite() { KillTimer(kHideTimer); }

void TMainWindowSuite::SetupWindow() {
  TNLevelChain<TBitmapWindow<TMemDCWindowSuite>>::SetupWindow();
  SetTimer(kHideTimer, kHidePeriod);
}

void TMainWindowSuite::EvTimer(int id) {
  if (id == kHideTimer) masque_.Tick(*this, ecran_.Board(), jeu_.hideCount);
}

void TMainWindowSuite::ApplyLevel() {
  jeu_.hideCount = 1 + jeu_.level / 2;
  ShowLevelName(*this);
}

}  // namespace cadenza
