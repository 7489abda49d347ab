#pragma once
#include "Menu.h"

#include <QPoint>
#include <functional>
#include <set>

class QWidget;
class TWindow;

// A popup menu of text items built for one use, shown at `point` of `owner`
// (client coordinates) and tracked with the right button. Returns the id of the
// chosen item, 0 when none was chosen; a chosen id is also sent to the owner as
// a command.
int TrackPopupMenu(TWindow& owner, QPoint point, const TMenuResource& items);
// The same menu over any widget, without sending the command; the items of
// `greyed` show greyed and cannot be chosen. Returns the id of the item chosen,
// 0 when none was.
int ChoosePopupItem(QWidget& owner, QPoint point, const TMenuResource& items, const std::set<int>& greyed = {});

// For tests: answers every popup in place of the child (the items, the point;
// returns the id chosen or 0), nullptr to show real popups again.
using PopupHandler = std::function<int(const TMenuResource& items, QPoint point)>;
void SetPopupHandlerForTesting(PopupHandler handler);
