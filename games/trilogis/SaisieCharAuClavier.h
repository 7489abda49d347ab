#pragma once
#include "CaseForet.h"

#include <QString>

namespace trilogis {

// How a key answered the letter asked.
enum class Reponse { Next, Done, Wrong };

// The keyboard exercise of a letters cell: capitals asked one at a time, at
// random, until the level's number of them has been typed.
class SaisieCharAuClavier {
public:
  // Starts on `cell`, `letters` to type, and asks the first.
  void Start(foret::CaseForet& cell, int letters);
  void Stop() { cell_ = nullptr; }
  // A released key: the letter asked, in either case, or anything else.
  Reponse Answer(int key);

  bool Active() const { return cell_ != nullptr; }
  foret::CaseForet* Cell() const { return cell_; }
  QString Prompt() const { return QStringLiteral("Tape la lettre ") + QLatin1Char(asked_); }
  char Asked() const { return asked_; }
  int Right() const { return right_; }
  int Left() const { return letters_ - right_; }

private:
  void Ask();

  foret::CaseForet* cell_ = nullptr;
  char asked_ = 'A';
  int right_ = 0;
  int letters_ = 0;
};

}  // namespace trilogis
