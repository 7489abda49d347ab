#pragma once
#include <QString>
#include <functional>

class TWindow;

enum { MessageOk = 0, MessageYesNo = 1 };
enum { AnswerYes = 1, AnswerNo = 2 };

// Shows the shell's message dialog: a title, one to three lines, one of the six
// dialog pictures and OK or Yes/No. Returns 1 for "&O U I" and 2 for "&N O N"
// (or when the dialog is closed any other way).
int ShowMessage(TWindow* owner, const QString& title, const QString& line1, int picture, int kind);
int ShowMessage(TWindow* owner, const QString& title, const QString& line1, const QString& line2, int picture,
                int kind);
int ShowMessage(TWindow* owner, const QString& title, const QString& line1, const QString& line2,
                const QString& line3, int picture, int kind);

// A message as shown, for the stand-in that tests install in place of the dialog.
struct ShownMessage {
  QString title, line1, line2, line3;
  int picture = 0;
  int kind = 0;
};
void SetMessageHandlerForTesting(std::function<int(const ShownMessage&)> handler);
