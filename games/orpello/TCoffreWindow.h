#pragma once
#include "ChildFrame.h"

#include <QImage>

namespace orpello {

// The chest: a captioned child window showing the treasure's picture, as big
// as the treasure. The child can move it by its caption but not size it.
class TCoffreWindow : public TChildFrame {
public:
  TCoffreWindow(QWidget* parent, const QImage* picture);

  // Sized for a treasure of `t`, where it stands, without activation or reordering.
  void SizeFor(int t);
  QSize ChestSize() const { return size_; }
  TrackSizes GetMinMaxInfo() const override { return {size_, size_}; }

protected:
  void PaintClient(QPainter& painter, const QRect& exposed) override;

private:
  const QImage* picture_;
  QSize size_;
};

}  // namespace orpello
