#include "Menu.h"

#include "Bitmap.h"
#include "BitmapMenuStyle.h"
#include "Window.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

TMenu::TMenu() : bar_(new QMenuBar) {
  bar_->setNativeMenuBar(false);
  bar_->setStyle(BitmapMenuStyle::Instance());
}

TMenu::~TMenu() {
  if (owned_) delete bar_.data();
}

QMenuBar* TMenu::Release() {
  owned_ = false;
  return bar_;
}

QAction* TMenu::MakeAction(QWidget* owner, int id, const QString& text, const QString& bitmap) {
  auto* action = new QAction(owner);
  if (bitmap.isEmpty()) {
    action->setText(text);
  } else {
    const TBitmap picture = TBitmap::Load(bitmap);
    action->setIcon(QIcon(QPixmap::fromImage(picture.Image())));
    action->setToolTip(QString(text).remove('&'));
  }
  action->setData(id);
  QObject::connect(action, &QAction::triggered, owner, [this, id] {
    if (target_) target_->EvCommand(id);
  });
  actions_.push_back(action);
  return action;
}

void TMenu::AppendPopup(const QString& bitmap, const TMenuResource& items, const std::map<int, QString>& pictures,
                        bool besideText) {
  auto* popup = new QMenu(bar_);
  popup->setStyle(BitmapMenuStyle::Instance());
  std::vector<std::pair<QAction*, QString>> pending;
  for (const TMenuItem& item : items) {
    if (item.id == 0) {
      popup->addSeparator();
      continue;
    }
    QAction* action = MakeAction(popup, item.id, item.text, QString());
    const auto picture = pictures.find(item.id);
    if (picture != pictures.end()) {
      // The text stays until the popup first opens and its pictures are drawn.
      pending.emplace_back(action, picture->second);
    }
    popup->addAction(action);
  }
  if (!pending.empty()) {
    QObject::connect(popup, &QMenu::aboutToShow, popup, [pending, besideText] {
      for (const auto& [action, name] : pending) {
        if (!action->text().isEmpty()) action->setToolTip(QString(action->text()).remove('&'));
        const TBitmap picture = TBitmap::Load(name);
        action->setIcon(QIcon(QPixmap::fromImage(picture.Image())));
        if (!besideText) action->setText(QString());
      }
    }, Qt::SingleShotConnection);
  }
  QAction* entry = popup->menuAction();
  const TBitmap picture = TBitmap::Load(bitmap);
  entry->setIcon(QIcon(QPixmap::fromImage(picture.Image())));
  entry->setText(QString());
  bar_->addAction(entry);
}

void TMenu::AppendItem(int id, const QString& bitmap) { bar_->addAction(MakeAction(bar_, id, QString(), bitmap)); }

QAction* TMenu::FindAction(int id) const {
  for (QAction* a : actions_)
    if (a->data().toInt() == id) return a;
  return nullptr;
}

void TMenu::SetEnabled(int id, bool enabled) {
  for (QAction* a : actions_)
    if (a->data().toInt() == id) a->setEnabled(enabled);
}
