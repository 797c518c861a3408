#include "practice/scoring.h"
#include "progress/numbertext.h"

#include <QTest>

Q_DECLARE_METATYPE(ResultMark)

char *toString(ResultMark mark)
{
    return qstrdup(mark == ResultMark::Right ? "Right" : mark == ResultMark::Wrong ? "Wrong" : "None");
}

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void judgePaper_data();
    void judgePaper();
    void percentageText_data();
    void percentageText();
    void timeTaken_data();
    void timeTaken();
    void shortDateFollowsTheLocale();
};

void TestScoring::judgePaper_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QList<double>>("marks");
    QTest::addColumn<QList<ResultMark>>("results");
    QTest::addColumn<int>("score");

    const auto R = ResultMark::Right;
    const auto W = ResultMark::Wrong;

    QTest::newRow("plain kinds") << QStringList{u"3.850"_qs, u"took"_qs, u"2"_qs}
                                 << QStringList{u"3.85"_qs, u"taken"_qs, u"2"_qs}
                                 << QStringList{u"N"_qs, u"T"_qs, u"Q"_qs} << QList<double>{2, 3, 1}
                                 << QList<ResultMark>{R, W, R} << 3;
    QTest::newRow("group judged as a group")
        << QStringList{u"a"_qs, u"a"_qs, u"b"_qs} << QStringList{u";a;b"_qs, u" "_qs, u" "_qs}
        << QStringList{u"G"_qs, u"G"_qs, u"M"_qs} << QList<double>{1, 1, 1} << QList<ResultMark>{R, W, R} << 2;
    QTest::newRow("unknown kind earns nothing")
        << QStringList{u"a"_qs, u"a"_qs} << QStringList{u"a"_qs, u"a"_qs} << QStringList{u"T"_qs, u"Z"_qs}
        << QList<double>{1, 5} << QList<ResultMark>{R, ResultMark::None} << 1;
    // 1.5 rounds up to 2, then 2 + 1.5 = 3.5 rounds to 4 and 4 + 2.5 = 6.5 to 6.
    QTest::newRow("running score rounded half to even")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs} << QStringList{u"a"_qs, u"b"_qs, u"c"_qs}
        << QStringList{u"T"_qs, u"T"_qs, u"T"_qs} << QList<double>{1.5, 1.5, 2.5} << QList<ResultMark>{R, R, R} << 6;
    QTest::newRow("half marks round away to nothing")
        << QStringList{u"a"_qs, u"b"_qs} << QStringList{u"a"_qs, u"b"_qs} << QStringList{u"T"_qs, u"T"_qs}
        << QList<double>{0.5, 0.5} << QList<ResultMark>{R, R} << 0;
    QTest::newRow("blank answers") << QStringList{QString(), u"   "_qs} << QStringList{u"a"_qs, u"7"_qs}
                                   << QStringList{u"T"_qs, u"N"_qs} << QList<double>{1, 1}
                                   << QList<ResultMark>{W, W} << 0;
    QTest::newRow("no slots") << QStringList() << QStringList() << QStringList() << QList<double>()
                              << QList<ResultMark>() << 0;
}

void TestScoring::judgePaper()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, kinds);
    QFETCH(QList<double>, marks);
    QFETCH(QList<ResultMark>, results);
    QFETCH(int, score);

    const PaperJudgement judgement = ::judgePaper(answers, keys, kinds, marks);
    QCOMPARE(judgement.results, results);
    QCOMPARE(judgement.score, score);
}

void TestScoring::percentageText_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7 of 8") << 7 << 8.0 << u"87.5"_qs;
    QTest::newRow("2 of 3") << 2 << 3.0 << u"66.7"_qs;
    QTest::newRow("full marks") << 8 << 8.0 << u"100"_qs;
    QTest::newRow("nothing right") << 0 << 8.0 << u"0"_qs;
    QTest::newRow("1 of 80 ties down") << 1 << 80.0 << u"1.2"_qs;
    QTest::newRow("3 of 80 ties up") << 3 << 80.0 << u"3.8"_qs;
    QTest::newRow("7 of 80 ties up") << 7 << 80.0 << u"8.8"_qs;
    QTest::newRow("23 of 40") << 23 << 40.0 << u"57.5"_qs;
    QTest::newRow("paper worth nothing") << 0 << 0.0 << u"0"_qs;
}

void TestScoring::percentageText()
{
    QFETCH(int, score);
    QFETCH(double, total);
    QFETCH(QString, expected);

    QCOMPARE(formatScore(percentageOf(score, total)), expected);
}

void TestScoring::timeTaken_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing") << qint64(0) << u"0:0:0"_qs;
    QTest::newRow("65 seconds") << qint64(65) << u"0:1:5"_qs;
    QTest::newRow("7 minutes 35") << qint64(7 * 60 + 35) << u"0:7:35"_qs;
    QTest::newRow("an hour") << qint64(3600) << u"1:0:0"_qs;
    QTest::newRow("hours restart after 24") << qint64(25 * 3600 + 61) << u"1:1:1"_qs;
    QTest::newRow("clock set back") << qint64(-5) << u"0:0:0"_qs;
}

void TestScoring::timeTaken()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, expected);

    QCOMPARE(formatTimeTaken(seconds), expected);
}

void TestScoring::shortDateFollowsTheLocale()
{
    const QDate date(2024, 3, 5);
    QCOMPARE(formatShortDate(date, QLocale(QLocale::English, QLocale::UnitedStates)), u"3/5/24"_qs);
    QCOMPARE(formatShortDate(date, QLocale(QLocale::German, QLocale::Germany)), u"05.03.24"_qs);
}

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
