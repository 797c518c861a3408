#include "progress/numbertext.h"

#include <QLocale>
#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void roundHalfEven1_data();
    void roundHalfEven1();
    void formatScore_data();
    void formatScore();
    void parseScore_data();
    void parseScore();
    void storedTextIgnoresTheLocale();
};

void TestNumberText::roundHalfEven1_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("tie to even below") << 1.25 << 1.2;
    QTest::newRow("tie to even above") << 3.75 << 3.8;
    QTest::newRow("average 72.25") << 72.25 << 72.2;
    QTest::newRow("average 85.75") << 85.75 << 85.8;
    QTest::newRow("negative tie") << -1.25 << -1.2;
    QTest::newRow("not a tie") << 66.666666666666671 << 66.7;
    QTest::newRow("already one decimal") << 72.2 << 72.2;
    QTest::newRow("whole number") << 100.0 << 100.0;
    // These decimals are not exact doubles: the stored value lies just off
    // the tie, and a naive value * 10 would land on it.
    QTest::newRow("0.15 lies below its tie") << 0.15 << 0.1;
    QTest::newRow("0.35 lies below its tie") << 0.35 << 0.3;
    QTest::newRow("0.45 lies above its tie") << 0.45 << 0.5;
}

void TestNumberText::roundHalfEven1()
{
    QFETCH(double, value);
    QFETCH(double, expected);

    QCOMPARE(::roundHalfEven1(value), expected);
}

void TestNumberText::formatScore_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one decimal") << 87.5 << u"87.5"_qs;
    QTest::newRow("rounded") << 200.0 / 3 << u"66.7"_qs;
    QTest::newRow("full marks") << 100.0 << u"100"_qs;
    QTest::newRow("zero") << 0.0 << u"0"_qs;
    QTest::newRow("tie") << 72.25 << u"72.2"_qs;
    QTest::newRow("rounds to a whole number") << 99.96 << u"100"_qs;
    QTest::newRow("tiny negative") << -0.01 << u"0"_qs;
}

void TestNumberText::formatScore()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(::formatScore(value), expected);
}

void TestNumberText::parseScore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isScore");
    QTest::addColumn<double>("value");

    QTest::newRow("one decimal") << u"87.5"_qs << true << 87.5;
    QTest::newRow("whole") << u"100"_qs << true << 100.0;
    QTest::newRow("zero") << u"0"_qs << true << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("garbage") << u"abc"_qs << false << 0.0;
    QTest::newRow("decimal comma") << u"87,5"_qs << false << 0.0;
    QTest::newRow("number then text") << u"87.5%"_qs << false << 0.0;
    QTest::newRow("infinity") << u"inf"_qs << false << 0.0;
    QTest::newRow("not a number") << u"nan"_qs << false << 0.0;
}

void TestNumberText::parseScore()
{
    QFETCH(QString, text);
    QFETCH(bool, isScore);
    QFETCH(double, value);

    const std::optional<double> parsed = ::parseScore(text);
    QCOMPARE(parsed.has_value(), isScore);
    if (isScore)
        QCOMPARE(*parsed, value);
}

void TestNumberText::storedTextIgnoresTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString written = ::formatScore(87.5);
    const std::optional<double> read = ::parseScore(u"87.5"_qs);
    const std::optional<double> localised = ::parseScore(u"87,5"_qs);
    QLocale::setDefault(previous);

    QCOMPARE(written, u"87.5"_qs);
    QCOMPARE(read.value_or(-1), 87.5);
    QVERIFY(!localised);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
