#include "skin/textfit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void fitsOrStopsAtTheMinimum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("keepsDesignSize");

        QTest::newRow("short text keeps its font") << "Help" << 71 << true;
        QTest::newRow("long subject name shrinks") << "Mathematics and Statistics" << 71 << false;
        QTest::newRow("no room at all stops at the minimum") << QString(60, u'W') << 10 << false;
    }

    void fitsOrStopsAtTheMinimum()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(bool, keepsDesignSize);
        QLabel label;
        QFont design = label.font();
        design.setPointSizeF(9);
        design.setBold(true);
        label.setFont(design);
        label.setText(text);
        fitTextToWidth(&label, width, 6.0);

        QCOMPARE(label.font().bold(), true);
        QCOMPARE(label.font().pointSizeF() == 9.0, keepsDesignSize);
        QVERIFY(label.font().pointSizeF() >= 6.0);
        if (label.font().pointSizeF() > 6.0)
            QVERIFY(QFontMetrics(label.font()).horizontalAdvance(text) <= width);
    }

    void shorterTextGrowsBack()
    {
        QLabel label;
        QFont design = label.font();
        design.setPointSizeF(9);
        label.setFont(design);
        label.setText(QStringLiteral("A rather long caption indeed"));
        fitTextToWidth(&label, 60);
        QVERIFY(label.font().pointSizeF() < 9.0);
        label.setText(QStringLiteral("Hi"));
        fitTextToWidth(&label, 60);
        QCOMPARE(label.font().pointSizeF(), 9.0);
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
