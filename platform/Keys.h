#pragma once
#include <Qt>

// Key codes as the games test them.
enum : int {
  VK_LEFT = Qt::Key_Left,
  VK_UP = Qt::Key_Up,
  VK_RIGHT = Qt::Key_Right,
  VK_DOWN = Qt::Key_Down,
  VK_RETURN = Qt::Key_Return,
  VK_ESCAPE = Qt::Key_Escape,
  VK_SPACE = Qt::Key_Space,
};

// Flags of mouse messages: buttons and modifier keys held.
enum : unsigned {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_SHIFT = 0x0004,
  MK_CONTROL = 0x0008,
};
