#pragma once
#include <QImage>
#include <QString>

// Reads a picture from an icon file on disk. Anything but a whole, readable icon file of at
// most maxIconFileBytes gives a null image: a missing file, a directory or device in its
// place, an unreadable, oversized, truncated or foreign file, or one of whose pictures does
// not decode. Of the file's pictures the one nearest to 32 x 32 is taken.
constexpr qint64 maxIconFileBytes = 1024 * 1024;

QImage readIconFile(const QString &path);
