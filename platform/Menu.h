#pragma once
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class TWindow;

// One entry of a menu resource: a command id and its text; id 0 is a separator.
struct TMenuItem {
  int id;
  QString text;
};
using TMenuResource = std::vector<TMenuItem>;

// The menu bar of pictures: every entry of the bar and of its popups shows a
// picture instead of a word; every item sends its command id to the target window.
class TMenu {
public:
  TMenu();
  ~TMenu();
  TMenu(const TMenu&) = delete;
  TMenu& operator=(const TMenu&) = delete;

  // A popup shown as `bitmap` holding `items`; the items named in `pictures` show
  // that picture, instead of their text or, with `besideText`, beside it; the
  // others their text.
  void AppendPopup(const QString& bitmap, const TMenuResource& items,
                   const std::map<int, QString>& pictures = {}, bool besideText = false);
  // A plain command shown as `bitmap`.
  void AppendItem(int id, const QString& bitmap);

  void SetTarget(TWindow* target) { target_ = target; }
  QMenuBar* Bar() const { return bar_; }
  // Hands the bar to a frame, which owns it from then on.
  QMenuBar* Release();
  // The action that sends `id`, searched in the bar and every popup.
  QAction* FindAction(int id) const;
  // Greys, or brings back, every item that sends `id`, in the bar and every popup.
  void SetEnabled(int id, bool enabled);

private:
  QAction* MakeAction(QWidget* owner, int id, const QString& text, const QString& bitmap);

  QPointer<QMenuBar> bar_;
  bool owned_ = true;
  TWindow* target_ = nullptr;
  std::vector<QAction*> actions_;
};
