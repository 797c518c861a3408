#include "appicon.h"

#include <QtTest>

// The application icon at each installed size: square at that size, with the
// tile's rounded corners left transparent so that it sits on any background.
class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    void drawnAtEverySize_data();
    void drawnAtEverySize();
};

void TestAppIcon::drawnAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : appIconSizes())
        QTest::addRow("%dx%d", size, size) << size;
}

void TestAppIcon::drawnAtEverySize()
{
    QFETCH(int, size);
    const QImage icon = drawAppIcon(size).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));
    const int last = size - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

QTEST_APPLESS_MAIN(TestAppIcon)
#include "tst_appicon.moc"
