// The program style defers the bars' overflow arrows: they must not be made
// before they are used, and must then look exactly like the style's own.
#include "DeferredIcon.h"
#include "ProgramStyle.h"

#include <QPixmap>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

TEST(ProgramStyleTest, OverflowArrowsLookLikeTheStylesOwnAtEverySizeAndMode) {
  TProgramStyle ours(QStringLiteral("Fusion"));
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  for (const auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    SCOPED_TRACE(int(arrow));
    const QIcon deferred = ours.standardIcon(arrow, nullptr, nullptr);
    const QIcon own = plain->standardIcon(arrow, nullptr, nullptr);
    EXPECT_FALSE(deferred.isNull());
    EXPECT_EQ(deferred.availableSizes(), own.availableSizes());
    for (const int side : {8, 16, 24, 32})
      for (const auto mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
        const QSize size(side, side);
        EXPECT_EQ(deferred.actualSize(size, mode), own.actualSize(size, mode)) << side;
        EXPECT_EQ(deferred.pixmap(size, mode).toImage(), own.pixmap(size, mode).toImage()) << side << " mode " << mode;
      }
  }
}

TEST(ProgramStyleTest, DeferredIconIsMadeOnceAndOnlyWhenFirstUsed) {
  int made = 0;
  QPixmap red(6, 6);
  red.fill(Qt::red);
  const QIcon icon = DeferredIcon([&] {
    ++made;
    return QIcon(red);
  });
  QIcon copy = icon;  // shared, as Qt's widgets keep copies
  EXPECT_FALSE(copy.isNull());
  EXPECT_EQ(made, 0);
  EXPECT_EQ(copy.pixmap(QSize(6, 6)).toImage().pixel(2, 2), QColor(Qt::red).rgb());
  EXPECT_EQ(icon.actualSize(QSize(20, 20)), QSize(6, 6));
  EXPECT_EQ(made, 1);
}
