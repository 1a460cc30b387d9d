// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlFactory.h"

#include "ui/Accessible.h"
#include "ui/Bars.h"
#include "ui/ControlSlot.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormView.h"
#include "ui/Picture.h"
#include "ui/Pictures.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace ui {

void applyFont(QWidget *w, const FontDesign &design)
{
    QFont f = w->font();
    if (!design.family.isEmpty())
        f.setFamilies({ design.family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    if (design.points > 0)
        f.setPointSizeF(design.points * displayScale());
    f.setBold(design.isBold);
    f.setItalic(design.isItalic);
    w->setFont(f);
}

ControlFactory::ControlFactory(Form *form, FormView *view)
    : m_form(form)
    , m_view(view)
{
    installAccessibility();
}

QWidget *ControlFactory::containerOf(const ControlDesign &design) const
{
    if (!design.containerSlot)
        return m_view->client();
    return qobject_cast<QWidget *>(design.containerSlot->built(design.containerIndex));
}

static Qt::Alignment alignmentOf(Align a)
{
    switch (a) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QObject *ControlFactory::build(const ControlDesign &design)
{
    switch (design.kind) {
    case Kind::Menu:
    case Kind::MenuItem:
    case Kind::Separator:
        return buildMenu(design);
    case Kind::Timer: {
        auto *t = new Timer(m_view);
        t->setObjectName(design.name);
        t->setInterval(design.intervalMs);
        t->setEnabled(design.isEnabled);
        return t;
    }
    default:
        break;
    }

    QWidget *parent = containerOf(design);
    QWidget *w = nullptr;
    ControlBase *base = nullptr;
    switch (design.kind) {
    case Kind::Label: {
        auto *l = new Label(parent);
        l->setAlignment(alignmentOf(design.alignment));
        l->setTransparent(!design.backColor);
        if (design.autoSizeToText)
            l->setAutoSize(true);
        l->setLink(design.isLink);
        w = l;
        base = l;
        break;
    }
    case Kind::Button: {
        auto *b = new Button(parent);
        b->setCaption(design.captionText);
        if (design.isDefault)
            m_view->setDefaultButton(b);
        if (design.isCancel)
            m_view->setCancelButton(b);
        w = b;
        base = b;
        break;
    }
    case Kind::TextBox: {
        auto *t = new TextBox(parent);
        t->setText(design.captionText);
        if (design.isPassword)
            t->setEchoMode(QLineEdit::Password);
        w = t;
        base = t;
        break;
    }
    case Kind::CheckBox: {
        auto *c = new CheckBox(parent);
        c->setText(design.captionText);
        c->setValue(design.isChecked ? 1 : 0);
        w = c;
        base = c;
        break;
    }
    case Kind::OptionButton: {
        auto *o = new OptionButton(parent);
        o->setText(design.captionText);
        if (design.isChecked) {
            const QSignalBlocker block(o);
            o->setChecked(true);
        }
        w = o;
        base = o;
        break;
    }
    case Kind::Frame: {
        auto *f = new Frame(parent);
        f->setTitle(design.captionText);
        w = f;
        base = f;
        break;
    }
    case Kind::Image: {
        auto *i = new Image(parent);
        i->setStretch(design.isStretched);
        if (!design.picturePath.isEmpty())
            i->setPicturePath(design.picturePath);
        if (design.dragAutomatic) {
            i->setAutomaticDrag(true);
            i->setDragIcon(scaledPicture(design.dragIconPath));
        }
        w = i;
        base = i;
        break;
    }
    case Kind::PictureBox: {
        auto *p = new PictureBox(parent);
        w = p;
        base = p;
        break;
    }
    case Kind::Line: {
        auto *l = new Line(parent);
        w = l;
        base = l;
        break;
    }
    case Kind::ToolBar: {
        auto *t = new ToolBar(parent);
        t->setButtons(design.toolButtons);
        m_view->client()->dock(t);
        w = t;
        base = t;
        break;
    }
    case Kind::StatusBar: {
        auto *s = new StatusBar(parent);
        s->setPanels(design.statusPanels);
        m_view->client()->dock(s);
        w = s;
        base = s;
        break;
    }
    default:
        qFatal("unhandled control kind");
        return nullptr;
    }

    base->setIdentity(design.name, design.index);
    base->setTag(design.tagText);
    if (!design.roleName.isEmpty())
        base->setRoleName(design.roleName);
    // A label names itself from its caption whenever the caption is set; a text box's text is
    // what was typed, never its name.
    if (design.kind != Kind::Label && design.kind != Kind::TextBox)
        base->describeCaption(design.captionText);
    if (design.fontSpec)
        applyFont(w, *design.fontSpec);
    if (design.backColor)
        setBackColor(w, *design.backColor);
    if (design.foreColor)
        setForeColor(w, *design.foreColor);
    if (design.kind == Kind::Line) {
        static_cast<Line *>(w)->setEnds(design.left, design.top, design.width, design.height);
        if (design.foreColor)
            static_cast<Line *>(w)->setColor(*design.foreColor);
        w->lower();
    } else if (design.kind != Kind::ToolBar && design.kind != Kind::StatusBar) {
        base->Move(design.left, design.top, design.width, design.height);
    }
    if (auto *l = qobject_cast<Label *>(w))
        l->setCaption(design.captionText); // after the font, so an auto-sized label fits its text
    if (!design.isVisible)
        w->hide();
    if (!design.isEnabled)
        w->setEnabled(false);
    if (design.tab >= 0) {
        if (qobject_cast<Label *>(w))
            m_mnemonicLabels.append({ design.tab, w });
        m_tabOrder.append({ design.tab, w });
    }
    return w;
}

QObject *ControlFactory::buildMenu(const ControlDesign &design)
{
    QMenuBar *bar = m_view->menuBar();
    if (design.kind == Kind::Menu) {
        // A top-level menu; its menu action stands for it (caption, enabled, visible).
        auto *menu = new QMenu(design.captionText, m_view);
        menu->setObjectName(design.name);
        QAction *action = bar->addMenu(menu);
        action->setObjectName(design.name);
        action->setVisible(design.isVisible);
        action->setEnabled(design.isEnabled);
        m_hasMenus = true;
        return action;
    }
    QAction *action = nullptr;
    if (!design.containerSlot) {
        action = bar->addAction(design.captionText);
    } else {
        auto *topMenu = qobject_cast<QAction *>(design.containerSlot->built());
        QMenu *menu = topMenu ? topMenu->menu() : nullptr;
        if (!menu)
            qFatal("menu item %s lies in %s, which is no menu", qPrintable(design.name),
                qPrintable(design.containerSlot->name()));
        action = design.kind == Kind::Separator ? menu->addSeparator() : menu->addAction(design.captionText);
    }
    action->setObjectName(design.name);
    action->setVisible(design.isVisible);
    action->setEnabled(design.isEnabled);
    return action;
}

void ControlFactory::finish()
{
    std::stable_sort(
        m_tabOrder.begin(), m_tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &entry : std::as_const(m_tabOrder)) {
        QWidget *w = entry.second;
        if (qobject_cast<Label *>(w))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    // The window opens with the focus on the first control in the tab order that can take it.
    for (const auto &entry : std::as_const(m_tabOrder)) {
        QWidget *w = entry.second;
        if ((w->focusPolicy() & Qt::TabFocus) && enabled(w) && visible(w)) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    // A label's mnemonic moves the focus to the control that follows it in the tab order.
    for (const auto &label : std::as_const(m_mnemonicLabels)) {
        auto *l = static_cast<Label *>(label.second);
        if (!l->Caption().contains(QLatin1Char('&')))
            continue;
        QWidget *buddy = nullptr;
        for (const auto &entry : std::as_const(m_tabOrder)) {
            if (entry.first > label.first && !qobject_cast<Label *>(entry.second)) {
                buddy = entry.second;
                break;
            }
        }
        if (buddy) {
            l->setTextFormat(Qt::PlainText);
            l->setBuddy(buddy);
        }
    }
    // The window's menu bar exists only if the table has menus.
    if (!m_hasMenus && m_view->menuWidget() && m_view->menuBar()->actions().isEmpty())
        m_view->setMenuBar(nullptr);
}

} // namespace ui
