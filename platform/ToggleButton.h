#pragma once
#include <QToolButton>

// A picture button of a group of the button bar, drawn as a raised grey button
// that sinks and darkens while pressed, plainly enough for a child to see. The
// look is that of a style sheet, but the sheet is applied to one hidden model
// button only: its border and background are drawn once for each state and
// size and kept, and each button paints them and its picture, instead of every
// button parsing, matching and drawing the sheet itself.
class TToggleButton : public QToolButton {
public:
  explicit TToggleButton(QWidget* parent = nullptr);

  // The style sheet the look is made from.
  static const QString& StyleSheet();

protected:
  void paintEvent(QPaintEvent* event) override;
};
