#pragma once
#include <QString>
#include <QToolBar>
#include <vector>

class QToolButton;
class QVBoxLayout;
class QWidget;
class TWindow;

// A picture button of the button bar: a 29 x 29 picture and the command it sends.
struct TButtonGadget {
  QString bitmap;  // resource name of the picture
  int command;
};

// An invisible gap between buttons, of the given height.
struct TSeparatorGadget {
  int size;
};

// The vertical bar of picture buttons along the left of the frame. A click sends
// the button's command to the target window; no button is ever disabled.
class TControlBar : public QToolBar {
public:
  explicit TControlBar(QWidget* parent = nullptr);
  void Insert(const TButtonGadget& button);
  void Insert(const TSeparatorGadget& separator);
  void SetTarget(TWindow* target) { target_ = target; }
  // Removes every button and separator.
  void Clear();

  // For tests: the buttons in order, and the heights of the separators.
  QToolButton* Button(int command) const;
  const std::vector<QWidget*>& Separators() const { return separators_; }

private:
  QWidget* panel_;
  QVBoxLayout* layout_;
  TWindow* target_ = nullptr;
  std::vector<QToolButton*> buttons_;
  std::vector<QWidget*> separators_;
};
