#pragma once
#include <QRect>
#include <QScrollBar>
#include <functional>

// A scroll bar control at a given place and size, with its range, page size and
// arrow step. It tells its owner after the child moved it (an arrow, a click in
// the page area, the thumb once let go, the wheel); positions set by the
// program never call back.
class TScrollBar : public QScrollBar {
public:
  TScrollBar(QWidget* parent, int id, const QRect& place, Qt::Orientation orientation);

  int Id() const { return id_; }
  void SetRange(int min, int max);
  void SetPageSize(int page) { setPageStep(page); }
  void SetLineStep(int step) { setSingleStep(step); }
  // Clamped into the range, as the control keeps it.
  void SetPosition(int position);
  int GetPosition() const { return value(); }

  // Called with the bar's id after the child moved it.
  void SetOnChange(std::function<void(int id)> onChange) { onChange_ = std::move(onChange); }

private:
  int id_;
  bool settingByProgram_ = false;
  std::function<void(int)> onChange_;
};
