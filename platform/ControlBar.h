#pragma once
#include <QString>
#include <QToolBar>
#include <vector>

class QHBoxLayout;
class QToolButton;
class QVBoxLayout;
class QWidget;
class TWindow;

// A picture button of the button bar: a 29 x 29 picture and the command it sends.
// A button of a group (group > 0) is an exclusive toggle: a click presses it and
// releases the other buttons of its group before the command goes out.
struct TButtonGadget {
  QString bitmap;  // resource name of the picture
  int command;
  int group = 0;
};

// An invisible gap between buttons, of the given height.
struct TSeparatorGadget {
  int size;
};

// The vertical bar of picture buttons along the left of the frame, in one column
// or in rows of several buttons. A click sends the button's command to the
// target window; no button is ever disabled.
class TControlBar : public QToolBar {
public:
  explicit TControlBar(QWidget* parent = nullptr);
  // Buttons go in rows of `columns`, left to right; a separator ends a row.
  void SetColumns(int columns) { columns_ = std::max(1, columns); }
  // The height the buttons and gaps have inside the bar as it is laid out now
  // (the bar's own margins taken off).
  int Room() const { return panel_->height(); }
  int Columns() const { return columns_; }
  void Insert(const TButtonGadget& button);
  void Insert(const TSeparatorGadget& separator);
  void SetTarget(TWindow* target) { target_ = target; }
  // Removes every button and separator.
  void Clear();

  // Toggle buttons: press one (releasing the rest of its group), release a whole group.
  void Press(int command);
  void ReleaseGroup(int group);
  bool IsPressed(int command) const;

  // For tests: the buttons in order, and the heights of the separators.
  QToolButton* Button(int command) const;
  const std::vector<QWidget*>& Separators() const { return separators_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QHBoxLayout* RowForNextButton();

  QWidget* panel_;
  QVBoxLayout* layout_;
  TWindow* target_ = nullptr;
  int columns_ = 1;
  QHBoxLayout* row_ = nullptr;  // the row being filled, when in columns
  int inRow_ = 0;
  std::vector<QToolButton*> buttons_;
  std::vector<QWidget*> separators_;
  std::vector<QWidget*> rows_;
};
