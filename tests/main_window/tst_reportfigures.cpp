#include "main_window/reportfigures.h"

#include <QTest>

#include <utility>

namespace {

using Scores = QList<std::pair<int, QString>>;

// A marks-file list of 50 score texts with the given entries by PaperIndex (1-based).
QStringList scoresAt(const Scores &entries)
{
    QStringList scores(50);
    for (const auto &[paperIndex, text] : entries)
        scores[paperIndex - 1] = text;
    return scores;
}

QStringList topicNames(int count)
{
    QStringList names;
    for (int topic = 1; topic <= count; ++topic)
        names.append(QStringLiteral("Topic %1").arg(topic));
    return names;
}

const QString mock = QStringLiteral("Mock Examination");

} // namespace

class TestReportFigures : public QObject
{
    Q_OBJECT

private slots:
    void overall_data();
    void overall();
    void tallies();
    void topicRows_data();
    void topicRows();
};

void TestReportFigures::overall_data()
{
    QTest::addColumn<int>("topicCount");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("fse");
    QTest::addColumn<QStringList>("sse");
    QTest::addColumn<QString>("firstAverage");
    QTest::addColumn<QString>("secondAverage");
    QTest::addColumn<QString>("completed");
    QTest::addColumn<QString>("weakest");
    QTest::addColumn<QString>("strongest");

    const QStringList five = topicNames(5);
    const QStringList none = scoresAt({});

    QTest::newRow("no paper marked") << 5 << five << none << none << u"-"_qs << u"-"_qs << u"0 / 25"_qs
                                     << u"-"_qs << u"-"_qs;
    QTest::newRow("one topic only") << 5 << five << scoresAt({{1, u"80"_qs}, {2, u"70"_qs}}) << none << u"75%"_qs
                                    << u"-"_qs << u"2 / 25"_qs << u"-"_qs << u"-"_qs;
    QTest::newRow("two topics ranked") << 5 << five << scoresAt({{1, u"80"_qs}, {2, u"70"_qs}, {6, u"90"_qs}})
                                       << scoresAt({{6, u"100"_qs}}) << u"80%"_qs << u"100%"_qs << u"3 / 25"_qs
                                       << u"Topic 1 "_qs << u"Topic 2 "_qs;
    QTest::newRow("second average over second scores only")
        << 5 << five << scoresAt({{1, u"40"_qs}, {2, u"50"_qs}, {6, u"60"_qs}}) << scoresAt({{1, u"80"_qs}})
        << u"50%"_qs << u"80%"_qs << u"3 / 25"_qs << u"Topic 1 "_qs << u"Topic 2 "_qs;
    QTest::newRow("unattempted topic not ranked")
        << 5 << five << scoresAt({{6, u"40"_qs}, {11, u"60"_qs}}) << none << u"50%"_qs << u"-"_qs << u"2 / 25"_qs
        << u"Topic 2 "_qs << u"Topic 3 "_qs;
    QTest::newRow("tie goes to the later topic")
        << 5 << five << scoresAt({{1, u"70"_qs}, {6, u"70"_qs}}) << none << u"70%"_qs << u"-"_qs << u"2 / 25"_qs
        << u"Topic 2 "_qs << u"Topic 2 "_qs;
    QTest::newRow("tie for weakest only")
        << 5 << five << scoresAt({{1, u"50"_qs}, {6, u"70"_qs}, {11, u"50"_qs}}) << none << u"56.7%"_qs << u"-"_qs
        << u"3 / 25"_qs << u"Topic 3 "_qs << u"Topic 2 "_qs;
    QTest::newRow("mock examination never named")
        << 3 << QStringList{u"Grammar"_qs, mock, u"Vocabulary"_qs}
        << scoresAt({{1, u"60"_qs}, {6, u"90"_qs}, {11, u"70"_qs}}) << none << u"73.3%"_qs << u"-"_qs
        << u"3 / 15"_qs << u"Grammar "_qs << u"Vocabulary "_qs;
    QTest::newRow("mock examination counts toward two topics")
        << 2 << QStringList{u"Grammar"_qs, mock} << scoresAt({{1, u"60"_qs}, {6, u"90"_qs}}) << none << u"75%"_qs
        << u"-"_qs << u"2 / 10"_qs << u"Grammar "_qs << u"Grammar "_qs;
    QTest::newRow("no candidate left") << 2 << QStringList{mock, mock} << scoresAt({{1, u"60"_qs}, {6, u"90"_qs}})
                                       << none << u"75%"_qs << u"-"_qs << u"2 / 10"_qs << u"-"_qs << u"-"_qs;
    QTest::newRow("mock examination compared exactly")
        << 2 << QStringList{u"Grammar"_qs, u"mock examination"_qs} << scoresAt({{1, u"60"_qs}, {6, u"90"_qs}})
        << none << u"75%"_qs << u"-"_qs << u"2 / 10"_qs << u"Grammar "_qs << u"mock examination "_qs;
    QTest::newRow("average 72.25 ties to even") << 5 << five << scoresAt({{1, u"72.2"_qs}, {2, u"72.3"_qs}}) << none
                                                << u"72.2%"_qs << u"-"_qs << u"2 / 25"_qs << u"-"_qs << u"-"_qs;
    QTest::newRow("average 85.75 ties to even") << 5 << five << scoresAt({{1, u"85.5"_qs}, {2, u"86"_qs}}) << none
                                                << u"85.8%"_qs << u"-"_qs << u"2 / 25"_qs << u"-"_qs << u"-"_qs;
    QTest::newRow("scores beyond the topic count ignored")
        << 1 << topicNames(1) << scoresAt({{1, u"80"_qs}, {6, u"20"_qs}}) << none << u"80%"_qs << u"-"_qs
        << u"1 / 5"_qs << u"-"_qs << u"-"_qs;
    QTest::newRow("unreadable score not counted")
        << 5 << five << scoresAt({{1, u"80"_qs}, {2, u"x"_qs}}) << none << u"80%"_qs << u"-"_qs << u"1 / 25"_qs
        << u"-"_qs << u"-"_qs;
}

void TestReportFigures::overall()
{
    QFETCH(int, topicCount);
    QFETCH(QStringList, names);
    QFETCH(QStringList, fse);
    QFETCH(QStringList, sse);

    const ReportFigures figures = ComputeReport(topicCount, topicCount * 5, names, fse, sse);
    QTEST(figures.firstAverage, "firstAverage");
    QTEST(figures.secondAverage, "secondAverage");
    QTEST(figures.papersCompleted, "completed");
    QTEST(figures.weakestTopic, "weakest");
    QTEST(figures.strongestTopic, "strongest");
}

void TestReportFigures::tallies()
{
    const ReportFigures figures =
        ComputeReport(2, 10, topicNames(2), scoresAt({{1, u"80"_qs}, {2, u"70"_qs}, {6, u"90"_qs}, {11, u"50"_qs}}),
                      scoresAt({{6, u"100"_qs}}));

    QCOMPARE(figures.tallies.size(), 10);
    const TopicTally &first = figures.tallies.at(0);
    QCOMPARE(first.firstCount, 2.0);
    QCOMPARE(first.firstSum, 150.0);
    QCOMPARE(first.blended, 75.0);
    const TopicTally &second = figures.tallies.at(1);
    QCOMPARE(second.secondCount, 1.0);
    QCOMPARE(second.blended, 95.0);
    // Paper 11 belongs to topic 3, which this subject does not have.
    QCOMPARE(figures.tallies.at(2).firstCount, 0.0);
}

void TestReportFigures::topicRows_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<double>("firstFraction");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<double>("secondFraction");
    QTest::addColumn<bool>("visible");

    QTest::newRow("first scores 60 and 90") << 1 << u"Topic 1"_qs << u"75%"_qs << 0.75 << QString() << 0.0 << true;
    QTest::newRow("nothing marked") << 2 << u"Topic 2"_qs << QString() << 0.0 << QString() << 0.0 << true;
    QTest::newRow("full marks") << 3 << u"Topic 3"_qs << u"100%"_qs << 1.0 << QString() << 0.0 << true;
    QTest::newRow("bar from the unrounded average")
        << 4 << u"Topic 4"_qs << u"70.3%"_qs << 211.0 / 300 << QString() << 0.0 << true;
    QTest::newRow("second attempt on its own") << 5 << u"Topic 5"_qs << u"50%"_qs << 0.5 << u"90%"_qs << 0.9 << true;
    QTest::newRow("row 6 hidden") << 6 << QString() << QString() << 0.0 << QString() << 0.0 << false;
    QTest::newRow("row 10 hidden") << 10 << QString() << QString() << 0.0 << QString() << 0.0 << false;
}

void TestReportFigures::topicRows()
{
    QFETCH(int, topic);

    const QStringList fse = scoresAt({{1, u"60"_qs},
                                      {2, u"90"_qs},
                                      {11, u"100"_qs},
                                      {16, u"70"_qs},
                                      {17, u"70"_qs},
                                      {18, u"71"_qs},
                                      {21, u"40"_qs},
                                      {22, u"60"_qs}});
    const QStringList sse = scoresAt({{22, u"90"_qs}});
    const ReportFigures figures = ComputeReport(5, 25, topicNames(10), fse, sse);

    QCOMPARE(figures.rows.size(), 10);
    const TopicRow &row = figures.rows.at(topic - 1);
    QTEST(row.name, "name");
    QTEST(row.firstText, "firstText");
    QTEST(row.firstFraction, "firstFraction");
    QTEST(row.secondText, "secondText");
    QTEST(row.secondFraction, "secondFraction");
    QTEST(row.visible, "visible");
}

QTEST_APPLESS_MAIN(TestReportFigures)
#include "tst_reportfigures.moc"
