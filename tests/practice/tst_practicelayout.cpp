#include "practice/practicelayout.h"

#include <QTest>

class TestPracticeLayout : public QObject
{
    Q_OBJECT

private slots:
    void sheetAndQuestionShareTheWidth_data();
    void sheetAndQuestionShareTheWidth();
    void aHiddenSheetGivesItsWidthToTheQuestion();
    void toolbarKeepsBackAndNextAtTheRight();
    void nothingGoesNegative_data();
    void nothingGoesNegative();
    void opensWithinTheScreen_data();
    void opensWithinTheScreen();
};

void TestPracticeLayout::sheetAndQuestionShareTheWidth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("handle");

    QTest::newRow("opening size") << QSize(800, 600) << 7;
    QTest::newRow("smallest") << PracticeLayout::minimumSize() << 7;
    QTest::newRow("maximised") << QSize(1920, 1050) << 7;
    QTest::newRow("second attempt's wider handle") << QSize(800, 600) << 8;
}

void TestPracticeLayout::sheetAndQuestionShareTheWidth()
{
    QFETCH(QSize, size);
    QFETCH(int, handle);
    const PracticeLayout layout = PracticeLayout::compute(size, true, handle);

    // Borders of 4 on three sides, a 28 title bar and a 51 toolbar strip.
    QCOMPARE(layout.toolStrip, QRect(4, 28, size.width() - 8, 51));
    QCOMPARE(layout.sheet, QRect(size.width() - 4 - 273, 79, 273, size.height() - 83));
    QCOMPARE(layout.handle, QRect(layout.sheet.x() - handle, 79, handle, size.height() - 83));
    QCOMPARE(layout.question, QRect(4, 79, size.width() - 8 - 273 - handle, size.height() - 79 - 25 - 4));
    QCOMPARE(layout.statusStrip, QRect(4, size.height() - 29, layout.question.width(), 25));
    QCOMPARE(layout.questionTitle, QRect(8, 84, layout.question.width() - 24, 25));
    QCOMPARE(layout.sizeGrip, QRect(size.width() - 10, size.height() - 10, 8, 8));
    QCOMPARE(layout.paperSum, QRect(size.width() - 273, 4, 117, 41));
}

void TestPracticeLayout::aHiddenSheetGivesItsWidthToTheQuestion()
{
    const PracticeLayout layout = PracticeLayout::compute(QSize(800, 600), false, 7);
    QVERIFY(layout.sheet.x() >= 800);
    QCOMPARE(layout.handle, QRect(800 - 4 - 7, 79, 7, 517));
    QCOMPARE(layout.question.width(), 800 - 8 - 7);
    QCOMPARE(layout.statusStrip.width(), layout.question.width());
}

void TestPracticeLayout::toolbarKeepsBackAndNextAtTheRight()
{
    const PracticeLayout layout = PracticeLayout::compute(QSize(800, 600), true, 7);
    QCOMPARE(layout.toolButtons.size(), PracticeLayout::ToolButtonCount);
    const QList<int> lefts = {8, 60, 112, 164, 792 - 104, 792 - 52};
    for (int i = 0; i < PracticeLayout::ToolButtonCount; ++i)
        QCOMPARE(layout.toolButtons.at(i), QRect(lefts.at(i), 4, 44, 45));
    // The score box sits between Close and Back.
    QVERIFY(layout.paperSum.left() > layout.toolButtons.at(3).right());
    QVERIFY(layout.paperSum.right() < layout.toolButtons.at(4).left());
}

void TestPracticeLayout::nothingGoesNegative_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("sheetShown");

    QTest::newRow("minimised") << QSize(0, 0) << true;
    QTest::newRow("narrow") << QSize(120, 90) << true;
    QTest::newRow("narrow, sheet hidden") << QSize(10, 10) << false;
}

void TestPracticeLayout::nothingGoesNegative()
{
    QFETCH(QSize, size);
    QFETCH(bool, sheetShown);
    const PracticeLayout layout = PracticeLayout::compute(size, sheetShown, 7);
    for (const QRect &rect : {layout.toolStrip, layout.question, layout.questionTitle, layout.statusStrip,
                              layout.handle, layout.sheet, layout.sizeGrip, layout.paperSum}) {
        QVERIFY(rect.width() >= 0);
        QVERIFY(rect.height() >= 0);
    }
}

void TestPracticeLayout::opensWithinTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("large screen: towards the bottom right")
        << QRect(0, 0, 1920, 1080) << QRect(1920 - 833, 1080 - 667, 800, 600);
    QTest::newRow("screen with a panel on the left")
        << QRect(64, 0, 1856, 1080) << QRect(1920 - 833, 1080 - 667, 800, 600);
    QTest::newRow("small screen: on it, shrunk to fit") << QRect(0, 0, 800, 560) << QRect(0, 0, 800, 560);
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(1920 + 1280 - 833, 1024 - 667, 800, 600);
}

void TestPracticeLayout::opensWithinTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QRect, geometry);
    QCOMPARE(PracticeLayout::openingGeometry(available), geometry);
}

QTEST_APPLESS_MAIN(TestPracticeLayout)
#include "tst_practicelayout.moc"
