#pragma once
#include "Bitmap.h"
#include "DC.h"
#include "GameConfig.h"

#include <algorithm>
#include <memory>
#include <vector>

// Picture layer: the game's picture table, each picture loaded once and held in
// a memory drawing context ready to be transferred. Entries 0 to 5 (or the ones
// the game names) are the dialog pictures.
template <class Base>
class TBitmapWindow : public Base {
public:
  explicit TBitmapWindow(const GameConfig& config)
      : Base(config), names_(config.pictures.begin(), config.pictures.end()),
        pictures_(std::max<size_t>(1, names_.size())), dcs_(pictures_.size()) {
    folders_ = config.resourceFolders + QStringList{QStringLiteral(":/common")};
    TBitmap::SetResourceFolders(folders_);  // for the bars, built next
  }

  int PictureCount() const override { return static_cast<int>(pictures_.size()); }
  // Each picture is loaded the first time it is asked for, so that start-up
  // pays only for the pictures the first board shows.
  TMemoryDC& PictureDC(int index) override {
    const size_t i = index >= 0 && index < PictureCount() ? static_cast<size_t>(index) : 0;
    if (!dcs_[i]) {
      TBitmap::SetResourceFolders(folders_);
      pictures_[i] = i < names_.size() ? TBitmap::Load(names_[i]) : TBitmap(49, 49);
      dcs_[i] = std::make_unique<TMemoryDC>(pictures_[i]);
    }
    return *dcs_[i];
  }

private:
  QStringList folders_;
  std::vector<QString> names_;
  std::vector<TBitmap> pictures_;
  std::vector<std::unique_ptr<TMemoryDC>> dcs_;
};
