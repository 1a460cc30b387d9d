// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/IconFile.h"
#include "shell/frmLogon.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using ui::form;

namespace {

QByteArray resourceBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray encoded(QColor color, int side, const char *format)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? bytes : QByteArray();
}

// An icon file of one 32 x 32 picture of one colour.
QByteArray iconOf(QColor color)
{
    return encoded(color, 32, "ico");
}

// An icon file of a green 32 x 32 and a blue 64 x 64 picture, both stored as PNG.
QByteArray iconOfTwoSizes()
{
    const QByteArray small = encoded(Qt::green, 32, "png"), large = encoded(Qt::blue, 64, "png");
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(2);
    out << quint8(64) << quint8(64) << quint8(0) << quint8(0) << quint16(1) << quint16(32);
    out << quint32(large.size()) << quint32(6 + 2 * 16);
    out << quint8(32) << quint8(32) << quint8(0) << quint8(0) << quint16(1) << quint16(32);
    out << quint32(small.size()) << quint32(6 + 2 * 16 + large.size());
    return bytes + large + small;
}

// An icon file whose one picture, stored as PNG, is far larger than any icon.
QByteArray iconWithHugePicture()
{
    const QByteArray png = encoded(Qt::red, 1000, "png");
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1); // an icon of one picture
    out << quint8(0) << quint8(0) << quint8(0) << quint8(0) << quint16(1) << quint16(32); // "256 x 256"
    out << quint32(png.size()) << quint32(22);
    return bytes + png;
}

// An icon file whose one picture claims 30000 x 30000 pixels in its bitmap header and holds none.
QByteArray iconClaimingAHugeBitmap()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(0) << quint8(0) << quint8(0) << quint8(0) << quint16(1) << quint16(32);
    out << quint32(40) << quint32(22);
    // The bitmap header: its height counts the picture and its mask.
    out << quint32(40) << qint32(30000) << qint32(60000) << quint16(1) << quint16(32);
    out << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    return bytes;
}

// The header of an icon file that claims the given number of pictures and lists none.
QByteArray iconHeaderOnly(quint16 count)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << count;
    return bytes;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

// The logo of the logon dialog, loaded from an icon file when clicked: only a whole, readable
// icon replaces the picture; anything else leaves it as it was, silently.
class LogonLogoTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;
    QTemporaryDir dir;

private slots:
    void init() { fx.restart(); }

    void aBadFileLeavesThePictureSilently_data()
    {
        const QByteArray face = resourceBytes(":/icons/face.ico");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << "missing" << QByteArray();
        QTest::newRow("a folder in its place") << "folder" << QByteArray();
        QTest::newRow("empty") << "file" << QByteArray();
        QTest::newRow("text") << "file" << QByteArray("not an icon\n");
        QTest::newRow("a picture of another kind") << "file" << resourceBytes(":/icons/face32.png");
        QTest::newRow("garbage after a good directory") << "file" << face.left(38) + QByteArray(face.size() - 38, 'Z');
        QTest::newRow("cut in its directory") << "file" << face.left(30);
        QTest::newRow("cut in its first picture") << "file" << face.left(600);
        QTest::newRow("cut by one byte") << "file" << face.left(face.size() - 1);
        QTest::newRow("over the size limit") << "file" << face + QByteArray(maxIconFileBytes, '\0');
        QTest::newRow("a picture larger than an icon") << "file" << iconWithHugePicture();
        QTest::newRow("a picture claiming a huge size") << "file" << iconClaimingAHugeBitmap();
        QTest::newRow("no pictures") << "file" << iconHeaderOnly(0);
        QTest::newRow("more pictures claimed than listed") << "file" << iconHeaderOnly(65535);
        QTest::newRow("one byte over the size limit")
            << "file" << face + QByteArray(maxIconFileBytes + 1 - face.size(), '\0');
        // Opening a pipe with no writer, or reading an endless device, must not hang the dialog.
        QTest::newRow("a pipe in its place") << "fifo" << QByteArray();
        QTest::newRow("a link to an endless device") << "link" << QByteArray("/dev/zero");
        QTest::newRow("a link to nowhere") << "link" << QByteArray("/nonexistent/face.ico");
    }
    void aBadFileLeavesThePictureSilently()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        const QString path = dir.filePath(QTest::currentDataTag());
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkpath(QTest::currentDataTag()));
        else if (kind == "file")
            QVERIFY(write(path, bytes));
        else if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "link")
            QVERIFY(QFile::link(QString::fromUtf8(bytes), path));
        frmLogon &d = form<frmLogon>();
        d.show();
        // A picture unlike every bad file's, which must stay.
        const QString green = dir.filePath("green.ico");
        QVERIFY(write(green, iconOf(Qt::green)));
        d.setLogoPath(green);
        QTest::mouseClick(d.imgLogo(), Qt::LeftButton);
        const QImage before = d.imgLogo()->Picture().toImage();
        QCOMPARE(before.pixelColor(16, 16), QColor(Qt::green));
        d.setLogoPath(path);
        QTest::mouseClick(d.imgLogo(), Qt::LeftButton);
        QCOMPARE(d.imgLogo()->Picture().toImage(), before);
        QVERIFY(fx.dialogs.shown.isEmpty());
        QVERIFY(d.isVisible());
    }

    void aGoodIconReplacesThePicture()
    {
        frmLogon &d = form<frmLogon>();
        d.show();
        const QString green = dir.filePath("green.ico");
        QVERIFY(write(green, iconOf(Qt::green)));
        d.setLogoPath(green);
        QTest::mouseClick(d.imgLogo(), Qt::LeftButton);
        QCOMPARE(d.imgLogo()->Picture().toImage().pixelColor(16, 16), QColor(Qt::green));
        // The face icon with its 16 x 16 picture listed first: the 32 x 32 one is shown.
        const QByteArray face = resourceBytes(":/icons/face.ico");
        const QString swapped = dir.filePath("face.ico");
        QVERIFY(write(swapped, face.left(6) + face.mid(22, 16) + face.mid(6, 16) + face.mid(38)));
        d.setLogoPath(swapped);
        QTest::mouseClick(d.imgLogo(), Qt::LeftButton);
        const QImage face32 = QPixmap::fromImage(QImage(QStringLiteral(":/icons/face.ico"))).toImage();
        QCOMPARE(face32.size(), QSize(32, 32));
        QCOMPARE(d.imgLogo()->Picture().toImage(), face32);
        QVERIFY(fx.dialogs.shown.isEmpty());
    }

    // The picture nearest the wanted size: 32 x 32 as a rule, 64 x 64 for double density.
    void thePictureOfTheWantedSizeIsTaken()
    {
        const QString path = dir.filePath("two.ico");
        QVERIFY(write(path, iconOfTwoSizes()));
        const QImage normal = readIconFile(path);
        QCOMPARE(normal.size(), QSize(32, 32));
        QCOMPARE(normal.pixelColor(16, 16), QColor(Qt::green));
        const QImage dense = readIconFile(path, 64);
        QCOMPARE(dense.size(), QSize(64, 64));
        QCOMPARE(dense.pixelColor(32, 32), QColor(Qt::blue));
        QCOMPARE(readIconFile(path, 40).size(), QSize(32, 32));
    }

    void anIconPaddedUpToTheSizeLimitIsStillRead()
    {
        frmLogon &d = form<frmLogon>();
        d.show();
        const QByteArray green = iconOf(Qt::green);
        const QString path = dir.filePath("padded.ico");
        QVERIFY(write(path, green + QByteArray(maxIconFileBytes - green.size(), '\0')));
        d.setLogoPath(path);
        QTest::mouseClick(d.imgLogo(), Qt::LeftButton);
        QCOMPARE(d.imgLogo()->Picture().toImage().pixelColor(16, 16), QColor(Qt::green));
    }

    void theLogoPathIsAFileOfThatNameInTheWorkingDirectory()
    {
        // Without drive letters the path is one file name, backslashes and colon included.
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool written = write(QStringLiteral("A:\\Playhaven\\Face03.ico"), iconOf(Qt::blue));
        frmLogon &d = form<frmLogon>();
        d.show();
        QTest::mouseClick(d.imgLogo(), Qt::LeftButton);
        const QColor shown = d.imgLogo()->Picture().toImage().pixelColor(16, 16);
        QFile::remove(QStringLiteral("A:\\Playhaven\\Face03.ico"));
        QDir::setCurrent(previous);
        QVERIFY(written);
        QCOMPARE(shown, QColor(Qt::blue));
    }
};

PLAYHAVEN_TEST(LogonLogoTest)
#include "tst_logon_logo.moc"
