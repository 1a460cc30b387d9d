// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlBase.h"

#include "ui/Accessible.h"
#include "ui/Twips.h"

#include <QHash>

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
