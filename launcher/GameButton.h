#pragma once
#include "GameCatalog.h"

#include <QAbstractButton>
#include <QImage>
#include <functional>

// A game's large button in the launcher: its picture on the left, its title
// and, below, the line for the parent. Enter, Return and Space press it; the
// arrow keys are handed to `arrow` (dx, dy) so that the launcher moves the
// focus through its grid.
class GameButton : public QAbstractButton {
public:
  static constexpr int kMinimumWidth = 400;

  GameButton(const GameEntry& game, QWidget* parent = nullptr);

  const GameEntry& Game() const { return game_; }
  // The picture as drawn, for a look at it; a grey square when the file
  // cannot be read.
  const QImage& Picture() const { return picture_; }
  std::function<void(int, int)> arrow;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  GameEntry game_;
  QImage picture_;
};
