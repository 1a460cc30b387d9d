// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "help/HelpTopics.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QPointer>

// The help window of a game: three white panels on a light blue window, the contents topics on
// the left, the glossary terms in the middle (hidden until "Glossary" is clicked) and the
// definition panel on the right, which shows the text of the last topic or term clicked. The
// labels and texts come from the game's topic table; each label is named as in the table.
//
// The window reads and writes no game state. Closing it unloads it, so that its next opening
// starts again with the glossary hidden and the definition empty.
class HelpWindow : public ui::Form {
    Q_OBJECT
public:
    const help::TopicTable &topics() const { return m_topics; }
    // The label of contents topic i, and of glossary term i.
    ui::Label *contentsLabel(std::size_t i) { return topicLabels(int(i)); }
    ui::Label *glossaryLabel(std::size_t i) { return topicLabels(int(m_topics.contents.size() + i)); }

private:
    // Before the controls: the topic labels' rows are made from it.
    const help::TopicTable &m_topics;
    static ui::Rows<ui::Label> topicRows(
        const help::TopicTable &topics, const ui::ControlSlot &contents, const ui::ControlSlot &glossary);

public:
    // clang-format off
    UI_CONTROL(fraContents, frame().at(360, 240, 3615, 6855).back(white).accessibleName("Contents"));
    UI_CONTROL(fraGlossary, frame().at(3960, 240, 3495, 6855).back(white).accessibleName("Glossary"));
    UI_CONTROL(fraDefinition, frame().at(7440, 240, 3975, 6855).back(white).accessibleName("Definition"));
    UI_CONTROL(lblDefinition, label().in(fraDefinition).accessibleName("Definition text").at(120, 120, 3735, 6735).back(white).font(arial(9.75).bold()));
    UI_CONTROL(lblExitGlossary, label().at(3960, 7080, 3495, 255).caption("     (click here to exit the glossary)").link().back(white).font(arial(9.75).bold()).hidden());
    // The contents topics, then the glossary terms, indexed in that order and each named as in
    // the table (lblRules, lbl_bButton, ...).
    UI_CONTROL(topicLabels, topicRows(m_topics, fraContents, fraGlossary));
    // clang-format on

    // The Click handler of every topic label but "Glossary", contents topic or glossary term
    // alike (lblObj_Click, lblRules_Click, lbl_bButton_Click, ...): the definition panel shows
    // the topic's text; nothing else changes.
    void lblTopic_Click(const help::Topic &topic);
    void lblGlossary_Click();
    void lblExitGlossary_Click();

protected:
    HelpWindow(const QString &name, const help::TopicTable &topics);
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void setGlossaryShown(bool shown);
    QPointer<QWidget> m_opener;
};
