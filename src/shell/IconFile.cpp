// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/IconFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>

namespace {

// No picture of an icon is larger than 256 x 256; this leaves room and stops a picture that
// claims huge dimensions before its pixels are allocated.
constexpr int decodeLimitMegabytes = 4;
constexpr int largestIconSide = 256;

QByteArray readWholeFile(const QString &path)
{
    // Only a regular file: opening a pipe or a device could block or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxIconFileBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxIconFileBytes)
        return {};
    // One byte more than allowed, to notice a file that grew since its size was read.
    QByteArray bytes = file.read(maxIconFileBytes + 1);
    if (bytes.size() > maxIconFileBytes || file.error() != QFileDevice::NoError)
        return {};
    return bytes;
}

} // namespace

QImage readIconFile(const QString &path, int preferredSide)
{
    QByteArray bytes = readWholeFile(path);
    if (bytes.isEmpty())
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(decodeLimitMegabytes);
    QImage best;
    const int count = reader.imageCount(); // 0 for anything but an icon file
    for (int i = 0; i < count; ++i) {
        QImage image;
        // Every picture must decode: one cut short or damaged spoils the whole file.
        if (!reader.jumpToImage(i) || !reader.read(&image))
            return {};
        if (image.isNull() || image.width() > largestIconSide || image.height() > largestIconSide)
            return {};
        if (best.isNull() || std::abs(image.width() - preferredSide) < std::abs(best.width() - preferredSide))
            best = image;
    }
    return best;
}
