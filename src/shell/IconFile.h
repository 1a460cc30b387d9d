// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>

// Reads a picture from an icon file on disk. Anything but a whole, readable icon file of at
// most maxIconFileBytes gives a null image: a missing file, a directory or device in its
// place, an unreadable, oversized, truncated or foreign file, or one of whose pictures does
// not decode. Of the file's pictures the one nearest to preferredSide x preferredSide is taken
// (32 x 32, or 64 x 64 for a screen of double density).
constexpr qint64 maxIconFileBytes = 1024 * 1024;

QImage readIconFile(const QString &path, int preferredSide = 32);
