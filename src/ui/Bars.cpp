#include "ui/Bars.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QIcon>
#include <QLocale>

namespace ui {
namespace {

// The bars are drawn in the system's colours, whatever back colour their window has.
void useSystemColors(QWidget *bar)
{
    const QPalette system = QApplication::palette();
    QPalette p = bar->palette();
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
        p.setBrush(role, system.brush(role));
    bar->setPalette(p);
    bar->setAutoFillBackground(true);
}

} // namespace

ToolBar::ToolBar(QWidget *parent)
    : QToolBar(parent)
    , ControlBase(this)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    useSystemColors(this);
}

void ToolBar::setButtons(const QList<ToolButtonDesign> &buttons)
{
    for (const ToolButtonDesign &b : buttons) {
        QAction *action = addAction(QIcon(b.icon), b.text);
        action->setObjectName(b.key);
        action->setToolTip(b.text);
        action->setData(b.key);
        connect(action, &QAction::triggered, this, [this, key = b.key] { emit ButtonClick(key); });
    }
}

QAction *ToolBar::button(const QString &key) const
{
    for (QAction *a : actions()) {
        if (a->data().toString() == key)
            return a;
    }
    return nullptr;
}

QStringList ToolBar::keys() const
{
    QStringList result;
    for (QAction *a : actions())
        result << a->data().toString();
    return result;
}

StatusBar::StatusBar(QWidget *parent)
    : QWidget(parent)
    , ControlBase(this)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    useSystemColors(this);
    m_clock.setSingleShot(true);
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
            layout->addWidget(label, 0);
            clock = true;
        }
        m_panels.append({design, label});
    }
    if (clock)
        refreshClock();
}

void StatusBar::refreshClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    for (const Panel &p : std::as_const(m_panels)) {
        if (p.design.style == PanelStyle::Time)
            p.label->setText(locale.toString(now.time(), QLocale::ShortFormat));
        else if (p.design.style == PanelStyle::Date)
            p.label->setText(locale.toString(now.date(), QLocale::ShortFormat));
    }
    // Wake once a second, just after the second turns, and not more often.
    m_clock.start(1000 - now.time().msec() + 5);
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
