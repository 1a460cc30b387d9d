// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Application.h"
#include "ui/Geometry.h"
#include "ui/Pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QImageReader>
#include <QTest>

using ui::form;

// At a display scale other than 1 the whole design grows alike: a control left at its design
// size, a font that keeps its points or a picture stretched from a small bitmap would break the
// proportions a child sees.
class DisplayScaleTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    // Every control of the probe window by name, with its geometry and font size, at `scale`.
    struct Built {
        QHash<QString, QRect> geometry;
        QHash<QString, double> points;
        double applicationPoints = 0; // message boxes, menus and bars
        QStringList misplacedForAssistiveTechnology;
    };
    Built buildAt(double scale)
    {
        fx.restart();
        ui::useDisplayScale(scale);
        ProbeForm &f = form<ProbeForm>();
        f.show();
        Built built;
        built.applicationPoints = QApplication::font().pointSizeF();
        for (QWidget *w : f.view()->client()->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || !w->isVisible())
                continue;
            built.geometry.insert(w->objectName(), w->geometry());
            built.points.insert(w->objectName(), w->font().pointSizeF());
            // Assistive technology finds each control where it is drawn (an option button gives the part
            // that takes a click).
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            if (a && (a->rect().isEmpty() || !QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).contains(a->rect())))
                built.misplacedForAssistiveTechnology << w->objectName();
        }
        return built;
    }

private slots:
    void cleanup() { ui::useDisplayScale(1.0); }

    void everyControlGrowsWithTheScale()
    {
        const Built one = buildAt(1.0);
        const Built larger = buildAt(1.5);
        QVERIFY(one.geometry.size() >= 8);
        QCOMPARE(larger.applicationPoints, one.applicationPoints * 1.5);
        QVERIFY2(larger.misplacedForAssistiveTechnology.isEmpty(),
            qPrintable(larger.misplacedForAssistiveTechnology.join(", ")));
        QCOMPARE(larger.geometry.keys().size(), one.geometry.keys().size());
        for (auto it = one.geometry.cbegin(); it != one.geometry.cend(); ++it) {
            const QRect a = it.value(), b = larger.geometry.value(it.key());
            const QString where = it.key();
            // Rounding to whole pixels moves an edge by at most one.
            QVERIFY2(std::abs(b.x() - a.x() * 1.5) <= 1 && std::abs(b.y() - a.y() * 1.5) <= 1, qPrintable(where));
            QVERIFY2(std::abs(b.width() - a.width() * 1.5) <= 1 && std::abs(b.height() - a.height() * 1.5) <= 1,
                qPrintable(where));
            QCOMPARE(larger.points.value(it.key()), one.points.value(it.key()) * 1.5);
        }
    }

    void picturesAreDrawnFromTheirVectorsAtTheSizeShown()
    {
        buildAt(1.5);
        const QPixmap icon = form<ProbeForm>().imgMarker(0)->DragIcon();
        QCOMPARE(icon.deviceIndependentSize(), QSizeF(48, 48)); // a 32-pixel icon at 1.5
        QVERIFY(!ui::vectorSourceOf(":/icons/bicycle32.png").isEmpty());
        QCOMPARE(icon.toImage(), ui::pictureAt(":/icons/bicycle32.png", QSize(48, 48)).toImage());
    }

    // The spinner picture is an animation: every frame is drawn, whether at the animation's own
    // size (its bitmap frame) or at another (the frame's own drawing), and the frames differ. A
    // frame read by jumping straight to it comes out empty, and a blank frame makes the picture
    // blink.
    void everyFrameOfAnAnimationIsDrawnAtEverySize()
    {
        const QString path = QStringLiteral(":/pictures/spinner.gif");
        const QSize own = QImageReader(path).size();
        QVERIFY(own.isValid());
        for (const QSize size : { own, QSize(121, 159), QSize(272, 358) }) {
            QList<QImage> frames;
            for (int frame = 0; frame < 8; ++frame) {
                const QImage shown = ui::pictureAt(path, size, frame).toImage();
                const QByteArray where = QByteArray::number(size.width()) + " frame " + QByteArray::number(frame);
                QVERIFY2(shown.size() == size, where);
                int drawn = 0;
                for (int y = 0; y < shown.height(); y += 3)
                    for (int x = 0; x < shown.width(); x += 3)
                        drawn += qAlpha(shown.pixel(x, y)) > 0 ? 1 : 0;
                QVERIFY2(drawn > shown.width() * shown.height() / 90, where); // a tenth of the samples
                frames << shown;
            }
            QVERIFY(frames[0] != frames[1] && frames[1] != frames[7]);
        }
    }

    // Each point is a square as wide as a design pixel at the scale, so a star looks the same
    // wherever it falls, and a row of points still has no gap.
    void theBackgroundsPointsAreSquaresOfOneDesignPixel()
    {
        buildAt(1.75);
        ProbeForm &f = form<ProbeForm>();
        const double pixel = 1440.0 / ui::logicalDpi(); // one design pixel, in twips
        for (int i = 0; i < 20; ++i)
            f.PSet((10 + i) * pixel, 10 * pixel, ui::Colours::yellow);
        f.PSet(40 * pixel, 40 * pixel, ui::Colours::yellow);
        // The row starts at design pixel 10, screen pixel 17 (17.5 rounded down), and its last
        // point at 50 (50.75) is 2 pixels wide: 17 to 51, on two rows.
        const QImage &bg = f.view()->client()->background();
        const QColor yellow(255, 255, 0);
        for (int y : { 17, 18 }) {
            int covered = 0;
            for (int x = 0; x < bg.width(); ++x)
                covered += bg.pixelColor(x, y) == yellow ? 1 : 0;
            QCOMPARE(covered, 35);
            QCOMPARE(bg.pixelColor(17, y), yellow);
            QCOMPARE(bg.pixelColor(51, y), yellow);
        }
        QVERIFY(bg.pixelColor(17, 19) != yellow);
        // The lone point at design pixel (40, 40): screen pixels 70 and 71 both ways.
        int lone = 0;
        for (int y = 66; y < 76; ++y)
            for (int x = 66; x < 76; ++x)
                lone += bg.pixelColor(x, y) == yellow ? 1 : 0;
        QCOMPARE(lone, 4);
        QCOMPARE(bg.pixelColor(71, 71), yellow);
    }
};

PLAYHAVEN_TEST(DisplayScaleTest)
#include "tst_display_scale.moc"
