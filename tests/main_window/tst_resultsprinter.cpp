#include "coursefixture.h"

#include "main_window/resultsprinter.h"

#include <QFontMetricsF>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QTest>

using namespace CourseFixture;

// Printing the results listing into a PDF and reading the printed text back
// by position: each item stands at its print zone.
class TestResultsPrinter : public QObject
{
    Q_OBJECT

private slots:
    void printsByZone();
    void cancelledDialogPrintsNothing();
    void newPageWhenFull();

private:
    // The left edge, in points, of the first occurrence of text at or after from.
    static double leftOf(QPdfDocument &pdf, const QString &all, const QString &text, qsizetype from = 0)
    {
        const qsizetype at = all.indexOf(text, from);
        if (at < 0)
            return -1;
        return pdf.getSelectionAtIndex(0, int(at), int(text.size())).boundingRectangle().left();
    }
};

void TestResultsPrinter::printsByZone()
{
    Window w;
    QStringList fse(10), ltm(10), cdd(10);
    fse[7] = QStringLiteral("72.5");
    ltm[7] = QStringLiteral("0:7:35");
    cdd[7] = QStringLiteral("11/12/2026");
    writeMarks(w.dir.path(), 1, fse, {}, ltm, cdd);
    w.start();
    const QString pdfPath = w.dir.filePath(QStringLiteral("results.pdf"));
    w.dialogs->printToFile = pdfPath;
    w.dialogs->answers = {true};

    w.contents->clickToolBar(3);
    QCOMPARE(w.contents->currentPage()->objectName(), QStringLiteral("Body_Home"));
    QCOMPARE(w.dialogs->calls.size(), 1);

    QPdfDocument pdf;
    QCOMPARE(pdf.load(pdfPath), QPdfDocument::Error::None);
    QCOMPARE(pdf.pageCount(), 1);
    const QString text = pdf.getAllText(0).text();
    QVERIFY(text.contains(QStringLiteral("Fixture Course")));
    QVERIFY(text.indexOf(QStringLiteral("Grammar")) < text.indexOf(QStringLiteral("Mock Examination")));
    QCOMPARE(text.count(QStringLiteral("Paper ")), 10);

    QPrinter &printer = w.contents->printer();
    const QFont font(ResultsPrinter::printFont(), &printer);
    const double zone = 14 * QFontMetricsF(font, &printer).averageCharWidth() * 72.0 / printer.resolution();

    const double papers = leftOf(pdf, text, QStringLiteral("Papers"));
    QVERIFY(papers > 0);
    const double tolerance = 1.0;
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("First take")) - (papers + 2 * zone)) < tolerance);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("Time taken")) - (papers + 3 * zone)) < tolerance);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("Date")) - (papers + 4 * zone)) < tolerance);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("Second take")) - (papers + 6 * zone)) < tolerance);

    // Paper 3 of topic 2: its score, time and date in zones 3, 4 and 5.
    const qsizetype mock = text.indexOf(QStringLiteral("Mock Examination"));
    const qsizetype paperLine = text.indexOf(QStringLiteral("Paper 3"), mock);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("Paper 3"), mock) - papers) < tolerance);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("72.5%"), paperLine) - (papers + 2 * zone)) < tolerance);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("0:7:35"), paperLine) - (papers + 3 * zone)) < tolerance);
    QVERIFY(qAbs(leftOf(pdf, text, QStringLiteral("11/12/2026"), paperLine) - (papers + 4 * zone)) < tolerance);
}

void TestResultsPrinter::cancelledDialogPrintsNothing()
{
    Window w;
    w.start();
    const QString pdfPath = w.dir.filePath(QStringLiteral("results.pdf"));
    w.dialogs->printToFile = pdfPath;
    w.contents->clickToolBar(3);

    QVERIFY(!QFile::exists(pdfPath));
    QCOMPARE(w.dialogs->calls.size(), 2);
    QCOMPARE(w.dialogs->calls.at(1).kind, QStringLiteral("tell"));
    QCOMPARE(w.contents->currentPage()->objectName(), QStringLiteral("Body_Home"));
}

void TestResultsPrinter::newPageWhenFull()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("long.pdf")));
    QList<PrintLine> lines;
    for (int i = 1; i <= 300; ++i)
        lines.append({{1, QStringLiteral("Line %1").arg(i)}});
    QVERIFY(ResultsPrinter::print(lines, printer));

    QPdfDocument pdf;
    QCOMPARE(pdf.load(printer.outputFileName()), QPdfDocument::Error::None);
    QVERIFY(pdf.pageCount() > 1);
    QVERIFY(pdf.getAllText(0).text().contains(QStringLiteral("Line 1")));
    QVERIFY(pdf.getAllText(pdf.pageCount() - 1).text().contains(QStringLiteral("Line 300")));
}

QTEST_MAIN(TestResultsPrinter)
#include "tst_resultsprinter.moc"
