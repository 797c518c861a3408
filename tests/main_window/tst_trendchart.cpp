#include "main_window/trendchart.h"

#include <QTest>

namespace {

QString trendLine(int first, int last)
{
    QString line = QStringLiteral("#TRD#");
    for (int score = first; score <= last; ++score)
        line += u'>' + QString::number(score);
    return line;
}

QList<double> range(int first, int last)
{
    QList<double> values;
    for (int value = first; value <= last; ++value)
        values.append(value);
    return values;
}

// 21 columns of 10 and 100 height units: points at x = 10, 20, .. and y = 100 - value.
const QSizeF plot(210, 100);

} // namespace

class TestTrendChart : public QObject
{
    Q_OBJECT

private slots:
    void trendValues_data();
    void trendValues();
    void gridOnlyWithoutScores();
    void onePoint();
    void pointsJoinedInOrder();
    void twentiethPointAndEdges();
    void onlyTwentyDrawn();
};

void TestTrendChart::trendValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<double>>("expected");

    QTest::newRow("no record") << QString() << QList<double>();
    QTest::newRow("empty record") << u"#TRD#"_qs << QList<double>();
    QTest::newRow("three scores") << u"#TRD#>85>72.5>90"_qs << QList<double>{85, 72.5, 90};
    QTest::newRow("trailing separator") << u"#TRD#>85>72.5>"_qs << QList<double>{85, 72.5};
    QTest::newRow("separator alone") << u"#TRD#>"_qs << QList<double>();
    QTest::newRow("unreadable field left out") << u"#TRD#>85>>x>90"_qs << QList<double>{85, 90};
    QTest::newRow("twenty kept") << trendLine(1, 20) << range(1, 20);
    QTest::newRow("25 keeps the last 20") << trendLine(1, 25) << range(6, 25);
    QTest::newRow("50 keeps the last 20") << trendLine(1, 50) << range(31, 50);
}

void TestTrendChart::trendValues()
{
    QFETCH(QString, line);
    QFETCH(QList<double>, expected);

    QCOMPARE(::trendValues(line), expected);
}

void TestTrendChart::gridOnlyWithoutScores()
{
    const TrendChartGeometry geometry = trendChartGeometry({}, plot);

    QList<QLineF> grid;
    for (int level = 10; level <= 90; level += 10)
        grid.append(QLineF(0, level, 210, level));
    QCOMPARE(geometry.gridLines, grid);
    QVERIFY(geometry.dropLines.isEmpty());
    QVERIFY(geometry.dots.isEmpty());
    QVERIFY(geometry.lines.isEmpty());
}

void TestTrendChart::onePoint()
{
    const TrendChartGeometry geometry = trendChartGeometry({80}, plot);

    QCOMPARE(geometry.dots, QList<QPointF>{QPointF(10, 20)});
    QCOMPARE(geometry.dropLines, QList<QLineF>{QLineF(10, 20, 10, 100)});
    QCOMPARE(geometry.lines, QList<QLineF>{QLineF(0, 100, 10, 20)});
}

void TestTrendChart::pointsJoinedInOrder()
{
    const TrendChartGeometry geometry = trendChartGeometry({50, 75, 25}, plot);

    const QList<QLineF> lines = {QLineF(0, 100, 10, 50), QLineF(10, 50, 20, 25), QLineF(20, 25, 30, 75)};
    QCOMPARE(geometry.lines, lines);
}

void TestTrendChart::twentiethPointAndEdges()
{
    QList<double> values = range(1, 20);
    values.first() = 100;
    values.last() = 0;
    const TrendChartGeometry geometry = trendChartGeometry(values, plot);

    QCOMPARE(geometry.dots.size(), 20);
    QCOMPARE(geometry.dots.first(), QPointF(10, 0));
    // The last point stands at 20/21 of the width, on the bottom edge with a
    // drop line of no length.
    QCOMPARE(geometry.dots.last(), QPointF(200, 100));
    QCOMPARE(geometry.dropLines.last().length(), 0.0);
}

void TestTrendChart::onlyTwentyDrawn()
{
    const TrendChartGeometry geometry = trendChartGeometry(range(1, 25), plot);

    QCOMPARE(geometry.dots.size(), 20);
    QCOMPARE(geometry.dots.first(), QPointF(10, 94));
}

QTEST_APPLESS_MAIN(TestTrendChart)
#include "tst_trendchart.moc"
