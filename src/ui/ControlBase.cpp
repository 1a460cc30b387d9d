// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlBase.h"

#include "ui/Accessible.h"
#include "ui/BuildContext.h"
#include "ui/ControlDesign.h"
#include "ui/Geometry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

QHash<quint64, ControlBase *> &registry()
{
    static QHash<quint64, ControlBase *> controls;
    return controls;
}

quint64 g_nextId = 1;

} // namespace

ControlBase::ControlBase(QWidget *self)
    : m_self(self)
    , m_id(g_nextId++)
{
    registry().insert(m_id, this);
}

ControlBase::~ControlBase()
{
    registry().remove(m_id);
}

void ControlBase::setIdentity(const QString &name, int index)
{
    m_name = name;
    m_index = index;
    if (m_self)
        m_self->setObjectName(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
}

void ControlBase::applyDesign(const ControlDesign &row, BuildContext &context)
{
    setIdentity(row.name, row.index);
    if (row.namedByData)
        m_self->setObjectName(row.name);
    setTag(row.tagText);
    if (!row.roleName.isEmpty())
        setRoleName(row.shownRoleName());
    if (row.fontSpec)
        applyFont(m_self, *row.fontSpec);
    if (row.backColor)
        setBackColor(m_self, *row.backColor);
    if (row.foreColor)
        setForeColor(m_self, *row.foreColor);
    if (row.extent == Extent::Box)
        Move(row.left, row.top, row.width, row.height);
    if (!row.isVisible)
        m_self->hide();
    if (!row.isEnabled)
        m_self->setEnabled(false);
    if (row.tab >= 0)
        context.addTabStop(row.tab, m_self);
}

void ControlBase::setRoleName(const QString &name)
{
    m_roleName = name;
    if (m_self)
        m_self->setAccessibleName(name);
}

void ControlBase::describeCaption(const QString &caption)
{
    if (!m_self)
        return;
    if (m_roleName.isEmpty())
        m_self->setAccessibleName(plainCaption(caption));
    else
        m_self->setAccessibleDescription(plainCaption(caption));
}

void ControlBase::Move(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (m_self)
        m_self->setGeometry(twipsRect(left, top, width, height));
}

ControlBase *ControlBase::fromId(quint64 id)
{
    return registry().value(id, nullptr);
}

void applyFont(QWidget *w, const FontDesign &design)
{
    w->setFont(scaledFont(w->font(), design.family, design.points, design.isBold, design.isItalic));
}

void setBackColor(QWidget *w, quint32 bgr)
{
    QPalette p = w->palette();
    const QColor c = vbColor(bgr);
    if (qobject_cast<QPushButton *>(w)) {
        p.setColor(QPalette::Button, c); // the button's face
    } else if (qobject_cast<QLineEdit *>(w)) {
        p.setColor(QPalette::Base, c);
    } else {
        p.setColor(QPalette::Window, c);
        w->setAutoFillBackground(true);
        // Check boxes and option buttons fill with the button role unless told otherwise.
        if (qobject_cast<QAbstractButton *>(w))
            w->setBackgroundRole(QPalette::Window);
    }
    w->setPalette(p);
    w->setProperty("ui_backColor", bgr);
}

void setForeColor(QWidget *w, quint32 bgr)
{
    // Only the role the control draws its own text with, so that controls inside a frame keep
    // their own colours; and only the active and inactive groups, so that a disabled control
    // keeps the toolkit's greyed text.
    QPalette::ColorRole role = QPalette::WindowText;
    if (qobject_cast<QPushButton *>(w))
        role = QPalette::ButtonText;
    else if (qobject_cast<QLineEdit *>(w))
        role = QPalette::Text;
    QPalette p = w->palette();
    const QColor c = vbColor(bgr);
    for (auto group : { QPalette::Active, QPalette::Inactive })
        p.setColor(group, role, c);
    w->setPalette(p);
    w->setProperty("ui_foreColor", bgr);
}

quint32 foreColor(const QWidget *w)
{
    const QVariant v = w->property("ui_foreColor");
    return v.isValid() ? v.toUInt() : 0;
}

quint32 backColor(const QWidget *w)
{
    const QVariant v = w->property("ui_backColor");
    if (v.isValid())
        return v.toUInt();
    const QColor c = w->palette().color(QPalette::Window);
    return rgb(c.red(), c.green(), c.blue());
}

void useSystemColors(QWidget *bar)
{
    const QPalette system = QApplication::palette();
    QPalette p = bar->palette();
    for (auto role : { QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText })
        p.setBrush(role, system.brush(role));
    bar->setPalette(p);
    bar->setAutoFillBackground(true);
}

ControlBase *controlOf(QObject *object)
{
    return dynamic_cast<ControlBase *>(object);
}

bool visible(const QWidget *control)
{
    // A child that was never shown or hidden explicitly follows its window and counts as visible.
    return control && (!control->isHidden() || !control->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

bool enabled(const QWidget *control)
{
    // Disabling a frame disables what lies in it without touching their own flags.
    return control && !control->testAttribute(Qt::WA_ForceDisabled);
}

} // namespace ui
