#pragma once
#include "Printout.h"

#include <QImage>

namespace plumeta {

// The printed page: the child's page, as large as the paper allows, its
// proportions kept, in the middle of the printable area.
class TImpression : public TPrintout {
public:
  explicit TImpression(const QImage& page) : TPrintout(QStringLiteral("Impression")), page_(page) {}
  void PrintPage(QPainter& painter, const QRect& area) override;

private:
  const QImage& page_;
};

}  // namespace plumeta
