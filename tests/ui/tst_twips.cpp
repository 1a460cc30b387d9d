// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestMain.h"
#include "ui/Geometry.h"

#include <QTest>

// Twips and colours are the vocabulary of every window table; a wrong conversion shifts or
// recolours every window at once.
class TwipsTest : public QObject {
    Q_OBJECT
private slots:
    void anInchIsTheLogicalDpi()
    {
        QCOMPARE(ui::twipsToPixels(1440), qRound(ui::logicalDpi()));
        QCOMPARE(ui::twipsToPixels(0), 0);
        QCOMPARE(ui::pixelsToTwips(ui::twipsToPixels(14400)), 14400.0);
    }
    void adjacentRectanglesMeetWithoutGaps()
    {
        // Two controls side by side at odd twips must share their edge after rounding.
        const QRect a = ui::twipsRect(120, 120, 975, 615);
        const QRect b = ui::twipsRect(1095, 120, 975, 615);
        QCOMPARE(a.x() + a.width(), b.x());
    }
    void coloursAreBlueGreenRed()
    {
        QCOMPARE(ui::vbColor(0x0000FFFF), QColor(255, 255, 0)); // yellow
        QCOMPARE(ui::vbColor(0x00FF0000), QColor(0, 0, 255)); // blue
        QCOMPARE(ui::vbColor(0x00FF8080), QColor(128, 128, 255)); // light blue
        QCOMPARE(ui::rgb(255, 128, 0), quint32(0x000080FF));
    }
};

PLAYHAVEN_TEST(TwipsTest)
#include "tst_twips.moc"
