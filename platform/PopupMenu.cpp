#include "PopupMenu.h"

#include "Window.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {
PopupHandler& Handler() {
  static PopupHandler handler;
  return handler;
}
}  // namespace

void SetPopupHandlerForTesting(PopupHandler handler) { Handler() = std::move(handler); }

int TrackPopupMenu(TWindow& owner, QPoint point, const TMenuResource& items) {
  const int chosen = ChoosePopupItem(owner, point, items);
  if (chosen != 0) owner.EvCommand(chosen);
  return chosen;
}

int ChoosePopupItem(QWidget& owner, QPoint point, const TMenuResource& items, const std::set<int>& greyed) {
  int chosen = 0;
  if (Handler()) {
    chosen = Handler()(items, point);
  } else {
    QMenu menu(&owner);
    for (const TMenuItem& item : items) {
      if (item.id == 0) {
        menu.addSeparator();
      } else {
        QAction* action = menu.addAction(item.text);
        action->setData(item.id);
        action->setEnabled(greyed.count(item.id) == 0);
      }
    }
    QPointer<QWidget> alive(&owner);
    TClientDC::PushAll();  // the window as drawn so far shows under the menu
    const QAction* action = menu.exec(owner.mapToGlobal(point));
    if (!alive) return 0;
    if (action) chosen = action->data().toInt();
  }
  // Only the ids offered, and not greyed, can be chosen.
  bool offered = false;
  for (const TMenuItem& item : items) offered = offered || (chosen != 0 && item.id == chosen && greyed.count(chosen) == 0);
  return offered ? chosen : 0;
}
