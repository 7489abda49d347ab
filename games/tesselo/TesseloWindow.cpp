#include "TesseloWindow.h"

namespace tesselo {

namespace {
const motifs::FriseTexts kTexts{
    {{{"A  T  T  E  N  T  I  O  N  !", "Je ne peux pas faire ce mouvement,", "car les motifs servent de modèles",
       "et ne peuvent être recouverts."},
      {"A  T  T  E  N  T  I  O  N  !", "Je ne peux faire ce mouvement, car les", "motifs de la barre du bas, doivent être",
       "déplacés et ne peuvent être recouverts."},
      {"A  T  T  E  N  T  I  O  N  !", "Je ne peux faire ce mouvement car :",
       "Je ne peux recouvrir qu'une case à remplir."},
      {"A  T  T  E  N  T  I  O  N  !", "Je ne peux recouvrir cette case à remplir, car elle",
       "n'est pas située dans la ligne entourée de rouge !"},
      {"A  T  T  E  N  T  I  O  N  !", "Le dessin que tu as fait glisser, ne peut",
       "recouvrir cette case à remplir car il ne", "correspond pas au modèle de la zône grise !"}}},
    {"B  R  A  V  O ,  C ' E S T   G A G N E !", "Tu as bien reproduit toutes", "les lignes de ce niveau !"}};
}  // namespace

TMainWindowSuite::TMainWindowSuite() : TNLevelChain<TMemDCWindowSuite>(Config()), ecran_(*this, jeu_, kTexts) {
  SetGameObjects(&jeu_, &ecran_);
}

}  // namespace tesselo
