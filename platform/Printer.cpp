#include "Printer.h"

#include "Printout.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
TPrinter::DialogHook& Hook() {
  static TPrinter::DialogHook hook;
  return hook;
}
}  // namespace

void TPrinter::SetDialogForTesting(DialogHook hook) { Hook() = std::move(hook); }

QPrinter& TPrinter::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  return *printer_;
}

TPrinter::TPrinter(bool landscape) : landscape_(landscape) {}
TPrinter::~TPrinter() = default;

bool TPrinter::Setup(QWidget* owner, const QString& caption) {
  bool accepted = false;
  if (Hook()) {
    accepted = Hook()(Printer());
  } else {
    QPrintDialog dialog(&Printer(), owner);
    dialog.setWindowTitle(caption);
    // One page, and nothing else to choose from.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    accepted = dialog.exec() == QDialog::Accepted;
  }
  chosen_ = chosen_ || accepted;
  return accepted;
}

TPrinter::Result TPrinter::Print(QWidget* owner, TPrintout& printout) {
  if (!chosen_ && !Setup(owner, printout.Title())) return Result::Cancelled;
  QPrinter& printer = Printer();
  printer.setDocName(printout.Title());
  QPainter painter;
  if (!painter.begin(&printer)) return Result::Failed;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  // The painter's origin is the printable area's top left corner.
  printout.PrintPage(painter, QRect(0, 0, printer.width(), printer.height()));
  return painter.end() ? Result::Printed : Result::Failed;
}
