#pragma once
#include "Bitmap.h"
#include "DecoratedFrame.h"
#include "GameHarness.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QString>
#include <gtest/gtest.h>

// The start item `menuId` of the menu bar shows the game's own word picture,
// found in the game's resource `folder`, not the shared one that reads
// "Recommencer".
inline void ExpectStartPicture(GameHarness& h, int menuId, const QString& folder) {
  QAction* start = nullptr;
  for (QAction* a : h.Frame().menuBar()->actions())
    if (a->data().toInt() == menuId) start = a;
  ASSERT_NE(start, nullptr);
  ASSERT_EQ(TBitmap::FindResource("BITMAPExecuter"), folder + "/BITMAPExecuter.pix");
  const QImage picture = TBitmap::Load("BITMAPExecuter").Image();
  EXPECT_EQ(start->icon().pixmap(picture.size()).toImage().convertToFormat(QImage::Format_RGB32), picture);
}
