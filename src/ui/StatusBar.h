// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QLabel>
#include <QTimer>

namespace ui {

// The time of day as a status-bar clock shows it: the given time format (a locale's short one)
// in hours and minutes, without seconds, in the locale's own order and separators.
QString timeOfDayFormat(const QString &format);

// A status bar along the bottom edge with panels known by key: text panels carry messages,
// a time panel shows the time of day and a date panel the date.
class StatusBar : public QWidget, public ControlBase {
    Q_OBJECT
public:
    static constexpr Extent extent = Extent::StatusBar;
    static StatusBar *create(BuildContext &context, const ControlDesign &row);
    explicit StatusBar(QWidget *parent = nullptr);
    void setPanels(const QList<PanelDesign> &panels);
    QString panelText(const QString &key) const;
    void setPanelText(const QString &key, const QString &text);
    QLabel *panel(int index) const;
    int panelCount() const { return int(m_panels.size()); }
    // Brings the time and date panels up to date (the bar does it by itself as the clock runs).
    void refreshClock();
    // How long until the time and date panels are next brought up to date, in ms.
    int msUntilClockRefresh() const { return m_clock.remainingTime(); }

protected:
    void changeEvent(QEvent *e) override;

private:
    void fitClockPanels();
    struct Panel {
        PanelDesign design;
        QLabel *label;
    };
    QList<Panel> m_panels;
    QTimer m_clock;
};

} // namespace ui
