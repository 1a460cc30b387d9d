// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWindow.h"

#include "ui/Accessible.h"
#include "ui/Announce.h"
#include "ui/FormView.h"
#include "ui/KeyboardFocus.h"

#include <QApplication>
#include <QTimer>

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A help text in the language of the run: its window's own context first, then the texts both
// help windows share. Translated, "(click here)" keeps together on the line it wraps to.
help::Translate helpTranslation(const char *context)
{
    return [context](const char *text) {
        QString shown = QCoreApplication::translate(context, text);
        if (shown == QLatin1String(text))
            shown = QCoreApplication::translate(help::sharedContext, text);
        if (text == help::clickHereText && shown != QLatin1String(text))
            shown.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
        return shown.toStdString();
    };
}

} // namespace

HelpWindow::HelpWindow(const QString &name, const help::TopicTable &topics)
    : Form(name)
    , m_topics(topics)
{
}

ui::FormDesign HelpWindow::formDesign() const
{
    // Maximized, because the panels reach beyond the design client area.
    return {
        .caption = tr("Help"), .backColor = lightBlue, .clientWidth = 4680, .clientHeight = 3195, .maximized = true
    };
}

ui::Rows<ui::Label> HelpWindow::topicRows(
    const help::TopicTable &topics, const ui::ControlSlot &contents, const ui::ControlSlot &glossary)
{
    // A topic or term label at Left 120 in its panel, white, in bold Arial.
    ui::Rows<ui::Label> rows;
    const help::Translate translate = helpTranslation(topics.context);
    auto row = [&rows, &translate](
                   const help::Topic &t, const ui::ControlSlot &panel, double width, double height, double points) {
        return label()
            .element(int(rows.size()))
            .named(qs(t.label))
            .in(panel)
            .at(120, t.top, width, height)
            .caption(qs(help::composed(t.caption, translate)), qs(help::composed(t.caption)))
            .back(white)
            .font(arial(points).bold())
            .link();
    };
    for (const help::Topic &t : topics.contents)
        rows << row(t, contents, 3375, 495, 9.75);
    for (const help::Topic &t : topics.glossary)
        rows << row(t, glossary, 3255, 255, 8.25).hidden();
    return rows;
}

void HelpWindow::wire()
{
    // Esc closes the window, as its close box does.
    view()->setEscapeCloses(true);
    // A topic is read by its words, without the padding and "(click here)" its caption is laid
    // out with; its role already says it can be pressed.
    const help::Translate translate = helpTranslation(m_topics.context);
    const auto nameTopic = [&translate](ui::Label *label, const help::Topic &topic) {
        label->setAccessibleName(qs(help::spokenWords(topic.caption, translate)));
        label->setAccessibleDescription(QString());
    };
    for (std::size_t i = 0; i < m_topics.contents.size(); ++i)
        nameTopic(contentsLabel(i), m_topics.contents[i]);
    for (std::size_t i = 0; i < m_topics.glossary.size(); ++i)
        nameTopic(glossaryLabel(i), m_topics.glossary[i]);
    lblExitGlossary()->setAccessibleName(ui::plainCaption(lblExitGlossary()->Caption()).simplified());
    lblExitGlossary()->setAccessibleDescription(QString());
    handle(lblExitGlossary(), &ui::Label::Click, [this] { lblExitGlossary_Click(); });
    for (std::size_t i = 0; i < m_topics.contents.size(); ++i) {
        const help::Topic &t = m_topics.contents[i];
        if (t.label == help::glossaryLabel)
            handle(contentsLabel(i), &ui::Label::Click, [this] { lblGlossary_Click(); });
        else
            handle(contentsLabel(i), &ui::Label::Click, [this, &t] { lblTopic_Click(t); });
    }
    for (std::size_t i = 0; i < m_topics.glossary.size(); ++i)
        handle(glossaryLabel(i), &ui::Label::Click, [this, &t = m_topics.glossary[i]] { lblTopic_Click(t); });
}

void HelpWindow::lblTopic_Click(const help::Topic &topic)
{
    const QString text = qs(help::composed(topic.text, helpTranslation(m_topics.context)));
    lblDefinition()->setCaption(text);
    // The definition is the panel's accessible text, and is said at once.
    const QString said = ui::plainCaption(text).simplified();
    lblDefinition()->setAccessibleName(said);
    ui::announce(said);
}

void HelpWindow::lblGlossary_Click()
{
    setGlossaryShown(true);
}

void HelpWindow::lblExitGlossary_Click()
{
    lblDefinition()->setCaption(QString());
    lblDefinition()->setAccessibleName(tr("Definition text"));
    setGlossaryShown(false);
}

// The control that had the focus when the window opened has it again once the window is gone.
void HelpWindow::Form_Load()
{
    m_opener = ui::focusOutsideMenus();
}

void HelpWindow::Form_Unload(std::int16_t &)
{
    QTimer::singleShot(0, qApp, [opener = m_opener] {
        if (!opener || !opener->isVisible())
            return;
        opener->activateWindow();
        opener->setFocus(Qt::OtherFocusReason);
    });
}

// The terms in the order of the glossary table, then the exit label.
void HelpWindow::setGlossaryShown(bool shown)
{
    for (std::size_t i = 0; i < m_topics.glossary.size(); ++i)
        glossaryLabel(i)->setVisible(shown);
    lblExitGlossary()->setVisible(shown);
}
