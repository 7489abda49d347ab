#include "TraMouseEvent.h"

void TraMouseEvent::LButtonDown(QPoint p) {
  if (left) left->Down(*this, p);
}
void TraMouseEvent::LButtonUp(QPoint p) {
  if (left) left->Up(*this, p);
}
void TraMouseEvent::MouseMove(QPoint p, unsigned flags) {
  if (move) move->Move(*this, p, flags);
}
