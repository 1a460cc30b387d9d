// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusBar.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLocale>

namespace ui {

StatusBar *StatusBar::create(BuildContext &context, const ControlDesign &row)
{
    auto *s = new StatusBar(context.parentFor(row));
    s->setPanels(row.statusPanels);
    context.dockBottom(s);
    s->applyDesign(row, context);
    return s;
}

QString timeOfDayFormat(const QString &format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u's') {
            // The seconds go, and the separator that led up to them.
            if (!result.isEmpty() && QStringView(u":.,").contains(result.back()))
                result.chop(1);
            while (i + 1 < format.size() && format.at(i + 1) == u's')
                ++i;
            continue;
        }
        result.append(c);
    }
    return result;
}

StatusBar::StatusBar(QWidget *parent)
    : QWidget(parent)
    , ControlBase(this)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(scaledPixels(2), scaledPixels(1), scaledPixels(2), scaledPixels(1));
    layout->setSpacing(scaledPixels(2));
    useSystemColors(this);
    m_clock.setSingleShot(true);
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &StatusBar::refreshClock);
}

void StatusBar::setPanels(const QList<PanelDesign> &panels)
{
    auto *layout = static_cast<QHBoxLayout *>(this->layout());
    bool clock = false;
    for (const PanelDesign &design : panels) {
        auto *label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(design.key.isEmpty() ? QStringLiteral("panel%1").arg(m_panels.size() + 1) : design.key);
        if (design.style == PanelStyle::Text) {
            layout->addWidget(label, 1);
        } else {
            label->setAlignment(Qt::AlignCenter);
            label->setContentsMargins(scaledPixels(4), 0, scaledPixels(4), 0);
            layout->addWidget(label, 0);
            clock = true;
        }
        m_panels.append({ design, label });
    }
    if (clock) {
        refreshClock();
        fitClockPanels();
    }
}

// The format of the time panel in the user's locale.
static QString clockFormat(const QLocale &locale)
{
    return timeOfDayFormat(locale.timeFormat(QLocale::ShortFormat));
}

void StatusBar::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        fitClockPanels();
}

// The time panel gets the size of the widest text its clock can show: as the clock runs, only
// the panel itself repaints and the bar is never laid out again.
void StatusBar::fitClockPanels()
{
    const QLocale locale;
    const QString format = clockFormat(locale);
    for (const Panel &p : std::as_const(m_panels)) {
        if (p.design.style != PanelStyle::Time)
            continue;
        const QFontMetrics metrics(p.label->font());
        QChar widest = u'0';
        for (char16_t d = u'1'; d <= u'9'; ++d) {
            if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widest))
                widest = QChar(d);
        }
        const QString shown = p.label->text();
        p.label->setMinimumSize(0, 0);
        p.label->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QSize size;
        for (int hour = 0; hour < 24; ++hour) {
            QString sample = locale.toString(QTime(hour, 0, 0), format);
            for (QChar &c : sample) {
                if (c.isDigit())
                    c = widest;
            }
            p.label->setText(sample);
            size = size.expandedTo(p.label->sizeHint());
        }
        p.label->setText(shown);
        p.label->setFixedSize(size);
    }
}

void StatusBar::refreshClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    for (const Panel &p : std::as_const(m_panels)) {
        QString text;
        if (p.design.style == PanelStyle::Time)
            text = locale.toString(now.time(), clockFormat(locale));
        else if (p.design.style == PanelStyle::Date)
            text = locale.toString(now.date(), QLocale::ShortFormat);
        else
            continue;
        if (p.label->text() != text) // an unchanged panel is not repainted
            p.label->setText(text);
    }
    // Wake only when the shown text can next change: just after the minute turns. A precise
    // timer, so the minute changes on time; a clock set forwards or back shows within a minute.
    const int msIntoMinute = now.time().second() * 1000 + now.time().msec();
    m_clock.start(60000 - msIntoMinute + 5);
}

QString StatusBar::panelText(const QString &key) const
{
    for (const Panel &p : m_panels) {
        if (p.design.key == key)
            return p.label->text();
    }
    return {};
}

void StatusBar::setPanelText(const QString &key, const QString &text)
{
    for (const Panel &p : std::as_const(m_panels)) {
        if (p.design.key == key)
            p.label->setText(text);
    }
}

QLabel *StatusBar::panel(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels[index].label : nullptr;
}

} // namespace ui
