#include "ui/ControlFactory.h"

#include "ui/Accessible.h"
#include "ui/Bars.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormView.h"
#include "ui/Picture.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace ui {

void applyFont(QWidget *w, const FontSpec &spec)
{
    QFont f = w->font();
    if (!spec.family.isEmpty())
        f.setFamilies({spec.family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    if (spec.points > 0)
        f.setPointSizeF(spec.points);
    f.setBold(spec.isBold);
    f.setItalic(spec.isItalic);
    w->setFont(f);
}

ControlFactory::ControlFactory(Form *form, FormView *view, QHash<QString, QObject *> &controls,
                               QHash<QString, QMenu *> &menus)
    : m_form(form)
    , m_view(view)
    , m_controls(controls)
    , m_menus(menus)
{
    installAccessibility();
}

QWidget *ControlFactory::containerOf(const ControlSpec &spec) const
{
    if (spec.container.isEmpty())
        return m_view->client();
    const QString k = spec.containerIndex < 0 ? spec.container
                                              : QStringLiteral("%1(%2)").arg(spec.container).arg(spec.containerIndex);
    auto *w = qobject_cast<QWidget *>(m_controls.value(k));
    if (!w)
        qFatal("control %s lies in %s, which is not built before it", qPrintable(spec.name), qPrintable(k));
    return w;
}

void ControlFactory::registerControl(const ControlSpec &spec, QObject *control)
{
    const QString k = spec.index < 0 ? spec.name : QStringLiteral("%1(%2)").arg(spec.name).arg(spec.index);
    if (m_controls.contains(k))
        qFatal("window %s has two controls named %s", qPrintable(m_form->name()), qPrintable(k));
    m_controls.insert(k, control);
}

static Qt::Alignment alignmentOf(Align a)
{
    switch (a) {
    case Align::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
    case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void ControlFactory::build(const ControlSpec &spec)
{
    switch (spec.kind) {
    case Kind::Menu:
    case Kind::MenuItem:
    case Kind::Separator:
        buildMenu(spec);
        return;
    case Kind::Timer: {
        auto *t = new Timer(m_view);
        t->setObjectName(spec.name);
        t->setInterval(spec.intervalMs);
        t->setEnabled(spec.isEnabled);
        registerControl(spec, t);
        return;
    }
    default:
        break;
    }

    QWidget *parent = containerOf(spec);
    QWidget *w = nullptr;
    ControlBase *base = nullptr;
    switch (spec.kind) {
    case Kind::Label: {
        auto *l = new Label(parent);
        l->setAlignment(alignmentOf(spec.alignment));
        l->setTransparent(!spec.backColor);
        if (spec.autoSizeToText)
            l->setAutoSize(true);
        w = l; base = l;
        break;
    }
    case Kind::Button: {
        auto *b = new Button(parent);
        b->setCaption(spec.captionText);
        if (spec.isDefault) m_view->setDefaultButton(b);
        if (spec.isCancel) m_view->setCancelButton(b);
        w = b; base = b;
        break;
    }
    case Kind::TextBox: {
        auto *t = new TextBox(parent);
        t->setText(spec.captionText);
        if (spec.isPassword)
            t->setEchoMode(QLineEdit::Password);
        w = t; base = t;
        break;
    }
    case Kind::CheckBox: {
        auto *c = new CheckBox(parent);
        c->setText(spec.captionText);
        c->setValue(spec.isChecked ? 1 : 0);
        w = c; base = c;
        break;
    }
    case Kind::OptionButton: {
        auto *o = new OptionButton(parent);
        o->setText(spec.captionText);
        if (spec.isChecked) {
            const QSignalBlocker block(o);
            o->setChecked(true);
        }
        w = o; base = o;
        break;
    }
    case Kind::Frame: {
        auto *f = new Frame(parent);
        f->setTitle(spec.captionText);
        w = f; base = f;
        break;
    }
    case Kind::Image: {
        auto *i = new Image(parent);
        i->setStretch(spec.isStretched);
        if (!spec.picturePath.isEmpty())
            i->setPicturePath(spec.picturePath);
        if (spec.dragAutomatic) {
            i->setAutomaticDrag(true);
            i->setDragIcon(sharpPixmap(spec.dragIconPath));
        }
        w = i; base = i;
        break;
    }
    case Kind::PictureBox: {
        auto *p = new PictureBox(parent);
        w = p; base = p;
        break;
    }
    case Kind::Line: {
        auto *l = new Line(parent);
        w = l; base = l;
        break;
    }
    case Kind::ToolBar: {
        auto *t = new ToolBar(parent);
        t->setButtons(spec.toolButtons);
        m_view->client()->dock(t);
        w = t; base = t;
        break;
    }
    case Kind::StatusBar: {
        auto *s = new StatusBar(parent);
        s->setPanels(spec.statusPanels);
        m_view->client()->dock(s);
        w = s; base = s;
        break;
    }
    default:
        qFatal("unhandled control kind");
    }

    base->setIdentity(spec.name, spec.index);
    base->setTag(spec.tagText);
    if (!spec.roleName.isEmpty())
        base->setRoleName(spec.roleName);
    // A label names itself from its caption whenever the caption is set; a text box's text is
    // what was typed, never its name.
    if (spec.kind != Kind::Label && spec.kind != Kind::TextBox)
        base->describeCaption(spec.captionText);
    if (spec.fontSpec)
        applyFont(w, *spec.fontSpec);
    if (spec.backColor)
        setBackColor(w, *spec.backColor);
    if (spec.foreColor)
        setForeColor(w, *spec.foreColor);
    if (spec.kind == Kind::Line) {
        static_cast<Line *>(w)->setEnds(spec.left, spec.top, spec.width, spec.height);
        if (spec.foreColor)
            static_cast<Line *>(w)->setColor(*spec.foreColor);
        w->lower();
    } else if (spec.kind != Kind::ToolBar && spec.kind != Kind::StatusBar) {
        base->Move(spec.left, spec.top, spec.width, spec.height);
    }
    if (auto *l = qobject_cast<Label *>(w))
        l->setCaption(spec.captionText); // after the font, so an auto-sized label fits its text
    if (!spec.isVisible)
        w->hide();
    if (!spec.isEnabled)
        w->setEnabled(false);
    if (spec.tab >= 0) {
        if (qobject_cast<Label *>(w))
            m_mnemonicLabels.append({spec.tab, w});
        m_tabOrder.append({spec.tab, w});
    }
    registerControl(spec, w);
}

void ControlFactory::buildMenu(const ControlSpec &spec)
{
    QMenuBar *bar = m_view->menuBar();
    if (spec.kind == Kind::Menu) {
        // A top-level menu; its menu action stands for it (caption, enabled, visible).
        auto *menu = new QMenu(spec.captionText, m_view);
        menu->setObjectName(spec.name);
        QAction *action = bar->addMenu(menu);
        action->setObjectName(spec.name);
        action->setVisible(spec.isVisible);
        action->setEnabled(spec.isEnabled);
        m_menus.insert(spec.name, menu);
        registerControl(spec, action);
        return;
    }
    QAction *action = nullptr;
    if (spec.container.isEmpty()) {
        action = bar->addAction(spec.captionText);
    } else {
        QMenu *menu = m_menus.value(spec.container);
        if (!menu)
            qFatal("menu item %s names no menu %s", qPrintable(spec.name), qPrintable(spec.container));
        action = spec.kind == Kind::Separator ? menu->addSeparator() : menu->addAction(spec.captionText);
    }
    action->setObjectName(spec.name);
    action->setVisible(spec.isVisible);
    action->setEnabled(spec.isEnabled);
    registerControl(spec, action);
}

void ControlFactory::finish()
{
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
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
    if (m_menus.isEmpty() && m_view->menuWidget() && m_view->menuBar()->actions().isEmpty())
        m_view->setMenuBar(nullptr);
}

} // namespace ui
