// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

QString plainCaption(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&') && i + 1 < caption.size()) {
            plain += caption.at(++i);
            continue;
        }
        if (c == QLatin1Char('\r')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('\n'))
                ++i;
            plain += QLatin1Char(' ');
            continue;
        }
        plain += c == QLatin1Char('\n') ? QChar(QLatin1Char(' ')) : c;
    }
    return plain;
}

namespace {

constexpr const char *dialogRole = "playhavenDialog";

QAccessibleInterface *layerWidgets(const QString &className, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String("ui::Image"))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    // A picture box that takes a picked-up picture on Enter is a place to press.
    if (className == QLatin1String("ui::PictureBox"))
        return new QAccessibleWidget(w, w->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Button);
    // A label that acts when clicked (a help topic) is a link; other labels are plain text.
    if (className == QLatin1String("ui::Label") && w->focusPolicy() != Qt::NoFocus)
        return new QAccessibleWidget(w, QAccessible::Link);
    if (className == QLatin1String("ui::StatusBar"))
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    if (className == QLatin1String("ui::FormView") && w->property(dialogRole).toBool())
        return new QAccessibleWidget(w, QAccessible::Dialog);
    if (className == QLatin1String("ui::Line"))
        return new QAccessibleWidget(w, QAccessible::Separator);
    return nullptr;
}

} // namespace

void presentAsDialog(QWidget *window, const QString &instructions)
{
    window->setProperty(dialogRole, true);
    window->setAccessibleDescription(instructions);
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(layerWidgets);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
