// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWindow.h"

#include <QCoreApplication>

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
    lblDefinition()->setCaption(qs(help::composed(topic.text, helpTranslation(m_topics.context))));
}

void HelpWindow::lblGlossary_Click()
{
    setGlossaryShown(true);
}

void HelpWindow::lblExitGlossary_Click()
{
    lblDefinition()->setCaption(QString());
    setGlossaryShown(false);
}

// The terms in the order of the glossary table, then the exit label.
void HelpWindow::setGlossaryShown(bool shown)
{
    for (std::size_t i = 0; i < m_topics.glossary.size(); ++i)
        glossaryLabel(i)->setVisible(shown);
    lblExitGlossary()->setVisible(shown);
}
