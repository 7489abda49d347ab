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
  VK_SHIFT = Qt::Key_Shift,
  VK_CONTROL = Qt::Key_Control,
  VK_CAPITAL = Qt::Key_CapsLock,
};

// The key of a letter, 'A' to 'Z' in either case: the code a letter key
// carries whatever the keyboard's layout and whether Shift is held.
constexpr int LetterKey(char letter) {
  return letter >= 'a' && letter <= 'z' ? Qt::Key_A + (letter - 'a') : Qt::Key_A + (letter - 'A');
}

// The capital a key types, or 0 for a key that is not a letter.
constexpr char KeyLetter(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char>('A' + (key - Qt::Key_A));
  if (key >= 'a' && key <= 'z') return static_cast<char>('A' + (key - 'a'));
  return 0;
}

// Whether a key only changes what the others type (Shift, Control, Alt, AltGr,
// Meta and the locks): released alone, it is no answer to anything.
constexpr bool IsModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

// Flags of mouse messages: buttons and modifier keys held.
enum : unsigned {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_SHIFT = 0x0004,
  MK_CONTROL = 0x0008,
};
