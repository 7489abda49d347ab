#pragma once
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

// The plan of the nested windows: which place lies inside which, and the texts
// the dead ends and the chests show.
namespace gigogne {

// Every window's size at home: only its caption shows.
constexpr QSize kHomeSize{130, 27};

// What a window is: one of the places with places inside, a dead end, or a chest.
enum class Genre { SysSolaire, LaTerre, Sol, Europe, France, Nantes, Chateau, Tresor, CulDeSac, Coffre };

struct Lieu {
  QString caption;
  Genre genre;
  QPoint home;  // in the client area of the window it lies in
  std::vector<Lieu> dedans;  // what lies inside ("dedans": inside)
};

// "Système solaire" and everything inside it, down to the four chests.
const Lieu& Plan();
int CountLieux(const Lieu& lieu);

constexpr int kDeadEndTexts = 8;
constexpr int kChests = 4;
// The teasing text of a dead end, by its index (0 to 7).
QString DeadEndText(int index);
// The text a chest shows, and the status message, when `k` chests are open.
QString ChestText(int k);
QString ChestStatus(int k);
// How many chests are open: those whose size is no longer the home size.
int OpenChests(const std::vector<QSize>& sizes);

}  // namespace gigogne
