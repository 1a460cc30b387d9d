// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include "ui/FormView.h"
#include "ui/Geometry.h"
#include "ui/Timer.h"
#include "ui/ViewBuilder.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

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
    v->setAttribute(Qt::WA_QuitOnClose, false);
    Qt::WindowFlags flags = Qt::Window;
    switch (design.border) {
    case Border::Sizable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
        break;
    case Border::Fixed:
    case Border::FixedDialog:
        flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint;
        break;
    case Border::None:
        flags |= Qt::FramelessWindowHint;
        break;
    }
    if (design.border != Border::None) {
        if (design.controlBox)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        else if (design.caption.isEmpty())
            flags = Qt::Window | Qt::FramelessWindowHint; // no caption and no control box: no title bar
    }
    v->setWindowFlags(flags);
    v->setWindowTitle(design.caption);
    v->setFullScreenToggle(design.maximized);
    v->setEscapeCloses((design.border == Border::Fixed || design.border == Border::FixedDialog) && design.controlBox);
    ui::setBackColor(v->client(), design.backColor);

    m_view = v;
    connect(v, &FormView::closeRequested, this, &Form::closeRequested);
    // Controls are built in declaration order, so a container comes before what lies in it.
    ViewBuilder builder(v);
    for (ControlSlot *slot : m_slots) {
        for (const ControlDesign &row : slot->rows())
            slot->attach(row.index, builder.build(row));
    }
    builder.finish();

    // A fixed frame without a title bar still shows a border; the window draws it itself.
    const bool ownBorder = !design.controlBox && design.caption.isEmpty()
        && (design.border == Border::Fixed || design.border == Border::FixedDialog);
    if (ownBorder)
        v->setDialogFrame(scaledPixels(design.border == Border::FixedDialog ? 4 : 1));
    const int frame = 2 * v->dialogFrame();
    const QSize client(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    v->client()->setMinimumSize(0, 0);
    const int menuHeight = v->menuWidget() ? v->menuWidget()->sizeHint().height() : 0;
    v->resize(client.width() + frame, client.height() + menuHeight + frame);
    if (v->layout())
        v->layout()->activate();
    if (design.border == Border::Fixed || design.border == Border::FixedDialog
        || (!design.controlBox && design.caption.isEmpty()))
        v->setFixedSize(client.width() + frame, client.height() + menuHeight + frame);
    m_placed = false;
    wire();
}

void Form::placeOnScreen()
{
    if (m_placed || !m_view)
        return;
    m_placed = true;
    m_centredAt = QPoint();
    const FormDesign design = formDesign();
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (design.maximized) {
        // Without a window manager a maximize request is not honoured: take the whole area anyway.
        m_view->setGeometry(avail);
        m_view->setWindowState(m_view->windowState() | Qt::WindowMaximized);
    } else if (design.centred) {
        m_view->move(centredFramePosition(avail));
        m_centredAt = m_view->pos();
    }
}

QPoint Form::centredFramePosition(const QRect &area) const
{
    // Before the window is mapped the toolkit knows only its client area; the frame the window
    // manager will add is the one it gave the first titled window.
    QSize whole = m_view->size();
    if (!(m_view->windowFlags() & Qt::FramelessWindowHint)) {
        const QMargins frame = learntFrame();
        whole += QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    whole = whole.expandedTo(m_view->frameGeometry().size());
    return { area.x() + (area.width() - whole.width()) / 2, area.y() + (area.height() - whole.height()) / 2 };
}

QMargins &Form::learntFrame()
{
    static QMargins frame;
    return frame;
}

void Form::learnFrameOnceMapped()
{
    // A window manager reports its frame (_NET_FRAME_EXTENTS) a moment after mapping; without
    // one (a bare X server) nothing ever comes, and the window stays where it was put.
    static bool learnt = false;
    static const bool platformHasFrames = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (learnt || !platformHasFrames || !m_view || (m_view->windowFlags() & Qt::FramelessWindowHint))
        return;
    auto *poll = new QTimer(m_view);
    poll->setInterval(20);
    connect(poll, &QTimer::timeout, poll, [this, poll, view = m_view.data(), tries = 0]() mutable {
        QWindow *window = view->windowHandle();
        const QMargins frame = window ? window->frameMargins() : QMargins();
        if (learnt || !frame.isNull() || ++tries > 100 || !view->isVisible()) {
            poll->deleteLater();
            if (learnt || frame.isNull())
                return;
            learnt = true;
            learntFrame() = frame;
            // Put once where it belongs, unless it was moved meanwhile (by code or by the user).
            if (!m_centredAt.isNull() && view->pos() == m_centredAt && m_view == view) {
                QScreen *screen = view->screen() ? view->screen() : QGuiApplication::primaryScreen();
                if (screen) {
                    view->move(centredFramePosition(screen->availableGeometry()));
                    m_centredAt = view->pos();
                }
            }
        }
    });
    poll->start();
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
        learnFrameOnceMapped();
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
    learnFrameOnceMapped();
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
    m_placed = true;
    v->move(v->frameGeometry().x(), twipsToPixels(twips));
}

void Form::setLeft(double twips)
{
    FormView *v = view();
    m_placed = true;
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
    const FormDesign design = formDesign();
    double right = design.clientWidth, bottom = design.clientHeight;
    bool menus = false, toolBar = false, statusBar = false;
    for (const ControlSlot *slot : m_slots) {
        for (const ControlDesign &row : slot->rows()) {
            const bool onWindow = !row.containerSlot;
            switch (row.extent) {
            case Extent::Box:
                if (onWindow) {
                    right = std::max(right, row.left + row.width);
                    bottom = std::max(bottom, row.top + row.height);
                }
                break;
            case Extent::Ends: // a line's two ends
                if (onWindow) {
                    right = std::max({ right, row.left, row.width });
                    bottom = std::max({ bottom, row.top, row.height });
                }
                break;
            case Extent::MenuBar:
                menus = true;
                break;
            case Extent::ToolBar:
                toolBar = true;
                break;
            case Extent::StatusBar:
                statusBar = true;
                break;
            case Extent::None:
                break;
            }
        }
    }
    // The bars at scale 1 as the style draws them: a line of the application's text with its
    // margins, and the tool bar's 16-pixel icons with theirs.
    const int line = QFontMetrics(QApplication::font()).height();
    const double bars = (menus ? line + 10 : 0) + (toolBar ? 16 + 14 : 0) + (statusBar ? line + 10 : 0);
    return { designPixelsOf(right), designPixelsOf(bottom) + bars };
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
