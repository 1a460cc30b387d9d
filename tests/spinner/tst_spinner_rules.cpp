// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/HighScoreMessage.h"
#include "spinner/NumberReader.h"
#include "spinner/PercentFormat.h"
#include "spinner/SpinzoRules.h"
#include "support/TestMain.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <limits>

// The pure rules of the spinner game: the own-limit number reader, the "0.0%" format, the
// spin draw and the counting rules.
class SpinnerRulesTest : public QObject {
    Q_OBJECT

private slots:
    void readsANumberFromTheStartOfTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "7" << 7.0;
        QTest::newRow("stops at letters") << "12abc" << 12.0;
        QTest::newRow("blank inside") << "1 5" << 15.0;
        QTest::newRow("tab and line feed anywhere") << "\t1\n0 0" << 100.0;
        QTest::newRow("carriage return stops") << "1\r5" << 1.0;
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("plus sign") << "+8" << 8.0;
        QTest::newRow("blank after sign") << "- 3" << -3.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower case, stops at g") << "&h1fg" << 31.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&o178" << 15.0;
        QTest::newRow("prefix without digits") << "&H" << 0.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent D, negative") << "25D-1" << 2.5;
        QTest::newRow("exponent without digits") << "4e" << 4.0;
        QTest::newRow("exponent sign without digits") << "4e+x" << 4.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("dollar is no number") << "$5" << 0.0;
        QTest::newRow("non-ASCII stops") << QString::fromUtf8("3\u00bd") << 3.0;
        QTest::newRow("full-width digit is no number") << QString::fromUtf8("\uff17") << 0.0;
        QTest::newRow("control character stops") << QString("6") + QChar(0x01) + "6" << 6.0;
        QTest::newRow("NUL stops") << QString("9") + QChar(0) + "9" << 9.0;
        QTest::newRow("leading zeros") << "0007" << 7.0;
        QTest::newRow("tiny") << "1e-400" << 0.0;
        QTest::newRow("zeros then exponent") << "0.000e5000" << 0.0;
    }
    void readsANumberFromTheStartOfTheText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(spinner::readNumber(text.toStdString()), value);
    }

    void hugeEntriesReadAsInfinityWithoutFailing()
    {
        QCOMPARE(spinner::readNumber("1e400"), std::numeric_limits<double>::infinity());
        QCOMPARE(spinner::readNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
        QCOMPARE(spinner::readNumber(std::string(500, '9')), std::numeric_limits<double>::infinity());
        QCOMPARE(spinner::readNumber("&H" + std::string(300, 'F')), std::numeric_limits<double>::infinity());
        QCOMPARE(spinner::readNumber("99999"), 99999.0);
        // A long text of blanks and digits is read in one pass.
        std::string overlong;
        for (int i = 0; i < 100000; ++i)
            overlong += "1 ";
        QVERIFY(spinner::readNumber(overlong) > 1e99);
    }

    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("12.5") << 12.5 << 12.0;
        QTest::newRow("13.5") << 13.5 << 14.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("-3.5") << -3.5 << -4.0;
        QTest::newRow("2.4999") << 2.4999 << 2.0;
        QTest::newRow("2.5001") << 2.5001 << 3.0;
        QTest::newRow("-0.4") << -0.4 << 0.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(spinner::roundHalfEven(value), rounded);
    }

    void ownLimitIsRoundedAndClampedInto16Bits_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("limit");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("12abc") << "12abc" << 12;
        QTest::newRow("1 5") << "1 5" << 15;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
        QTest::newRow("-5") << "-5" << -5;
        QTest::newRow("&H1F") << "&H1F" << 31;
        QTest::newRow("&O17") << "&O17" << 15;
        QTest::newRow("1e3") << "1e3" << 1000;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("rounds up past the largest") << "32767.5" << 32767;
        QTest::newRow("just beyond") << "32768" << 32767;
        QTest::newRow("far beyond") << "99999" << 32767;
        QTest::newRow("infinite") << "1e400" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("below the smallest") << "-40000" << -32768;
        QTest::newRow("minus infinite") << "-1e400" << -32768;
        QTest::newRow("hex beyond") << "&HFFFF" << 32767;
    }
    void ownLimitIsRoundedAndClampedInto16Bits()
    {
        QFETCH(QString, entry);
        QFETCH(int, limit);
        QCOMPARE(int(spinner::ownLimitFromEntry(entry.toStdString())), limit);
    }

    void percentFormat_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("1/3") << double(spinner::winRatio(1, 3)) << "."
                             << "33.3%";
        QTest::newRow("2/3") << double(spinner::winRatio(2, 3)) << "."
                             << "66.7%";
        QTest::newRow("1/16, a half away from zero") << double(spinner::winRatio(1, 16)) << "."
                                                     << "6.3%";
        QTest::newRow("3/16") << double(spinner::winRatio(3, 16)) << "."
                              << "18.8%";
        QTest::newRow("0") << 0.0 << "."
                           << "0.0%";
        QTest::newRow("1") << 1.0 << "."
                           << "100.0%";
        QTest::newRow("1/2") << 0.5 << "."
                             << "50.0%";
        QTest::newRow("tiny ratio keeps a leading zero") << double(spinner::winRatio(1, 32767)) << "."
                                                         << "0.0%";
        QTest::newRow("1/1000 rounds up") << double(spinner::winRatio(1, 1000)) << "."
                                          << "0.1%";
        QTest::newRow("comma locale") << double(spinner::winRatio(1, 3)) << ","
                                      << "33,3%";
        QTest::newRow("negative half") << -0.0625 << "."
                                       << "-6.3%";
        QTest::newRow("not a number") << std::nan("") << "."
                                      << "0.0%";
        QTest::newRow("absurdly large") << std::ldexp(1.0, 60) << "."
                                        << "115292150460684697600.0%";
    }
    void percentFormat()
    {
        QFETCH(double, ratio);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(spinner::formatPercent(ratio, separator.toStdString())), text);
    }

    // Far beyond any score, the text still has its shape, and no digit is computed out of range.
    void aHugeRatioStillGivesDigitsSeparatorAndOneDigit()
    {
        const QRegularExpression shape(QStringLiteral("^-?[0-9]+\\.[0-9]%$"));
        for (double ratio :
            { 422175028894081.5, 32244330772717.109, -5.9e164, 1e300, std::numeric_limits<double>::max() / 1000 }) {
            const QString text = QString::fromStdString(spinner::formatPercent(ratio, "."));
            QVERIFY2(shape.match(text).hasMatch(), qPrintable(QString::number(ratio) + " gives " + text.left(40)));
        }
    }

    void highScoreMessage()
    {
        QCOMPARE(spinner::highScoreMessage(1, 1, 0.25, "."),
            std::string("Your score is 100%!\r\nYou have a PERFECT SCORE!!!"));
        QCOMPARE(spinner::highScoreMessage(10, 10, 0.4, "."),
            std::string("Your score is 100%!\r\nYou have a PERFECT SCORE!!!"));
        QCOMPARE(spinner::highScoreMessage(0, 0, 0, "."), std::string("Your highest score is 0.0%."));
        QCOMPARE(
            spinner::highScoreMessage(2, 1, spinner::winRatio(1, 3), ","), std::string("Your highest score is 33,3%."));
    }

    void spinDrawsThreeDigitsInLabelOrder()
    {
        const float draws[] = { 0.0f, 0.75f, 0.99999994f };
        int next = 0;
        const auto digits = spinner::drawSpin([&] { return draws[next++]; });
        QCOMPARE(next, 3);
        QCOMPARE(digits, (std::array<int, 3> { 0, 7, 9 }));
        QCOMPARE(spinner::spinDigit(0.7f), 7);
        QCOMPARE(spinner::spinDigit(std::nextafter(0.7f, 0.0f)), 6);
        QCOMPARE(spinner::spinDigit(0.0f), 0);
    }

    void aSevenAnywhereWinsOnce()
    {
        QVERIFY(spinner::isWinningSpin({ 7, 0, 0 }));
        QVERIFY(spinner::isWinningSpin({ 0, 0, 7 }));
        QVERIFY(spinner::isWinningSpin({ 7, 7, 7 }));
        QVERIFY(!spinner::isWinningSpin({ 1, 6, 8 }));
    }

    void limitAndQuestionRules()
    {
        QVERIFY(!spinner::limitUsedUp(9, 10, false));
        QVERIFY(spinner::limitUsedUp(10, 10, false));
        QVERIFY(!spinner::limitUsedUp(10, 10, true));
        QVERIFY(spinner::limitUsedUp(0, -5, false));
        QVERIFY(spinner::limitUsedUp(0, 0, false));
        QVERIFY(!spinner::limitUsedUp(32766, 0, true));
        QVERIFY(spinner::limitUsedUp(32767, 0, true)); // the counter is full
        QVERIFY(spinner::tenSpinQuestionDue(10, 1, true));
        QVERIFY(spinner::tenSpinQuestionDue(20, 2, true));
        QVERIFY(!spinner::tenSpinQuestionDue(20, 1, true));
        QVERIFY(!spinner::tenSpinQuestionDue(10, 1, false));
    }

    void ratioOfExactlyOneIsNeverRecorded()
    {
        QVERIFY(!spinner::recordsHighScore(1.0f, 0.0f));
        QVERIFY(spinner::recordsHighScore(0.5f, 0.25f));
        QVERIFY(!spinner::recordsHighScore(0.25f, 0.25f));
        QVERIFY(!spinner::recordsHighScore(0.2f, 0.25f));
        QCOMPARE(spinner::winRatio(0, 0), 0.0f);
        QCOMPARE(spinner::winRatio(1, 3), 1.0f / 3.0f);
    }
};

PLAYHAVEN_TEST(SpinnerRulesTest)
#include "tst_spinner_rules.moc"
