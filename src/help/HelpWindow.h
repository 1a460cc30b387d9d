#pragma once
#include "help/HelpTopics.h"
#include "ui/Controls.h"
#include "ui/Form.h"

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
    UI_OLD_CONTROL(ui::Frame, fraContents)
    UI_OLD_CONTROL(ui::Frame, fraGlossary)
    UI_OLD_CONTROL(ui::Frame, fraDefinition)
    UI_OLD_CONTROL(ui::Label, lblDefinition)
    UI_OLD_CONTROL(ui::Label, lblExitGlossary)
    // A contents topic or glossary term label by its name, e.g. topicLabel("lblRules").
    ui::Label *topicLabel(const QString &name) { return control<ui::Label>(name); }
    const help::TopicTable &topics() const { return m_topics; }

    // The Click handler of every topic label but "Glossary", contents topic or glossary term
    // alike (lblObj_Click, lblRules_Click, lbl_bButton_Click, ...): the definition panel shows
    // the topic's text; nothing else changes.
    void lblTopic_Click(const help::Topic &topic);
    void lblGlossary_Click();
    void lblExitGlossary_Click();

protected:
    HelpWindow(const QString &name, const help::TopicTable &topics);
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;

private:
    void setGlossaryShown(bool shown);
    const help::TopicTable &m_topics;
};
