// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>

namespace {

// A blue window with a toolbar and a status bar, as the board game has.
class BarsForm : public ui::Form {
    Q_OBJECT
public:
    BarsForm()
        : Form(QStringLiteral("BarsForm"))
    {
    }
    UI_CONTROL(tbrMoves, toolBar().buttons({ { QStringLiteral("a"), QStringLiteral("A"), {} } }));
    UI_CONTROL(sbrMessage,
        statusBar().panels({ { QStringLiteral("msg"), ui::PanelStyle::Text },
            { QStringLiteral("time"), ui::PanelStyle::Time }, { QStringLiteral("date"), ui::PanelStyle::Date } }));

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f;
        f.backColor = blue;
        return f;
    }
};

} // namespace

class BarsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    // The bars keep the system's colours on a coloured window, so their texts stay readable.
    void barsDoNotTakeTheWindowsBackColour()
    {
        BarsForm &f = ui::form<BarsForm>();
        f.show();
        const QColor system = QApplication::palette().color(QPalette::Window);
        QVERIFY(system != QColor(0, 0, 255));
        QCOMPARE(f.sbrMessage()->palette().color(QPalette::Window), system);
        QCOMPARE(f.tbrMoves()->palette().color(QPalette::Window), system);
        QCOMPARE(f.sbrMessage()->panel(0)->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));
    }

    // The tool bar grows with the windows: one that grew less than the scale would leave a gap
    // between it and the controls the design places just below it, one that grew more would
    // cover them. The status bar grows with its text.
    void barsGrowWithTheScale()
    {
        const auto heights = [this](double scale) {
            fx.restart();
            ui::useDisplayScale(scale);
            BarsForm &f = ui::form<BarsForm>();
            f.show();
            return QSize(f.tbrMoves()->height(), f.sbrMessage()->height());
        };
        const auto restore = qScopeGuard([] { ui::useDisplayScale(1.0); });
        const QSize one = heights(1.0);
        for (const double scale : { 1.75, 2.25 }) {
            const QSize larger = heights(scale);
            QVERIFY2(std::abs(larger.width() - one.width() * scale) <= 1, qPrintable(QString::number(scale)));
            QVERIFY2(larger.height() > one.height() * (scale - 0.5), qPrintable(QString::number(scale)));
        }
    }

    // The time panel shows hours and minutes in the user's own order and separators.
    void theTimeOfDayDropsOnlyTheSeconds_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("technical") << "HH:mm:ss"
                                   << "HH:mm";
        QTest::newRow("12-hour") << "h:mm:ss AP"
                                 << "h:mm AP";
        QTest::newRow("dots") << "H.mm.ss"
                              << "H.mm";
        QTest::newRow("no seconds") << "h:mm AP"
                                    << "h:mm AP";
        QTest::newRow("zone after") << "HH:mm:ss t"
                                    << "HH:mm t";
        QTest::newRow("quoted s kept") << "H 'os' mm:ss"
                                       << "H 'os' mm";
        QTest::newRow("single s") << "H:mm:s"
                                  << "H:mm";
    }
    void theTimeOfDayDropsOnlyTheSeconds()
    {
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QCOMPARE(ui::timeOfDayFormat(format), shown);
    }

    // The time and date panels show the clock, and the window wakes for them only when the
    // shown text can change, at the turn of the minute; an unchanged clock repaints nothing.
    void theClockShowsTheTimeAndWakesAtTheMinute_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    }
    void theClockShowsTheTimeAndWakesAtTheMinute()
    {
        QFETCH(QLocale, locale);
        const QLocale saved;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });

        BarsForm &f = ui::form<BarsForm>();
        f.show();
        ui::StatusBar *bar = f.sbrMessage();
        for (int attempt = 0;; ++attempt) {
            const QDateTime before = QDateTime::currentDateTime();
            bar->refreshClock();
            const QString time = bar->panelText(QStringLiteral("time"));
            const QString date = bar->panelText(QStringLiteral("date"));
            const int wait = bar->msUntilClockRefresh();
            const QDateTime after = QDateTime::currentDateTime();
            if (before.time().minute() != after.time().minute() && attempt < 3)
                continue; // the minute turned while we looked
            const QString hoursAndMinutes = ui::timeOfDayFormat(locale.timeFormat(QLocale::ShortFormat));
            QCOMPARE(time, locale.toString(before.time(), hoursAndMinutes));
            QVERIFY(!time.isEmpty());
            QCOMPARE(date, locale.toString(before.date(), QLocale::ShortFormat));
            const qint64 toNextMinute = 60000 - (before.time().second() * 1000 + before.time().msec());
            QVERIFY2(wait >= toNextMinute - 100 && wait <= toNextMinute + 100,
                qPrintable(QStringLiteral("wakes in %1 ms, the minute turns in %2 ms").arg(wait).arg(toNextMinute)));
            break;
        }

        // The panel is as wide as the widest time it can show.
        QLabel *timePanel = bar->panel(1);
        const QString shown = timePanel->text();
        const int width = timePanel->width();
        for (const QTime t : { QTime(0, 0), QTime(12, 58), QTime(23, 59), QTime(8, 8) }) {
            timePanel->setText(locale.toString(t, ui::timeOfDayFormat(locale.timeFormat(QLocale::ShortFormat))));
            QVERIFY2(timePanel->sizeHint().width() <= width, qPrintable(timePanel->text()));
        }
        timePanel->setText(shown);

        int paints = 0;
        struct Counter : QObject {
            int *n;
            explicit Counter(int *c)
                : n(c)
            {
            }
            bool eventFilter(QObject *, QEvent *e) override
            {
                *n += e->type() == QEvent::Paint;
                return false;
            }
        } counter(&paints);
        timePanel->installEventFilter(&counter);
        for (int quiet = 0; quiet < 20; ++quiet) { // let the window finish its own paints
            paints = 0;
            QTest::qWait(50);
            if (paints == 0)
                break;
        }
        const QString before = timePanel->text();
        bar->refreshClock();
        QTest::qWait(50);
        if (timePanel->text() == before) // unless the minute turned just now
            QCOMPARE(paints, 0);
        f.unload();
    }
};

PLAYHAVEN_TEST(BarsTest)
#include "tst_bars.moc"
