// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include "ui/Twips.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
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
    static const QRegularExpression sizeSuffix(QStringLiteral("(\\d+)?(@2x)?$"));
    QString base = QFileInfo(path).completeBaseName();
    base.remove(sizeSuffix);
    if (base.isEmpty() || !path.startsWith(QLatin1String(":/")))
        return {};
    const bool animated = path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    const QString source = animated ? QStringLiteral(":/vector/%1-%2.svg").arg(base).arg(frame)
                                    : QStringLiteral(":/vector/%1.svg").arg(base);
    return QFileInfo::exists(source) ? source : QString();
}

QPixmap vectorPicture(const QString &path, QSize size, int frame)
{
    const QString source = vectorSourceOf(path, frame);
    if (source.isEmpty() || size.isEmpty())
        return {};
    // A window with many markers draws the same picture many times: each drawing is parsed once.
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto &renderer = renderers[source];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(source);
    if (!renderer->isValid())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
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

QPixmap scaledPicture(const QString &path)
{
    QPixmap picture = sharpPixmap(path);
    if (displayScale() == 1.0 || picture.isNull())
        return picture;
    const QSizeF design = picture.deviceIndependentSize();
    const QSize size(scaledPixels(design.width()), scaledPixels(design.height()));
    QPixmap drawn = vectorPicture(path, size);
    if (!drawn.isNull())
        return drawn;
    // A picture without a vector source (none of the program's own) is resampled smoothly.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    picture = picture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace ui
