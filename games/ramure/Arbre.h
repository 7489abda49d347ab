#pragma once
#include <QString>
#include <functional>
#include <vector>

namespace ramure {

// A place of the hunt and the places inside it, in the order they show.
struct Lieu {
  QString nom;
  std::vector<Lieu> dedans;  // what lies inside ("dedans": inside)
};

// The whole hunt, from the solar system down to the treasure map in the
// envelope; every other branch ends in "Vide !" or in a place with nothing inside.
const Lieu& Arbre();

// The text of the treasure leaf, and of the leaf of an empty place.
extern const char* const kTresor;
extern const char* const kVide;

// Every place below and with `lieu`.
int CountLieux(const Lieu& lieu);
// The texts from `lieu` down to the first place called `nom`, both included;
// empty when there is none.
std::vector<QString> PathTo(const Lieu& lieu, const QString& nom);

// Builds a tree top down: `append(parent, text)` makes the new last child of
// `parent` and returns it, for its own children.
template <class Node>
void BuildTree(const Lieu& lieu, Node parent, const std::function<Node(Node, const QString&)>& append) {
  const Node node = append(parent, lieu.nom);
  for (const Lieu& child : lieu.dedans) BuildTree(child, node, append);
}

}  // namespace ramure
