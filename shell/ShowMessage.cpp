#include "ShowMessage.h"

#include "GameWindow.h"
#include "MyDialog.h"

namespace {
std::function<int(const ShownMessage&)>& Handler() {
  static std::function<int(const ShownMessage&)> handler;
  return handler;
}
}  // namespace

void SetMessageHandlerForTesting(std::function<int(const ShownMessage&)> handler) {
  Handler() = std::move(handler);
}

int ShowMessage(TWindow* owner, const QString& title, const QString& line1, const QString& line2,
                const QString& line3, int picture, int kind) {
  if (kind != 0 && kind != 1) return TMyDialog::Answer();
  if (Handler()) return Handler()(ShownMessage{title, line1, line2, line3, picture, kind});
  TClientDC::PushAll();  // the board as drawn so far shows under the box
  TMyDialog dialog(dynamic_cast<TGameWindow*>(owner), title, line1, line2, line3, picture, kind);
  dialog.exec();
  return TMyDialog::Answer();
}

int ShowMessage(TWindow* owner, const QString& title, const QString& line1, int picture, int kind) {
  return ShowMessage(owner, title, line1, QString(), QString(), picture, kind);
}

int ShowMessage(TWindow* owner, const QString& title, const QString& line1, const QString& line2, int picture,
                int kind) {
  return ShowMessage(owner, title, line1, line2, QString(), picture, kind);
}
