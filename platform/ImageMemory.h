#pragma once
#include <QImage>
#include <QRect>
#include <QSize>

// 32-bit RGB images for a game's screen, its off-screen copies and the
// snapshots taken of them. Large ones get blocks of their own, and the memory
// of a few large images freed is kept for the next ones: touching fresh memory
// costs a page fault per 4 KiB (a whole-screen image takes milliseconds).

// Makes memory ready on a helper thread for a program's first large images, so
// that they need not wait for the kernel to clear fresh memory: blocks for
// `images` images up to `largest` (a game's screen, its off-screen copy...),
// touched (in huge pages while they come quickly) and white already, so that
// white images made in them need no whitening, and room in the heap for one
// image of that size that Qt allocates itself (the window system's copy of the
// window). An image asked for while a block is being made waits for it, but
// not past the time a block takes.
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
