// The tree control: items appended and shown, the +/- boxes and the dotted
// lines it draws itself, the folder pictures that follow each branch.
#include "TreeView.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
class TreeViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    parent = std::make_unique<QWidget>();
    parent->setGeometry(0, 0, 400, 300);
    tree = new TTreeView(parent.get(), 101, QRect(4, 4, 392, 292));
    QImage strip(40, 18, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setPixel(5, 5, qRgb(255, 0, 0));    // the closed picture
    strip.setPixel(25, 5, qRgb(0, 0, 255));   // the open one
    tree->SetImageList(strip, 20);
    root = tree->AppendChild(nullptr, QStringLiteral("Racine"));
    first = tree->AppendChild(root, QStringLiteral("Premier"));
    tree->AppendChild(first, QStringLiteral("Dedans"));
    tree->AppendChild(root, QStringLiteral("Dernier"));
    parent->show();
    (void)QTest::qWaitForWindowExposed(parent.get());
  }
  QImage Shot() { return tree->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  // The darkest pixel's grey level in `r` of the control.
  int Darkest(const QImage& image, const QRect& r) {
    int darkest = 255;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
  }

  std::unique_ptr<QWidget> parent;
  TTreeView* tree = nullptr;
  TTreeView::Item* root = nullptr;
  TTreeView::Item* first = nullptr;
};
}  // namespace

TEST_F(TreeViewTest, TheBoxOpensAndClosesAndThePictureFollows) {
  ASSERT_EQ(tree->VisibleRows().size(), 1u);
  EXPECT_EQ(tree->ImageOf(root), 0);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                    tree->ButtonRect(root).center() - tree->viewport()->pos());
  const auto rows = tree->VisibleRows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].text, QStringLiteral("Premier"));
  EXPECT_TRUE(rows[1].button);
  EXPECT_FALSE(rows[2].button);
  EXPECT_EQ(tree->ImageOf(root), 1);
  // The white of the strip shows nothing: the pictures are transparent there.
  EXPECT_TRUE(root->icon(0).pixmap(20, 18).toImage().hasAlphaChannel());
  EXPECT_EQ(qAlpha(root->icon(0).pixmap(20, 18).toImage().pixel(0, 0)), 0);
  tree->Collapse(root);
  EXPECT_EQ(tree->ImageOf(root), 0);
  EXPECT_EQ(tree->VisibleRows().size(), 1u);
  tree->Expand(root);
  tree->DeleteAllItems();
  EXPECT_TRUE(tree->VisibleRows().empty());
}

TEST_F(TreeViewTest, ItDrawsItsBoxesAndItsLinesEvenAtTheRoot) {
  tree->Expand(root);
  QApplication::processEvents();
  const QImage shot = Shot();
  const QRect box = tree->ButtonRect(root);
  // The box's outline, and its "-" once open.
  EXPECT_LT(Darkest(shot, QRect(box.left(), box.top(), 1, box.height())), 160);
  EXPECT_LT(Darkest(shot, QRect(box.center().x() - 1, box.center().y(), 3, 1)), 64);
  // The dotted line from the first child's box down to the last child.
  const QRect firstBox = tree->ButtonRect(first);
  const QRect leaf = tree->ButtonRect(tree->Find({QStringLiteral("Racine"), QStringLiteral("Dernier")}));
  EXPECT_LT(Darkest(shot, QRect(firstBox.center().x(), firstBox.bottom() + 2, 1, leaf.top() - firstBox.bottom())), 160);
  // The leaf "Dernier" has a line to its text and no box.
  EXPECT_LT(Darkest(shot, QRect(leaf.center().x() + 2, leaf.center().y(), 6, 1)), 160);
  EXPECT_EQ(Darkest(shot, QRect(leaf.left(), leaf.top(), 1, 3)), 255);
}
