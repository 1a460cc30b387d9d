// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Accessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
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
    // The window's stand-ins for saying what happened are heard as their text alone.
    if (className == QLatin1String("ui::Speaker"))
        return new QAccessibleWidget(w, QAccessible::Client);
    if (className == QLatin1String("ui::Line"))
        return new QAccessibleWidget(w, QAccessible::Separator);
    return nullptr;
}

// A password box tells assistive technology what was typed into it only as bullets: the
// toolkit's own events would carry the typed letters, and screen readers speak them.
QString masked(const QString &text)
{
    return QString(text.size(), QChar(0x2022));
}

void forward(QAccessibleEvent *event);

void passwordSafeUpdate(QAccessibleEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(event->object());
    if (!box || box->echoMode() == QLineEdit::Normal) {
        forward(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        auto *e = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent safe(box, e->changePosition(), masked(e->textInserted()));
        forward(&safe);
        return;
    }
    case QAccessible::TextRemoved: {
        auto *e = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent safe(box, e->changePosition(), masked(e->textRemoved()));
        forward(&safe);
        return;
    }
    case QAccessible::TextUpdated: {
        auto *e = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent safe(box, e->changePosition(), masked(e->textRemoved()), masked(e->textInserted()));
        forward(&safe);
        return;
    }
    default:
        forward(event);
    }
}

// Hands the event on to the platform as if no handler were installed.
void forward(QAccessibleEvent *event)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passwordSafeUpdate);
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
        QAccessible::installUpdateHandler(passwordSafeUpdate);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
