#pragma once
#include <QImage>
#include <QRect>
#include <QSize>

// 32-bit RGB images for a game's screen, its off-screen copies and the
// snapshots taken of them. Large ones are placed in memory the kernel may back
// with huge pages, so that touching them the first time costs a few page
// faults instead of thousands (a fault costs several microseconds on a virtual
// machine: a whole-screen image in ordinary pages takes about 20 ms to touch),
// and the memory of a few large images freed is kept for the next ones.

// Makes memory ready on a helper thread for a program's first large images, so
// that they need not wait for the kernel to clear fresh memory: blocks for
// `images` images up to `largest` (a game's screen, its off-screen copy...),
// touched and white already, so that white images made in them need no
// whitening, and room in the heap for one image of that size that Qt
// allocates itself (the window system's copy of the window). An image asked
// for while the blocks are being made waits for the next one.
void PrepareImageMemory(QSize largest, int images);

// Whether every pixel of `image` is known white: it was made white, or whitened
// whole by NoteWhite's caller, and nothing has asked for its pixels to write
// since (Qt gives an image a new cache key at each such request). A fresh
// screen need not be whitened again.
bool KnownWhite(const QImage& image);
void NoteWhite(const QImage& image);

// An image whose pixels are left as they come: the caller sets them all.
QImage NewImage(QSize size);
QImage NewWhiteImage(QSize size);
// The pixels of `area` of `source`, as QImage::copy gives them.
QImage CopyOf(const QImage& source, const QRect& area);
