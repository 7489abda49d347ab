#pragma once
#include <QRect>

class QMainWindow;

// The drawing area of a game: from the screen's width and the bottom of its free
// area, less the game's margins, and never more than the frame leaves free.
QRect ComputeDrawingArea(int marginRight, int marginBottom);

// Lays `frame`, with its bars in place, out at the screen's free size and keeps
// the room its middle gets, for the drawing area computed next.
void MeasureClientRoom(QMainWindow& frame);
void ForgetClientRoom();
