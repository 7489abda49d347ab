#pragma once
#include <QRect>
#include <QSize>

class QMainWindow;

// The drawing area of a game: from the screen's width and the bottom of its free
// area, less the game's margins, and never more than the frame's middle shows
// once the room a game reserves right of and below the area is taken off.
QRect ComputeDrawingArea(int marginRight, int marginBottom, QSize reserve = QSize(0, 0));

// The part of a window's client, placed at `client` in screen coordinates, that
// the screen's free area shows, measured from the client's top left corner.
QSize VisibleRoom(const QRect& client, const QRect& available);

// Shows `frame`, with its bars in place, maximised, waits (a bounded time) until
// the window manager has placed it, and keeps the visible room of its middle for
// the drawing area computed next.
void MeasureClientRoom(QMainWindow& frame);
void ForgetClientRoom();
