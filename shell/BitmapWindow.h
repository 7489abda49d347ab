#pragma once
#include "Bitmap.h"
#include "DC.h"
#include "GameConfig.h"

#include <memory>
#include <vector>

// Picture layer: the game's picture table, each picture loaded once and held in
// a memory drawing context ready to be transferred. Entries 0 to 5 (or the ones
// the game names) are the dialog pictures.
template <class Base>
class TBitmapWindow : public Base {
public:
  explicit TBitmapWindow(const GameConfig& config) : Base(config) {
    TBitmap::SetResourceFolders(config.resourceFolders + QStringList{QStringLiteral(":/common")});
    pictures_.reserve(config.pictures.size());
    for (const QString& name : config.pictures) pictures_.push_back(TBitmap::Load(name));
    for (TBitmap& picture : pictures_) dcs_.push_back(std::make_unique<TMemoryDC>(picture));
    if (pictures_.empty()) {  // keep entry 0 valid whatever the table holds
      pictures_.emplace_back(49, 49);
      dcs_.push_back(std::make_unique<TMemoryDC>(pictures_.front()));
    }
  }

  int PictureCount() const override { return static_cast<int>(pictures_.size()); }
  TMemoryDC& PictureDC(int index) override {
    return *dcs_[index >= 0 && index < PictureCount() ? index : 0];
  }

private:
  std::vector<TBitmap> pictures_;
  std::vector<std::unique_ptr<TMemoryDC>> dcs_;
};
