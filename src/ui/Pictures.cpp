// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include "ui/Geometry.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

namespace ui {

QPixmap sharpPixmap(const QString &path, qreal ratio)
{
    if (ratio <= 0)
        ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QFileInfo info(path);
        const QString dense
            = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1String("@2x.") + info.suffix();
        QPixmap p;
        if (QFileInfo::exists(dense) && p.load(dense)) {
            p.setDevicePixelRatio(2.0);
            return p;
        }
    }
    return QPixmap(path);
}

QString vectorSourceOf(const QString &path, int frame)
{
    // ":/icons/bicycle32.png" and ":/icons/bicycle16.png" are one drawing at two sizes; an
    // animation has one drawing per frame.
    QString base = QFileInfo(path).completeBaseName();
    if (base.endsWith(QLatin1String("@2x")))
        base.chop(3);
    while (!base.isEmpty() && base.back().isDigit())
        base.chop(1);
    if (base.isEmpty() || !path.startsWith(QLatin1String(":/")))
        return {};
    const bool animated = path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    const QString source = animated ? QStringLiteral(":/vector/%1-%2.svg").arg(base).arg(frame)
                                    : QStringLiteral(":/vector/%1.svg").arg(base);
    return QFileInfo::exists(source) ? source : QString();
}

QPixmap vectorDrawing(const QString &source, QSize size, qreal ratio)
{
    // A window with many markers draws the same picture many times: each drawing is parsed once.
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto &renderer = renderers[source];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(source);
    if (!renderer->isValid())
        return {};
    QPixmap picture(QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio))));
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(picture.size())));
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

namespace {

QPixmap bitmapFrame(const QString &path, int frame)
{
    if (frame == 0 || !path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return sharpPixmap(path);
    // A GIF is read frame after frame: a fresh movie cannot jump straight to a later one.
    QMovie movie(path);
    if (!movie.jumpToFrame(0))
        return {};
    for (int i = 0; i < frame; ++i) {
        if (!movie.jumpToNextFrame())
            return {};
    }
    return movie.currentPixmap();
}

} // namespace

QPixmap pictureAt(const QString &path, QSize size, int frame)
{
    if (size.isEmpty())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    struct Key {
        QString path;
        QSize size;
        int frame;
        qreal ratio;
        bool operator==(const Key &) const = default;
    };
    static QList<QPair<Key, QPixmap>> drawn;
    const Key key { path, size, frame, ratio };
    for (const auto &entry : std::as_const(drawn)) {
        if (entry.first == key)
            return entry.second;
    }
    QPixmap picture = bitmapFrame(path, frame);
    if (picture.isNull() || picture.deviceIndependentSize().toSize() != size || picture.devicePixelRatio() != ratio) {
        const QString source = vectorSourceOf(path, frame);
        QPixmap fresh = source.isEmpty() ? QPixmap() : vectorDrawing(source, size, ratio);
        if (fresh.isNull() && !picture.isNull()) {
            fresh = picture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            fresh.setDevicePixelRatio(ratio);
        }
        picture = fresh;
    }
    // The program shows a few dozen pictures at one or two sizes each.
    if (drawn.size() > 256)
        drawn.removeFirst();
    drawn.append({ key, picture });
    return picture;
}

QPixmap scaledPicture(const QString &path)
{
    const QPixmap picture = sharpPixmap(path);
    if (picture.isNull())
        return picture;
    const QSizeF design = picture.deviceIndependentSize();
    return pictureAt(path, QSize(scaledPixels(design.width()), scaledPixels(design.height())));
}

} // namespace ui
