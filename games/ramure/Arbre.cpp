#include "Arbre.h"

namespace ramure {

const char* const kTresor = "Plan de l'île au trésor de 10 000 000 000 pièces d'OR.";
const char* const kVide = "Vide !";

namespace {
QString U(const char* text) { return QString::fromUtf8(text); }
// A place with only "Vide !" inside.
Lieu Vide(const char* nom) { return {U(nom), {{U(kVide), {}}}}; }
// A place with nothing inside, not even "Vide !".
Lieu Rien(const char* nom) { return {U(nom), {}}; }
Lieu Dans(const char* nom, std::vector<Lieu> dedans) { return {U(nom), std::move(dedans)}; }

// The four points of the compass and the centre, each empty.
std::vector<Lieu> Rose() { return {Vide("Nord"), Vide("Sud"), Vide("Est"), Vide("Ouest"), Vide("Centre")}; }
// The same, with `ouvert` going on in place of the empty one of its name.
std::vector<Lieu> Rose(Lieu ouvert) {
  std::vector<Lieu> rose = Rose();
  for (Lieu& l : rose)
    if (l.nom == ouvert.nom) l = std::move(ouvert);
  return rose;
}

Lieu Build() {
  Lieu boite = Dans("La boîte", {Vide("Le crayon"), Vide("Le stylo"), Dans("L'enveloppe", {Rien(kTresor)}),
                                 Vide("La punaise"), Vide("Le trombonne")});
  Lieu tiroir = Dans("Dans le tiroir", {Vide("Le dé"), Vide("La pipe"), Vide("La gomme"), Vide("Le livre"), boite});
  Lieu armoire = Dans("Armoire", {Vide("Dessus l'armoire"), Vide("Dessous l'armoire"), Vide("Sur l'étagère du haut"),
                                  Vide("Sur l'étagère du bas"), tiroir});
  Lieu sejour = Dans("Séjour", {Vide("Table"), Vide("Mur"), Vide("Coffre"), armoire, Vide("Chaise")});
  Lieu appartement = Dans("Appartement du directeur",
                          {Vide("Entrée"), sejour, Vide("Chambre"), Vide("Salle de bain"), Vide("Cuisine")});
  Lieu angle = Dans("Angle rue Ménilmontant/rue des Amandiers",
                    {Vide("Accueil"), Vide("Chaufferie"), appartement, Vide("Local technique"),
                     Vide("Coin téléphonne"), Vide("Bar")});
  Lieu vingtieme = Dans("20ième Ardssement",
                        {Vide("Place de la Nation"), Vide("Les puces de Montreuil"),
                         Vide("Centre sportif Louis Lumière"), angle, Vide("Le cimetière du père Lachaise"),
                         Vide("Les hauts de Belleville")});
  Lieu est = Dans("Est", {Vide("11ième Arrondissement"), Vide("12ième Arrondissement"),
                          Vide("19ième Arrondissement"), vingtieme});
  Lieu paris = Dans("Paris", Rose(est));
  Lieu ile = Dans("Ile-de-France", {Vide("Hauts de Seine"), Vide("Seine et Marne"), Vide("Seine et Oise"),
                                    Vide("Essonne"), Vide("Seine-St-Denis"), paris, Vide("Val de Marne")});
  std::vector<Lieu> regions = Rose();
  regions.push_back(ile);
  Lieu france = Dans("France", regions);
  Lieu europe = Dans("Europe", {Vide("Allemagne"), Vide("Angleterre"), Vide("Bénélux"), Vide("Espagne"), france,
                                Vide("Grèce"), Vide("Italie"), Vide("Portugal")});
  Lieu surTerre = Dans("Sur terre", {europe, Vide("Asie"), Vide("Afrique"), Vide("Amérique"), Rien("Océanie")});
  Lieu terre = Dans("La Terre", {surTerre, Vide("Sur mer"), Vide("Dans les airs"), Vide("Sous terre")});
  return Dans("Système solaire", {Vide("Mercure"), Vide("Vénus"), terre, Vide("Mars"), Vide("Céres"),
                                  Vide("Jupiter"), Vide("Saturne"), Rien("Uranus"), Rien("Neptune"),
                                  Rien("Pluton")});
}
}  // namespace

const Lieu& Arbre() {
  static const Lieu arbre = Build();
  return arbre;
}

int CountLieux(const Lieu& lieu) {
  int count = 1;
  for (const Lieu& child : lieu.dedans) count += CountLieux(child);
  return count;
}

std::vector<QString> PathTo(const Lieu& lieu, const QString& nom) {
  if (lieu.nom == nom) return {lieu.nom};
  for (const Lieu& child : lieu.dedans) {
    std::vector<QString> below = PathTo(child, nom);
    if (!below.empty()) {
      below.insert(below.begin(), lieu.nom);
      return below;
    }
  }
  return {};
}

}  // namespace ramure
