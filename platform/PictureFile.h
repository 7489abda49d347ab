#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// The pictures rendered when the programs are built, in a form the programs
// read without decoding: "TVRP", the width and the height as 32-bit numbers,
// one word left at zero, then the rows of 32-bit RGB pixels, top row first.
// Kept uncompressed among the resources, a picture is shown straight from the
// program's own memory; drawing on it copies it first.
namespace PictureFile {
inline constexpr int kHeader = 16;
inline constexpr int kLargest = 4096;  // pixels a side

QByteArray Encode(const QImage& picture);
// The picture in `path` (a resource or a file), or a null image when it is
// missing or not a whole picture of this form.
QImage Read(const QString& path);
}  // namespace PictureFile
