#pragma once
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTreeWidget>
#include <vector>

// A tree control at a given place and size: items with an expand button where
// they have children, dotted lines between them (also from the root), a sunken
// edge, and small pictures cut from a strip (white shows what lies beneath).
// The child opens and closes branches with the mouse (the +/- box, a double
// click) or the keyboard (arrows, + and -), as the control does by itself.
// An item shows the strip's first picture while closed, its second while open.
class TTreeView : public QTreeWidget {
public:
  using Item = QTreeWidgetItem;

  TTreeView(QWidget* parent, int id, const QRect& place);

  int Id() const { return id_; }
  // The pictures of the strip, each `width` pixels wide, white made transparent.
  void SetImageList(const QImage& strip, int width);
  // A new last child of `parent`, or a new root item when `parent` is null.
  Item* AppendChild(Item* parent, const QString& text);
  void DeleteAllItems();
  void Expand(Item* item);
  void Collapse(Item* item);

  // An item as it shows: its depth below the top level, its text, whether it
  // has an expand button and whether it is open.
  struct Row {
    int depth;
    QString text;
    bool button;
    bool open;
  };
  // The items that show, top to bottom, scrolled out of sight or not.
  std::vector<Row> VisibleRows() const;
  // The item reached from the top level by `path`, text by text; null when none.
  Item* Find(const QStringList& path) const;
  // Where the +/- box of `item` is and where its text lies, in the control's coordinates.
  QRect ButtonRect(Item* item) const;
  QRect TextRect(Item* item) const;
  // The picture `item` shows: 0 closed, 1 open.
  int ImageOf(const Item* item) const;

protected:
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
  void ShowState(Item* item);

  int id_;
  std::vector<QIcon> images_;
};
