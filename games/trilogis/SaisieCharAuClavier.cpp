#include "SaisieCharAuClavier.h"

#include "Keys.h"
#include "Random.h"

namespace trilogis {

void SaisieCharAuClavier::Start(foret::CaseForet& cell, int letters) {
  cell_ = &cell;
  right_ = 0;
  letters_ = letters;
  Ask();
}

void SaisieCharAuClavier::Ask() { asked_ = static_cast<char>('A' + Random::Draw(26)); }

Reponse SaisieCharAuClavier::Answer(int key) {
  if (!Active() || KeyLetter(key) != asked_) return Reponse::Wrong;
  if (++right_ >= letters_) {
    cell_ = nullptr;
    return Reponse::Done;
  }
  Ask();
  return Reponse::Next;
}

}  // namespace trilogis
