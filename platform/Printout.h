#pragma once
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// A document of one page that a program hands to the printer: its title, and
// the page drawn with a painter into the printable area.
class TPrintout {
public:
  explicit TPrintout(QString title) : title_(std::move(title)) {}
  virtual ~TPrintout() = default;
  const QString& Title() const { return title_; }

  // Draws the page; `area` is the printable area in the printer's pixels.
  virtual void PrintPage(QPainter& painter, const QRect& area) = 0;

  // The largest rectangle of `picture`'s proportions inside `area`, centred.
  static QRect Fit(QSize picture, const QRect& area);

private:
  QString title_;
};
