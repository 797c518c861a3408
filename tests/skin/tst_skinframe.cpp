#include "skin/imagebutton.h"
#include "skin/picturebox.h"
#include "skin/picturecache.h"
#include "skin/skinframe.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The self-drawn frame: the window's outline, where the pieces go, and the
// active and inactive looks.
class TestSkinFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shape_data();
    void shape();
    void mask_data();
    void mask();
    void pieces_data();
    void pieces();
    void looks_data();
    void looks();
    void maximiseButton();

private:
    QTemporaryDir m_dir;
    std::shared_ptr<PictureCache> m_cache;
};

void TestSkinFrame::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_cache = std::make_shared<PictureCache>(m_dir.path());
}

void TestSkinFrame::shape_data()
{
    QTest::addColumn<SkinFrame::Kind>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPolygon>("expected");

    const QList<QPoint> top = {QPoint(0, 5),  QPoint(1, 3),  QPoint(2, 2),  QPoint(3, 1),  QPoint(5, 0),
                               QPoint(95, 0), QPoint(97, 1), QPoint(98, 2), QPoint(98, 3), QPoint(100, 5)};
    const auto with = [&top](const QList<QPoint> &rest) { return QPolygon(top + rest); };
    QTest::newRow("main_window_twelve_points")
        << SkinFrame::Kind::Main << QSize(100, 80) << with({QPoint(100, 80), QPoint(0, 80)});
    QTest::newRow("practice_window_twelve_points")
        << SkinFrame::Kind::Practice << QSize(100, 80) << with({QPoint(100, 80), QPoint(0, 80)});
    QTest::newRow("pop_up_eighteen_points")
        << SkinFrame::Kind::PopUp << QSize(100, 80)
        << with({QPoint(100, 73), QPoint(98, 77), QPoint(97, 78), QPoint(93, 80), QPoint(7, 80), QPoint(3, 78),
                 QPoint(2, 77), QPoint(0, 73)});
}

void TestSkinFrame::shape()
{
    QFETCH(SkinFrame::Kind, kind);
    QFETCH(QSize, size);
    QFETCH(QPolygon, expected);
    QCOMPARE(SkinFrame::shape(kind, size), expected);
}

void TestSkinFrame::mask_data()
{
    QTest::addColumn<SkinFrame::Kind>("kind");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    QTest::newRow("main_top_left_cut") << SkinFrame::Kind::Main << QPoint(0, 0) << false;
    QTest::newRow("main_top_right_cut") << SkinFrame::Kind::Main << QPoint(199, 0) << false;
    QTest::newRow("main_middle") << SkinFrame::Kind::Main << QPoint(100, 60) << true;
    QTest::newRow("main_bottom_left_square") << SkinFrame::Kind::Main << QPoint(0, 119) << true;
    QTest::newRow("main_bottom_right_square") << SkinFrame::Kind::Main << QPoint(199, 119) << true;
    QTest::newRow("pop_up_bottom_left_cut") << SkinFrame::Kind::PopUp << QPoint(0, 119) << false;
    QTest::newRow("pop_up_bottom_right_cut") << SkinFrame::Kind::PopUp << QPoint(199, 119) << false;
    QTest::newRow("pop_up_middle") << SkinFrame::Kind::PopUp << QPoint(100, 60) << true;
}

void TestSkinFrame::mask()
{
    QFETCH(SkinFrame::Kind, kind);
    QFETCH(QPoint, point);
    QFETCH(bool, inside);

    QWidget window;
    auto *frame = new SkinFrame(kind, m_cache, {}, &window);
    window.resize(200, 120);
    frame->relayout();
    QCOMPARE(window.mask().contains(point), inside);
}

void TestSkinFrame::pieces_data()
{
    QTest::addColumn<SkinFrame::Kind>("kind");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QRect>("geometry");

    // A 300 x 200 window.
    QTest::newRow("top_left") << SkinFrame::Kind::Main << "BTopLeft" << QRect(0, 0, 48, 28);
    QTest::newRow("top_right") << SkinFrame::Kind::Main << "BTopRight" << QRect(252, 0, 48, 28);
    QTest::newRow("top_centre") << SkinFrame::Kind::Main << "BTopCentre" << QRect(48, 0, 204, 28);
    QTest::newRow("left") << SkinFrame::Kind::Main << "BLeft" << QRect(0, 28, 4, 168);
    QTest::newRow("right") << SkinFrame::Kind::Main << "BRight" << QRect(296, 28, 4, 168);
    QTest::newRow("bottom_left") << SkinFrame::Kind::Main << "BBotLeft" << QRect(0, 196, 6, 4);
    QTest::newRow("bottom") << SkinFrame::Kind::Main << "BBot" << QRect(6, 196, 288, 4);
    QTest::newRow("bottom_right") << SkinFrame::Kind::Main << "BBotRight" << QRect(294, 196, 6, 4);
    QTest::newRow("icon") << SkinFrame::Kind::Main << "ImgIco" << QRect(9, 6, 16, 16);
    QTest::newRow("main_close") << SkinFrame::Kind::Main << "imgProgClose" << QRect(277, 4, 19, 19);
    QTest::newRow("main_minimise") << SkinFrame::Kind::Main << "imgProgMin" << QRect(256, 4, 19, 19);
    QTest::newRow("practice_close") << SkinFrame::Kind::Practice << "imgProgClose" << QRect(276, 4, 19, 19);
    QTest::newRow("practice_maximise") << SkinFrame::Kind::Practice << "imgProgMax" << QRect(255, 4, 19, 19);
    QTest::newRow("practice_minimise") << SkinFrame::Kind::Practice << "imgProgMin" << QRect(234, 4, 19, 19);
    QTest::newRow("pop_up_bottom_left") << SkinFrame::Kind::PopUp << "BBotLeft" << QRect(0, 193, 6, 7);
    QTest::newRow("pop_up_left") << SkinFrame::Kind::PopUp << "BLeft" << QRect(0, 28, 4, 165);
}

void TestSkinFrame::pieces()
{
    QFETCH(SkinFrame::Kind, kind);
    QFETCH(QString, piece);
    QFETCH(QRect, geometry);

    QWidget window;
    auto *frame = new SkinFrame(kind, m_cache, {}, &window);
    window.resize(300, 200);
    frame->relayout();
    QWidget *found = frame->findChild<QWidget *>(piece);
    QVERIFY(found);
    QCOMPARE(found->geometry(), geometry);
}

void TestSkinFrame::looks_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("pointerOverClose");
    QTest::addColumn<QString>("topLeft");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QColor>("caption");

    QTest::newRow("active") << true << false << "border_top_left.bmp" << "prog_blueoff_close.bmp" << QColor(Qt::white);
    QTest::newRow("active_hovered") << true << true << "border_top_left.bmp" << "prog_blue_close.bmp"
                                    << QColor(Qt::white);
    QTest::newRow("inactive") << false << false << "border_white_top_left.bmp" << "prog_white_close.bmp"
                              << QColor(128, 128, 128);
    QTest::newRow("inactive_hovered_keeps_white") << false << true << "border_white_top_left.bmp"
                                                  << "prog_white_close.bmp" << QColor(128, 128, 128);
}

void TestSkinFrame::looks()
{
    QFETCH(bool, active);
    QFETCH(bool, pointerOverClose);
    QFETCH(QString, topLeft);
    QFETCH(QString, close);
    QFETCH(QColor, caption);

    QWidget window;
    auto *frame = new SkinFrame(SkinFrame::Kind::Main, m_cache, {}, &window);
    window.resize(300, 200);
    frame->setActiveLook(!active);
    frame->setActiveLook(active);
    QCOMPARE(frame->isActiveLook(), active);
    QCOMPARE(frame->findChild<PictureBox *>(QStringLiteral("BTopLeft"))->pictureName(), topLeft);
    QCOMPARE(frame->titleLabel()->palette().color(QPalette::WindowText), caption);

    ImageButton *closeButton = frame->closeButton();
    closeButton->refresh(closeButton->mapToGlobal(pointerOverClose ? QPoint(5, 5) : QPoint(-50, -50)));
    QCOMPARE(closeButton->pictureName(), close);
}

void TestSkinFrame::maximiseButton()
{
    QWidget window;
    auto *frame = new SkinFrame(SkinFrame::Kind::Practice, m_cache, {}, &window);
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    frame->setActiveLook(true);
    QCOMPARE(frame->maximiseButton()->pictures().off, QStringLiteral("prog_blueoff_max.bmp"));

    frame->maximiseButton()->click();
    QTRY_VERIFY(window.isMaximized());
    QCOMPARE(frame->maximiseButton()->pictures().off, QStringLiteral("prog_blueoff_norm.bmp"));
    QCOMPARE(frame->maximiseButton()->toolTip(), QStringLiteral("Restore"));

    frame->maximiseButton()->click();
    QTRY_VERIFY(!window.isMaximized());
    QCOMPARE(frame->maximiseButton()->pictures().off, QStringLiteral("prog_blueoff_max.bmp"));

    // A minimised window is left alone.
    window.setWindowState(Qt::WindowMinimized);
    frame->maximiseButton()->click();
    QCOMPARE(window.windowState(), Qt::WindowMinimized);
}

QTEST_MAIN(TestSkinFrame)
#include "tst_skinframe.moc"
