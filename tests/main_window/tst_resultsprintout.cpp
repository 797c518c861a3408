#include "main_window/resultsprintout.h"

#include <QTest>

Q_DECLARE_METATYPE(PrintItem)

char *toString(const PrintItem &item)
{
    return QTest::toString(QStringLiteral("%1:\"%2\"").arg(item.zone).arg(item.text));
}

namespace {

QStringList fiveTopics()
{
    return {u"Grammar"_qs, u"Vocabulary"_qs, u"Word Order"_qs, u"Reading"_qs, u"Mock Examination"_qs};
}

QString textInZone(const PrintLine &line, int zone)
{
    for (const PrintItem &item : line) {
        if (item.zone == zone)
            return item.text;
    }
    return {};
}

bool isPaperLine(const PrintLine &line)
{
    return textInZone(line, 1).startsWith(u"Paper "_qs);
}

} // namespace

class TestResultsPrintout : public QObject
{
    Q_OBJECT

private slots:
    void title();
    void topicBlocksInOrder();
    void paperLine();
    void scoreUnderTakeHeadings();
    void zoneColumns_data();
    void zoneColumns();
};

void TestResultsPrintout::title()
{
    const QList<PrintLine> lines = resultsPrintout(u"English Practice"_qs, 1, fiveTopics(), {}, {}, {}, {});

    QVERIFY(lines.at(0).isEmpty());
    QVERIFY(lines.at(1).isEmpty());
    QCOMPARE(lines.at(2), (PrintLine{{0, u" "_qs}, {1, u"English Practice"_qs}}));
    QVERIFY(lines.at(3).isEmpty());
    QVERIFY(lines.at(4).isEmpty());
}

void TestResultsPrintout::topicBlocksInOrder()
{
    const QList<PrintLine> lines = resultsPrintout(u"Course"_qs, 5, fiveTopics(), {}, {}, {}, {});

    // Title: five lines; per topic: two empty lines, five heading lines and five papers.
    QCOMPARE(lines.size(), 5 + 5 * 12);
    QStringList order;
    for (int topic = 0; topic < 5; ++topic) {
        const qsizetype block = 5 + topic * 12;
        QVERIFY(lines.at(block).isEmpty() && lines.at(block + 1).isEmpty());
        QCOMPARE(textInZone(lines.at(block + 2), 1), fiveTopics().at(topic));
        QCOMPARE(textInZone(lines.at(block + 3), 1), QString(128, u'-'));
        QCOMPARE(textInZone(lines.at(block + 6), 1), QString(128, u'-'));
        for (qsizetype i = block + 7; i < block + 12; ++i) {
            QVERIFY(isPaperLine(lines.at(i)));
            order.append(textInZone(lines.at(i), 1));
        }
    }
    const QStringList papers = {u"Paper 1"_qs, u"Paper 2"_qs, u"Paper 3"_qs, u"Paper 4"_qs, u"Paper 5"_qs};
    QCOMPARE(order, papers + papers + papers + papers + papers);
}

void TestResultsPrintout::paperLine()
{
    QStringList fse(50), ltm(50), cdd(50), sse(50);
    // Paper 3 of topic 2 is PaperIndex 8.
    fse[7] = u"72.5"_qs;
    ltm[7] = u"0:7:35"_qs;
    cdd[7] = u"05/03/2024"_qs;
    const QList<PrintLine> lines = resultsPrintout(u"Course"_qs, 2, fiveTopics(), fse, ltm, cdd, sse);

    const PrintLine expected = {{0, u" "_qs},  {1, u"Paper 3"_qs},    {2, u" "_qs}, {3, u"72.5%"_qs},
                                {4, u"0:7:35"_qs}, {5, u"05/03/2024"_qs}, {6, u" "_qs}, {7, u"%"_qs}};
    QCOMPARE(lines.at(5 + 12 + 7 + 2), expected);
    const PrintLine unmarked = {{0, u" "_qs}, {1, u"Paper 4"_qs}, {2, u" "_qs}, {3, u"%"_qs},
                                {4, QString()}, {5, QString()},    {6, u" "_qs}, {7, u"%"_qs}};
    QCOMPARE(lines.at(5 + 12 + 7 + 3), unmarked);
}

void TestResultsPrintout::scoreUnderTakeHeadings()
{
    const QList<PrintLine> lines = resultsPrintout(u"Course"_qs, 1, fiveTopics(), {}, {}, {}, {});
    const PrintLine &headings = lines.at(5 + 4);
    const PrintLine &scores = lines.at(5 + 5);

    QCOMPARE(textInZone(headings, 3), u"First take"_qs);
    QCOMPARE(textInZone(headings, 7), u"Second take"_qs);
    QCOMPARE(textInZone(scores, 3), u"score"_qs);
    QCOMPARE(textInZone(scores, 7), u"score"_qs);
    // Both lines fill zones 0..7 and nothing overflows, so the columns agree.
    const QList<int> columns = {0, 14, 28, 42, 56, 70, 84, 98};
    QCOMPARE(::zoneColumns(headings), columns);
    QCOMPARE(::zoneColumns(scores), columns);
}

void TestResultsPrintout::zoneColumns_data()
{
    QTest::addColumn<PrintLine>("line");
    QTest::addColumn<int>("zoneWidth");
    QTest::addColumn<QList<int>>("columns");

    QTest::newRow("empty line") << PrintLine() << 14 << QList<int>();
    QTest::newRow("items at their zones") << PrintLine{{0, u" "_qs}, {1, u"Paper 1"_qs}, {3, u"80%"_qs}} << 14
                                          << QList<int>{0, 14, 42};
    QTest::newRow("exact fit") << PrintLine{{0, QString(14, u'x')}, {1, u"a"_qs}} << 14 << QList<int>{0, 14};
    QTest::newRow("one past the zone") << PrintLine{{0, QString(15, u'x')}, {1, u"a"_qs}} << 14
                                       << QList<int>{0, 28};
    QTest::newRow("long item pushes the rest")
        << PrintLine{{4, u"0:7:35"_qs}, {5, u"Wednesday, 5 March 2024"_qs}, {6, u" "_qs}, {7, u"%"_qs}} << 14
        << QList<int>{56, 70, 98, 112};
    QTest::newRow("other zone width") << PrintLine{{0, u"abc"_qs}, {2, u"d"_qs}} << 10 << QList<int>{0, 20};
}

void TestResultsPrintout::zoneColumns()
{
    QFETCH(PrintLine, line);
    QFETCH(int, zoneWidth);
    QFETCH(QList<int>, columns);

    QCOMPARE(::zoneColumns(line, zoneWidth), columns);
}

QTEST_APPLESS_MAIN(TestResultsPrintout)
#include "tst_resultsprintout.moc"
