#pragma once
#include <QImage>
#include <QSize>

// A white 32-bit RGB image. Large images (a game's screen and its off-screen
// copy) are placed in memory the kernel may back with huge pages, so that
// touching them the first time costs a few page faults instead of hundreds.
QImage NewWhiteImage(QSize size);
