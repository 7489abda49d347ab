#pragma once
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class TPrintout;

// The printer of a program, kept for the whole run once first used: the
// system's print dialog chooses the printer and its settings, which are
// remembered for the next prints. Pages are laid in landscape when asked,
// until the dialog says otherwise.
class TPrinter {
public:
  explicit TPrinter(bool landscape = false);
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The print dialog, titled `caption`; true when a printer was chosen, false
  // when the dialog was cancelled (the earlier choice then stays as it was).
  bool Setup(QWidget* owner, const QString& caption);
  // A printer chosen in the dialog since the start of the run.
  bool Chosen() const { return chosen_; }

  enum class Result { Printed, Cancelled, Failed };
  // Prints `printout` on one page. Until a printer has been chosen the dialog
  // asks first, and a cancelled dialog prints nothing. Failed: the printer
  // (or the file) could not be opened.
  Result Print(QWidget* owner, TPrintout& printout);

  QPrinter& Printer();

  // Tests answer the dialog themselves: the hook gets the printer to set up
  // (a PDF file, say) and returns false to cancel. nullptr: the real dialog.
  using DialogHook = std::function<bool(QPrinter&)>;
  static void SetDialogForTesting(DialogHook hook);

private:
  bool landscape_;
  std::unique_ptr<QPrinter> printer_;  // made at first use: it asks the print system for its printers
  bool chosen_ = false;
};
