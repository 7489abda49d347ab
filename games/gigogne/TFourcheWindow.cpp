#include "TFourcheWindow.h"

#include "Monde.h"
#include "TFeuilleTresorTerminaleWindow.h"

namespace gigogne {

TFourcheWindow::TFourcheWindow(QWidget* parent, const Lieu& lieu, Monde& monde)
    : TChildFrame(parent, lieu.caption, true) {
  SetClosable(false);
  for (const Lieu& inside : lieu.dedans)
    if (inside.genre != Genre::Coffre) sub_.push_back(monde.NewPlace(ClientWindow(), inside));
}

TTresor::TTresor(QWidget* parent, const Lieu& lieu, Monde& monde) : TFourcheWindow(parent, lieu, monde), monde_(monde) {
  for (const Lieu& inside : lieu.dedans) {
    if (inside.genre != Genre::Coffre) continue;
    auto* chest = new TFeuilleTresorTerminaleWindow(ClientWindow(), inside.caption, *this);
    monde.Register(chest, inside.home);
    chests_.push_back(chest);
    sub_.push_back(chest);
  }
}

int TTresor::OpenChests() const {
  std::vector<QSize> sizes;
  for (const auto* chest : chests_) sizes.push_back(chest->size());
  return gigogne::OpenChests(sizes);
}

void TTresor::ChestResized() {
  const int k = OpenChests();
  if (k == counted_) return;
  counted_ = k;
  monde_.chestsCounted(k);
  for (auto* chest : chests_)
    if (chest->size() != kHomeSize) chest->update();
}

}  // namespace gigogne
