#pragma once
#include "ShowMessage.h"

#include <QString>
#include <gtest/gtest.h>

// Checks every part of a message shown: title, lines (an empty second line
// when there is none), picture and kind.
inline void ExpectMessage(const ShownMessage& m, const char* title, const char* line1, const char* line2, int picture,
                          int kind = MessageOk) {
  EXPECT_EQ(m.title, QString::fromUtf8(title));
  EXPECT_EQ(m.line1, QString::fromUtf8(line1));
  EXPECT_EQ(m.line2, QString::fromUtf8(line2));
  EXPECT_EQ(m.picture, picture) << m.title.toStdString();
  EXPECT_EQ(m.kind, kind) << m.title.toStdString();
}
