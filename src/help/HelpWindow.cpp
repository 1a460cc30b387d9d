#include "help/HelpWindow.h"

namespace {

constexpr quint32 white = 0x00FFFFFF;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A topic or term label at Left 120 in its panel, white, in bold Arial.
ui::ControlDesign topicRow(const help::Topic &t, const QString &panel, double width, double height, double points)
{
    return ui::label(qs(t.label))
        .in(panel)
        .at(120, t.top, width, height)
        .caption(qs(t.caption))
        .back(white)
        .font(ui::arial(points).bold())
        .link();
}

} // namespace

HelpWindow::HelpWindow(const QString &name, const help::TopicTable &topics)
    : Form(name)
    , m_topics(topics)
{
}

ui::FormDesign HelpWindow::formDesign() const
{
    ui::FormDesign f;
    f.caption = QStringLiteral("Help");
    f.backColor = 0x00FF8080;
    f.clientWidth = 4680;
    f.clientHeight = 3195;
    f.maximized = true; // the panels reach beyond the design client area
    return f;
}

QList<ui::ControlDesign> HelpWindow::controls() const
{
    using namespace ui;
    QList<ControlDesign> c {
        frame("fraContents").at(360, 240, 3615, 6855).back(white).accessibleName("Contents"),
        frame("fraGlossary").at(3960, 240, 3495, 6855).back(white).accessibleName("Glossary"),
        frame("fraDefinition").at(7440, 240, 3975, 6855).back(white).accessibleName("Definition"),
        label("lblDefinition").in("fraDefinition").accessibleName("Definition text").at(120, 120, 3735, 6735).back(white).font(arial(9.75).bold()),
        label("lblExitGlossary")
            .at(3960, 7080, 3495, 255)
            .caption(QStringLiteral("     (click here to exit the glossary)"))
            .link()
            .back(white)
            .font(arial(9.75).bold())
            .hidden(),
    };
    for (const help::Topic &t : m_topics.contents)
        c << topicRow(t, QStringLiteral("fraContents"), 3375, 495, 9.75);
    for (const help::Topic &t : m_topics.glossary)
        c << topicRow(t, QStringLiteral("fraGlossary"), 3255, 255, 8.25).hidden();
    return c;
}

void HelpWindow::wire()
{
    handle(lblExitGlossary(), &ui::Label::Click, [this] { lblExitGlossary_Click(); });
    for (const help::Topic &t : m_topics.contents) {
        if (t.label == help::glossaryLabel)
            handle(topicLabel(qs(t.label)), &ui::Label::Click, [this] { lblGlossary_Click(); });
        else
            handle(topicLabel(qs(t.label)), &ui::Label::Click, [this, &t] { lblTopic_Click(t); });
    }
    for (const help::Topic &t : m_topics.glossary)
        handle(topicLabel(qs(t.label)), &ui::Label::Click, [this, &t] { lblTopic_Click(t); });
}

void HelpWindow::lblTopic_Click(const help::Topic &topic)
{
    lblDefinition()->setCaption(qs(topic.text));
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
    for (const help::Topic &t : m_topics.glossary)
        topicLabel(qs(t.label))->setVisible(shown);
    lblExitGlossary()->setVisible(shown);
}
