// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include "ui/DesignExtent.h"
#include "ui/FormView.h"
#include "ui/Geometry.h"
#include "ui/Timer.h"
#include "ui/ViewBuilder.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>

namespace ui {

Form::Form(const QString &name)
{
    setObjectName(name);
}

Form::~Form()
{
    // The declared controls were members of the window's own class and are gone already.
    m_slots.clear();
    discardView();
}

bool Form::stillLoaded() const
{
    return !Lifecycle::instance().ended() && isLoaded();
}

bool Form::isVisible() const
{
    return m_view && m_view->isVisible();
}

void Form::load()
{
    if (m_view || m_loading || Lifecycle::instance().ended())
        return;
    m_loading = true;
    buildView();
    m_loading = false;
    Lifecycle::instance().formLoaded(this);
    HandlerScope scope;
    Form_Load();
}

FormView *Form::view()
{
    if (!m_view)
        load();
    if (!m_view)
        qFatal("window %s could not be loaded", qPrintable(name()));
    return m_view;
}

void Form::buildView()
{
    const FormDesign design = formDesign();
    auto *v = new FormView(this, design.controlBox);
    v->setObjectName(name());
    v->takeDesign(design);
    m_view = v;
    connect(v, &FormView::closeRequested, this, &Form::closeRequested);
    // Controls are built in declaration order, so a container comes before what lies in it.
    ViewBuilder builder(v);
    for (ControlSlot *slot : m_slots) {
        for (const ControlDesign &row : slot->rows())
            slot->attach(row.index, builder.build(row));
    }
    builder.finish();
    v->sizeToDesign(design);
    wire();
}

void Form::placeOnScreen()
{
    const FormDesign design = formDesign();
    m_view->placement().placeOnFirstShow(design.maximized, design.centred);
}

void Form::show()
{
    view();
    if (!m_view || Lifecycle::instance().ended())
        return;
    if (!m_view->isVisible()) {
        m_view->setWindowModality(Qt::NonModal);
        placeOnScreen();
        m_view->show();
        m_view->placement().learnFrameOnceMapped();
    }
    raiseAndActivate();
    Lifecycle::instance().formShown(this);
}

void Form::raiseAndActivate()
{
    // The offscreen platform (tests) cannot raise a window and says so on every call.
    static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (canRaise)
        m_view->raise();
    m_view->activateWindow();
}

bool Form::showModal()
{
    view();
    if (!m_view || Lifecycle::instance().ended())
        return false;
    if (m_view->isVisible())
        m_view->hide();
    m_view->setWindowModality(Qt::ApplicationModal);
    placeOnScreen();
    m_view->show();
    m_view->placement().learnFrameOnceMapped();
    raiseAndActivate();
    Lifecycle::instance().formShown(this);
    if (isVisible() && !Lifecycle::instance().ended()) {
        QEventLoop loop;
        m_modalWaits.append(&loop);
        loop.exec(QEventLoop::DialogExec);
        m_modalWaits.removeAll(&loop);
    }
    return !Lifecycle::instance().ended();
}

void Form::abandonModalWaits()
{
    for (QEventLoop *loop : std::as_const(m_modalWaits))
        loop->exit();
}

void Form::hide()
{
    if (!m_view || Lifecycle::instance().ended())
        return;
    m_view->hide();
    m_view->setWindowModality(Qt::NonModal);
    abandonModalWaits();
    Lifecycle::instance().formHidden(this);
    Lifecycle::instance().releaseWhenIdle(m_view);
}

void Form::unload()
{
    if (!m_view || m_unloading || m_loading || Lifecycle::instance().ended())
        return;
    m_unloading = true;
    {
        HandlerScope scope;
        std::int16_t cancel = 0;
        Form_Unload(cancel);
        if (Lifecycle::instance().ended())
            return;
        if (cancel != 0) {
            m_unloading = false;
            return;
        }
    }
    FormView *dead = m_view;
    m_view = nullptr;
    for (ControlSlot *slot : m_slots) {
        for (QObject *c : slot->m_built) {
            if (auto *t = qobject_cast<Timer *>(c))
                t->setEnabled(false);
        }
    }
    forgetControls();
    if (dead) {
        dead->hide();
        dead->setWindowModality(Qt::NonModal);
    }
    abandonModalWaits();
    m_unloading = false;
    Lifecycle::instance().formUnloaded(this);
    Lifecycle::instance().bury(dead);
}

void Form::discardView()
{
    abandonModalWaits();
    delete m_view.data();
    m_view = nullptr;
    forgetControls();
}

void Form::forgetControls()
{
    for (ControlSlot *slot : m_slots)
        slot->detach();
}

void Form::closeRequested()
{
    if (Lifecycle::instance().ended())
        return;
    HandlerScope scope;
    unload();
}

void Form::activated()
{
    if (m_view)
        Form_Activate();
}

double Form::Left() const
{
    return m_view ? pixelsToTwips(m_view->frameGeometry().x()) : 0;
}

double Form::Top() const
{
    return m_view ? pixelsToTwips(m_view->frameGeometry().y()) : 0;
}

double Form::Width() const
{
    return m_view ? pixelsToTwips(m_view->frameGeometry().width()) : 0;
}

double Form::Height() const
{
    return m_view ? pixelsToTwips(m_view->frameGeometry().height()) : 0;
}

void Form::setTop(double twips)
{
    FormView *v = view();
    v->placement().moved();
    v->move(v->frameGeometry().x(), twipsToPixels(twips));
}

void Form::setLeft(double twips)
{
    FormView *v = view();
    v->placement().moved();
    v->move(twipsToPixels(twips), v->frameGeometry().y());
}

QString Form::Caption() const
{
    return m_view ? m_view->windowTitle() : formDesign().caption;
}

void Form::setCaption(const QString &caption)
{
    view()->setWindowTitle(caption);
}

quint32 Form::BackColor() const
{
    return m_view ? ui::backColor(m_view->client()) : formDesign().backColor;
}

void Form::setBackColor(quint32 bgr)
{
    ui::setBackColor(view()->client(), bgr);
}

QSizeF Form::designExtent() const
{
    return ui::designExtent(formDesign(), m_slots);
}

void Form::PSet(double x, double y, quint32 bgr)
{
    view()->client()->setDot(designPixelRect(x, y), vbColor(bgr));
}

void Form::repeatBackground(double width, double height)
{
    view()->client()->setBackgroundTile(twipsRect(0, 0, width, height).size());
}

void Form::PopupMenu(QAction *topMenu)
{
    if (QMenu *m = topMenu ? topMenu->menu() : nullptr) {
        HandlerScope scope;
        m->exec(QCursor::pos());
    }
}

} // namespace ui
