#pragma once
#include "TFeuilleTerminaleWindow.h"

namespace gigogne {

class TTresor;

// A chest of the treasure: enlarged, it is open; it shows how far the whole
// treasure is opened, as its treasure counts the chests.
class TFeuilleTresorTerminaleWindow : public TFeuilleTerminaleWindow {
public:
  TFeuilleTresorTerminaleWindow(QWidget* parent, const QString& caption, TTresor& tresor)
      : TFeuilleTerminaleWindow(parent, caption), tresor_(tresor) {}

protected:
  void PaintClient(QPainter& painter, const QRect& exposed) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  TTresor& tresor_;
};

}  // namespace gigogne
