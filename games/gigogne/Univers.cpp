#include "Univers.h"

#include <algorithm>
#include <array>

namespace gigogne {

namespace {
QString U(const char* text) { return QString::fromUtf8(text); }
Lieu CulDeSac(const char* caption, QPoint home) { return {U(caption), Genre::CulDeSac, home, {}}; }
Lieu Coffre(const char* caption, QPoint home) { return {U(caption), Genre::Coffre, home, {}}; }
Lieu Fourche(const char* caption, Genre genre, QPoint home, std::vector<Lieu> dedans) {
  return {U(caption), genre, home, std::move(dedans)};
}
// Places stacked downward 30 pixels apart at x = 3, and laid side by side 136 pixels apart at y = 3.
QPoint Down(int k) { return {3, 30 * k}; }
QPoint Across(int k) { return {136 * k, 3}; }

Lieu Build() {
  Lieu tresor = Fourche("Trésor", Genre::Tresor, Down(0),
                        {Coffre("Argent", Down(0)), Coffre("Noix de muscade", Down(1)), Coffre("Or", Down(2)),
                         Coffre("Poivre", Down(3))});
  Lieu chateau = Fourche("Chateau", Genre::Chateau, Down(1), {tresor});
  Lieu nantes = Fourche("Nantes", Genre::Nantes, Down(3),
                        {CulDeSac("Cathédrale", Down(0)), chateau, CulDeSac("Port", Down(2)),
                         CulDeSac("Tour", Down(3))});
  Lieu france = Fourche("France", Genre::France, Down(4),
                        {CulDeSac("Bordeaux", Down(0)), CulDeSac("Lyon", Down(1)), CulDeSac("Marseille", Down(2)),
                         nantes, CulDeSac("Paris", Down(4))});
  Lieu europe = Fourche("Europe", Genre::Europe, Across(3),
                        {CulDeSac("Allemagne", Down(0)), CulDeSac("Angleterre", Down(1)),
                         CulDeSac("Benélux", Down(2)), CulDeSac("Espagne", Down(3)), france,
                         CulDeSac("Italie", Down(5))});
  Lieu sol = Fourche("Sur terre", Genre::Sol, Across(2),
                     {CulDeSac("Afrique", Across(0)), CulDeSac("Amerique", Across(1)), CulDeSac("Asie", Across(2)),
                      europe, CulDeSac("Océanie", Across(4))});
  Lieu terre = Fourche("La Terre", Genre::LaTerre, Down(2),
                       {CulDeSac("Dans les airs", Across(0)), CulDeSac("Sur mer", Across(1)), sol});
  return Fourche("Système solaire", Genre::SysSolaire, QPoint(0, 0),
                 {CulDeSac("Mercure", Down(0)), CulDeSac("Venus", Down(1)), terre, CulDeSac("Mars", Down(3)),
                  CulDeSac("Jupiter", Down(4))});
}

const std::array<const char*, kDeadEndTexts> kDeadEnds{
    "Aïe, vois-tu quelque chose toi ?", "Regarde, il n'y a rien ici !", "Désolé, je ne vois rien ici !",
    "Non, cherche ailleurs !",          "Non, ce n'est pas ici !",      "Ah non, ici c'est vide !",
    "Zut, c'est raté !",                "Ce n'est pas ici, courage !",
};

const std::array<const char*, kChests + 1> kChestTexts{
    "Bravo, tu es arrivé(e) au trésor : Ouvre les coffres",
    "Bravo, tu as trouvé un bout du trésor, continue",
    "Oui, et ce n'est pas tout, il reste encore deux coffres.",
    "Oh ! incroyable, étonnant, il reste encore un coffre.",
    "BRAVO, TU AS TROUVE TOUT LE TRESOR DU VIEUX PIRATE !!",
};

const std::array<const char*, kChests + 1> kChestStatus{
    "Pas de coffre ouvert.",      "Tu as ouvert un coffre.",       "Tu as ouvert deux coffres.",
    "Tu as ouvert trois coffres", "Tu as ouvert tous les coffres",
};

// `k` kept inside a table of `count` entries.
size_t Within(int k, size_t count) { return static_cast<size_t>(std::clamp(k, 0, static_cast<int>(count) - 1)); }
}  // namespace

const Lieu& Plan() {
  static const Lieu plan = Build();
  return plan;
}

int CountLieux(const Lieu& lieu) {
  int count = 1;
  for (const Lieu& l : lieu.dedans) count += CountLieux(l);
  return count;
}

QString DeadEndText(int index) { return U(kDeadEnds[Within(index, kDeadEnds.size())]); }
QString ChestText(int k) { return U(kChestTexts[Within(k, kChestTexts.size())]); }
QString ChestStatus(int k) { return U(kChestStatus[Within(k, kChestStatus.size())]); }

int OpenChests(const std::vector<QSize>& sizes) {
  return static_cast<int>(std::count_if(sizes.begin(), sizes.end(), [](QSize s) { return s != kHomeSize; }));
}

}  // namespace gigogne
