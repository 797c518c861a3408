#include "coursefixture.h"

#include "main_window/reportcard.h"
#include "main_window/trendplot.h"
#include "skin/clickablelabel.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

using namespace CourseFixture;

// The report card on the fixture course: the figures each section shows, the
// accordion of sections, and the trend chart as drawn.
class TestReportCard : public QObject
{
    Q_OBJECT

private slots:
    void overall_data();
    void overall();
    void topicalBars();
    void sections_data();
    void sections();
    void switchingSectionsComputesNothing();
    void trendChart_data();
    void trendChart();
    void trendDrawing();

private:
    static QString text(Window &w, const QString &name)
    {
        return w.contents->findChild<QLabel *>(name)->text();
    }
    static void openReport(Window &w)
    {
        w.contents->clickTab(1);
        w.contents->clickToolBar(2);
    }
};

void TestReportCard::overall_data()
{
    QTest::addColumn<QStringList>("fse");
    QTest::addColumn<QStringList>("sse");
    QTest::addColumn<QStringList>("expected"); // OScore1, OScore2, PCNum, WT, ST

    QTest::newRow("nothing_marked") << QStringList() << QStringList()
                                    << QStringList{"-", "-", "0 / 10", "-", "-"};
    QTest::newRow("one_topic_only") << QStringList{"80", "70"} << QStringList()
                                    << QStringList{"75%", "-", "2 / 10", "-", "-"};
    // Topic 2 is the mock examination: it counts, but is never named.
    QTest::newRow("mock_examination_never_named")
        << QStringList{"80", "70", "", "", "", "90"} << QStringList{"", "", "", "", "", "100"}
        << QStringList{"80%", "100%", "3 / 10", "Grammar ", "Grammar "};
    QTest::newRow("average_tie_to_even") << QStringList{"72.2", "72.3"} << QStringList()
                                         << QStringList{"72.2%", "-", "2 / 10", "-", "-"};
}

void TestReportCard::overall()
{
    QFETCH(QStringList, fse);
    QFETCH(QStringList, sse);
    QFETCH(QStringList, expected);

    Window w;
    writeMarks(w.dir.path(), 1, fse, sse);
    w.start();
    openReport(w);
    QCOMPARE(w.contents->currentPage()->objectName(), QStringLiteral("Body_Report"));
    const QStringList shown = {text(w, QStringLiteral("OScore1")), text(w, QStringLiteral("OScore2")),
                               text(w, QStringLiteral("PCNum")), text(w, QStringLiteral("WT")),
                               text(w, QStringLiteral("ST"))};
    QCOMPARE(shown, expected);
}

void TestReportCard::topicalBars()
{
    Window w;
    writeMarks(w.dir.path(), 1, {"60", "90"});
    w.start();
    openReport(w);

    auto *track = w.contents->findChild<QFrame *>(QStringLiteral("TBack1A"));
    auto *bar = w.contents->findChild<QLabel *>(QStringLiteral("TBar1A"));
    QCOMPARE(text(w, QStringLiteral("TopLab1")), QStringLiteral("Grammar"));
    QCOMPARE(text(w, QStringLiteral("TMark1A")), QStringLiteral("75%"));
    QCOMPARE(bar->width(), qRound(track->contentsRect().width() * 0.75));
    QCOMPARE(bar->height(), track->contentsRect().height());
    QCOMPARE(text(w, QStringLiteral("TMark1B")), QString());
    QCOMPARE(w.contents->findChild<QLabel *>(QStringLiteral("TBar1B"))->width(), 0);
    QCOMPARE(text(w, QStringLiteral("TopLab2")), QStringLiteral("Mock Examination"));
    QCOMPARE(text(w, QStringLiteral("TMark2A")), QString());

    w.contents->findChild<ClickableLabel *>(QStringLiteral("lblRCBar2"))->clicked();
    QVERIFY(w.contents->findChild<QWidget *>(QStringLiteral("TBack2A"))->isVisible());
    QVERIFY(!w.contents->findChild<QWidget *>(QStringLiteral("TBack3A"))->isVisible());
    QVERIFY(!w.contents->findChild<QWidget *>(QStringLiteral("TopLab3"))->isVisible());
    QVERIFY(!w.contents->findChild<QWidget *>(QStringLiteral("TBack10B"))->isVisible());
}

void TestReportCard::sections_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QList<int>>("barTops");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("panelTop");

    // The card is 377 high, each bar 17.
    QTest::newRow("overall") << 1 << QList<int>{0, 343, 360} << "RC1Summary" << 17;
    QTest::newRow("topical") << 2 << QList<int>{0, 17, 360} << "RC2Topical" << 34;
    QTest::newRow("trend") << 3 << QList<int>{0, 17, 34} << "RC3Trend" << 51;
}

void TestReportCard::sections()
{
    QFETCH(int, section);
    QFETCH(QList<int>, barTops);
    QFETCH(QString, panel);
    QFETCH(int, panelTop);

    Window w;
    w.start();
    openReport(w);
    QTest::mouseClick(w.contents->findChild<QWidget *>(QStringLiteral("lblRCBar%1").arg(section)), Qt::LeftButton,
                      {}, QPoint(5, 5));
    QCOMPARE(w.contents->txtReportPos(), section);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(w.contents->findChild<QWidget *>(QStringLiteral("RCBar%1").arg(i))->y(), barTops.at(i - 1));
    for (const QString name : {"RC1Summary", "RC2Topical", "RC3Trend"}) {
        QWidget *sectionPanel = w.contents->findChild<QWidget *>(name);
        QCOMPARE(sectionPanel->isVisible(), name == panel);
    }
    const QWidget *open = w.contents->findChild<QWidget *>(panel);
    QCOMPARE(open->geometry(), QRect(0, panelTop, 401, 377 - 3 * 17));
}

void TestReportCard::switchingSectionsComputesNothing()
{
    Window w;
    writeMarks(w.dir.path(), 1, {"80"});
    w.start();
    openReport(w);
    QCOMPARE(text(w, QStringLiteral("OScore1")), QStringLiteral("80%"));

    writeMarks(w.dir.path(), 1, {"40"});
    w.contents->findChild<ClickableLabel *>(QStringLiteral("lblRCBar2"))->clicked();
    w.contents->findChild<ClickableLabel *>(QStringLiteral("lblRCBar1"))->clicked();
    QCOMPARE(text(w, QStringLiteral("OScore1")), QStringLiteral("80%"));

    // Once a closing practice window has refreshed the main window, the
    // Report button shows the new figures.
    w.contents->RefreshContents();
    w.contents->clickToolBar(2);
    QCOMPARE(text(w, QStringLiteral("OScore1")), QStringLiteral("40%"));
}

void TestReportCard::trendChart_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QList<double>>("values");

    QTest::newRow("no_paper_marked") << "#TRD#" << QList<double>();
    QTest::newRow("one_entry") << "#TRD#>80" << QList<double>{80};
    QList<double> twentyFive;
    QString record = QStringLiteral("#TRD#");
    for (int i = 1; i <= 25; ++i) {
        record += u'>' + QString::number(i * 4);
        twentyFive.append(i * 4);
    }
    QTest::newRow("twenty_five_shows_last_twenty") << record << twentyFive.mid(5);
}

void TestReportCard::trendChart()
{
    QFETCH(QString, record);
    QFETCH(QList<double>, values);

    Window w;
    writeTrend(w.dir.path(), 1, record);
    w.start();
    openReport(w);
    auto *plot = w.contents->findChild<TrendPlot *>(QStringLiteral("RC3TrendPlot"));
    QCOMPARE(plot->values(), values);

    const TrendChartGeometry chart = plot->chartGeometry();
    const QSizeF size = plot->plotArea().size();
    QCOMPARE(chart.gridLines.size(), 9);
    QCOMPARE(chart.dots.size(), values.size());
    if (!values.isEmpty()) {
        QCOMPARE(chart.dots.first(), QPointF(size.width() / 21, (100 - values.first()) * size.height() / 100));
        QCOMPARE(chart.lines.first().p1(), QPointF(0, size.height()));
        QCOMPARE(chart.dropLines.first().p2().y(), size.height());
    }
}

void TestReportCard::trendDrawing()
{
    Window w;
    writeTrend(w.dir.path(), 1, QStringLiteral("#TRD#>80"));
    w.start();
    openReport(w);
    w.contents->findChild<ClickableLabel *>(QStringLiteral("lblRCBar3"))->clicked();
    auto *plot = w.contents->findChild<TrendPlot *>(QStringLiteral("RC3TrendPlot"));
    const QImage image = plot->grab().toImage();
    // The picture is in device pixels; the chart's geometry in the widget's.
    const qreal scale = image.devicePixelRatio();
    const QPointF origin = plot->plotArea().topLeft();
    const auto colourNear = [&](QPointF point, const QColor &colour) {
        const QPoint centre = (point * scale).toPoint();
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (image.pixelColor(centre + QPoint(dx, dy)) == colour)
                    return true;
            }
        }
        return false;
    };
    const QPointF dot = origin + plot->chartGeometry().dots.first();

    QCOMPARE(image.pixelColor((dot * scale).toPoint()), QColor(0, 0, 255));
    // A drop line runs from the dot to the bottom edge.
    QVERIFY(colourNear(QPointF(dot.x(), origin.y() + plot->plotArea().height() - 2), Qt::black));
    // Grid lines to the right of the last point, nothing else there.
    const QLineF grid = plot->chartGeometry().gridLines.at(4);
    const qreal x = origin.x() + plot->plotArea().width() - 5;
    QVERIFY(colourNear(QPointF(x, origin.y() + grid.y1()), QColor(224, 224, 224)));
    QCOMPARE(image.pixelColor((QPointF(x, origin.y() + grid.y1() + 5) * scale).toPoint()), QColor(Qt::white));
}

QTEST_MAIN(TestReportCard)
#include "tst_reportcard.moc"
