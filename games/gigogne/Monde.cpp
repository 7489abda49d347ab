#include "Monde.h"

#include "TCulDeSacWindow.h"
#include "TFourcheWindow.h"

namespace gigogne {

namespace {
TChildFrame* Make(QWidget* parent, const Lieu& lieu, Monde& monde) {
  switch (lieu.genre) {
    case Genre::SysSolaire: return new TSys_Solaire(parent, lieu, monde);
    case Genre::LaTerre: return new TLa_terre(parent, lieu, monde);
    case Genre::Sol: return new TSol(parent, lieu, monde);
    case Genre::Europe: return new TEurope(parent, lieu, monde);
    case Genre::France: return new TFrance(parent, lieu, monde);
    case Genre::Nantes: return new TNantes(parent, lieu, monde);
    case Genre::Chateau: return new TChateau(parent, lieu, monde);
    case Genre::Tresor: return new TTresor(parent, lieu, monde);
    case Genre::CulDeSac:
    case Genre::Coffre: break;
  }
  return new TCulDeSacWindow(parent, lieu.caption, monde.drawIndex() % kDeadEndTexts);
}
}  // namespace

TChildFrame* Monde::NewPlace(QWidget* parent, const Lieu& lieu) {
  TChildFrame* window = Make(parent, lieu, *this);
  Register(window, lieu.home);
  return window;
}

void Monde::Register(TChildFrame* window, QPoint home) {
  places_.push_back({window, home});
  window->SetFrameGeometry(QRect(home, kHomeSize));
}

void Monde::PutHome() {
  for (const Place& place : places_) place.window->SetFrameGeometry(QRect(place.home, kHomeSize));
}

}  // namespace gigogne
