#include "RamureWindow.h"

#include "Arbre.h"
#include "Bitmap.h"

namespace ramure {

TMainWindowSuite::TMainWindowSuite() : TOneLevelChain<TMemDCWindowSuite>(Config()) {
  const QRect area = DrawingArea();
  tree_ = new TTreeView(this, kTreeId, QRect(4, 4, area.width() - 8, area.height() - 8));
  SetGameObjects(&jeu_, &ecran_);
}

void TMainWindowSuite::SetupWindow() {
  // The strip holds a closed folder and an open one, 20 pixels wide each.
  tree_->SetImageList(TBitmap::Load(QStringLiteral("1")).Image(), 20);
  TOneLevelChain<TMemDCWindowSuite>::SetupWindow();
}

void TMainWindowSuite::ResetGame() {
  jeu_.phase = PhaseInProgress;
  tree_->setUpdatesEnabled(false);
  tree_->DeleteAllItems();
  BuildTree<TTreeView::Item*>(Arbre(), nullptr, [this](TTreeView::Item* parent, const QString& text) {
    return tree_->AppendChild(parent, text);
  });
  tree_->Collapse(tree_->topLevelItem(0));
  tree_->setUpdatesEnabled(true);
}

}  // namespace ramure
