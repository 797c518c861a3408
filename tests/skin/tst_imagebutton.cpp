#include "skin/buttonticker.h"
#include "skin/clickablelabel.h"
#include "skin/imagebutton.h"
#include "skin/picturecache.h"
#include "skin/pressflag.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Picture buttons: which picture the pointer, the press flag and the enabled
// state choose, clicks through caption labels and the keyboard, and that
// pictures are decoded once.
class TestImageButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void look_data();
    void look();
    void dragOntoNeighbour();
    void captionLabel();
    void keyboard();
    void tickReadsPointerOnce();
    void tickRestsWhileThePointerIsAway();
    void picturesAreDecodedOnce();

private:
    struct Window
    {
        QWidget window;
        PressFlag flag;
        QPoint pointer;
        ImageButton *first = nullptr;
        ImageButton *second = nullptr;
    };
    void makeWindow(Window &w);

    QTemporaryDir m_dir;
    std::shared_ptr<PictureCache> m_cache;
};

void TestImageButton::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("Graphics"));
    const QList<std::pair<QString, QColor>> pictures = {{QStringLiteral("tool_off.bmp"), Qt::gray},
                                                        {QStringLiteral("tool_on.bmp"), Qt::yellow},
                                                        {QStringLiteral("tool_pressed.bmp"), Qt::red},
                                                        {QStringLiteral("tool_disabled.bmp"), Qt::lightGray}};
    for (const auto &[name, colour] : pictures) {
        QImage image(44, 45, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(m_dir.filePath(QStringLiteral("Graphics/") + name)));
    }
    m_cache = std::make_shared<PictureCache>(m_dir.path());
}

void TestImageButton::makeWindow(Window &w)
{
    const ButtonPictures pictures{QStringLiteral("tool_off.bmp"), QStringLiteral("tool_on.bmp"),
                                  QStringLiteral("tool_pressed.bmp"), QStringLiteral("tool_disabled.bmp")};
    const auto make = [&](int x) {
        auto *button = new ImageButton(m_cache, &w.window);
        button->setPictures(pictures);
        button->setPressFlag(&w.flag);
        button->setPointerSource([&w] { return w.pointer; });
        button->setGeometry(x, 10, 44, 45);
        return button;
    };
    w.first = make(10);
    w.second = make(54);
    w.window.resize(120, 70);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
}

void TestImageButton::look_data()
{
    QTest::addColumn<QPoint>("pointer"); // in the button's own coordinates
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("picture");

    QTest::newRow("away") << QPoint(-20, 5) << false << true << "tool_off.bmp";
    QTest::newRow("over") << QPoint(20, 20) << false << true << "tool_on.bmp";
    QTest::newRow("top_left_corner_is_inside") << QPoint(0, 0) << false << true << "tool_on.bmp";
    QTest::newRow("last_pixel_is_inside") << QPoint(43, 44) << false << true << "tool_on.bmp";
    QTest::newRow("right_edge_is_outside") << QPoint(44, 20) << false << true << "tool_off.bmp";
    QTest::newRow("bottom_edge_is_outside") << QPoint(20, 45) << false << true << "tool_off.bmp";
    QTest::newRow("held_over") << QPoint(20, 20) << true << true << "tool_pressed.bmp";
    QTest::newRow("held_away") << QPoint(-20, 5) << true << true << "tool_off.bmp";
    QTest::newRow("disabled_over") << QPoint(20, 20) << false << false << "tool_disabled.bmp";
    QTest::newRow("disabled_held_over") << QPoint(20, 20) << true << false << "tool_disabled.bmp";
}

void TestImageButton::look()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, held);
    QFETCH(bool, enabled);
    QFETCH(QString, picture);

    Window w;
    makeWindow(w);
    w.first->setEnabled(enabled);
    w.flag.setHeld(held);
    w.pointer = w.first->mapToGlobal(pointer);
    ButtonTicker ticker(&w.window, [&w] { return w.pointer; });
    ticker.tick();
    QCOMPARE(w.first->pictureName(), picture);
}

void TestImageButton::dragOntoNeighbour()
{
    Window w;
    makeWindow(w);
    ButtonTicker ticker(&w.window, [&w] { return w.pointer; });
    QSignalSpy firstClicks(w.first, &ImageButton::clicked);
    QSignalSpy secondClicks(w.second, &ImageButton::clicked);

    w.pointer = w.first->mapToGlobal(QPoint(20, 20));
    QTest::mousePress(w.first, Qt::LeftButton, {}, QPoint(20, 20));
    ticker.tick();
    QVERIFY(w.flag.isHeld());
    QCOMPARE(w.first->look(), ImageButton::Look::Pressed);

    // Still holding the button, the pointer moves onto the neighbour.
    const QPoint overSecond = w.first->mapFromGlobal(w.second->mapToGlobal(QPoint(20, 20)));
    QTest::mouseMove(w.first, overSecond);
    w.pointer = w.second->mapToGlobal(QPoint(20, 20));
    ticker.tick();
    QCOMPARE(w.first->look(), ImageButton::Look::Off);
    QCOMPARE(w.second->look(), ImageButton::Look::Pressed);

    QTest::mouseRelease(w.first, Qt::LeftButton, {}, overSecond);
    ticker.tick();
    QVERIFY(!w.flag.isHeld());
    QCOMPARE(w.first->look(), ImageButton::Look::Off);
    QCOMPARE(w.second->look(), ImageButton::Look::On);
    QCOMPARE(firstClicks.size(), 0);
    QCOMPARE(secondClicks.size(), 0);
}

void TestImageButton::captionLabel()
{
    Window w;
    makeWindow(w);
    ClickableLabel *caption = w.first->addCaption(QStringLiteral("lblTB01"), QStringLiteral("Home"), QRect(0, 24, 44, 17));
    w.first->setHint(QStringLiteral("Load Home page"));
    QCOMPARE(caption->toolTip(), QStringLiteral("Load Home page"));
    QSignalSpy clicks(w.first, &ImageButton::clicked);

    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(10, 5));
    // Pressing on the caption does not count as holding the toolbar button.
    QVERIFY(!w.flag.isHeld());
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(clicks.size(), 1);

    // The caption of a disabled button does nothing.
    w.first->setEnabled(false);
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(clicks.size(), 1);
}

void TestImageButton::keyboard()
{
    Window w;
    makeWindow(w);
    w.first->setHint(QStringLiteral("Print results"));
    QCOMPARE(w.first->accessibleName(), QStringLiteral("Print results"));
    QVERIFY(w.first->focusPolicy() & Qt::TabFocus);

    QSignalSpy clicks(w.first, &ImageButton::clicked);
    QTest::keyClick(w.first, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QTest::keyClick(w.first, Qt::Key_Return);
    QTRY_COMPARE(clicks.size(), 2);
}

void TestImageButton::tickReadsPointerOnce()
{
    Window w;
    makeWindow(w);
    int reads = 0;
    ButtonTicker ticker(&w.window, [&] {
        ++reads;
        return QPoint();
    });
    ticker.tick();
    QCOMPARE(reads, 1);
}

// Away from the window no button can light up, so the tick slows down; the
// pointer coming back (seen on a tick, or as the window's enter event) brings
// the quick tick back at once.
void TestImageButton::tickRestsWhileThePointerIsAway()
{
    Window w;
    makeWindow(w);
    w.pointer = w.window.mapToGlobal(QPoint(-5, -5));
    ButtonTicker ticker(&w.window, [&w] { return w.pointer; });
    QSignalSpy ticks(&ticker, &ButtonTicker::ticked);
    ticker.start();
    QCOMPARE(ticker.interval(), ButtonTicker::fast);
    ticker.tick();
    QCOMPARE(ticker.interval(), ButtonTicker::resting);

    w.pointer = w.first->mapToGlobal(QPoint(20, 20));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&w.window, &enter);
    QCOMPARE(ticks.size(), 2);
    QCOMPARE(ticker.interval(), ButtonTicker::fast);
    QCOMPARE(w.first->look(), ImageButton::Look::On);

    w.pointer = w.window.mapToGlobal(QPoint(w.window.width(), 0));
    ticker.tick();
    QCOMPARE(ticker.interval(), ButtonTicker::resting);
    QCOMPARE(w.first->look(), ImageButton::Look::Off);
    w.pointer = w.window.mapToGlobal(QPoint(w.window.width() - 1, 0));
    ticker.tick();
    QCOMPARE(ticker.interval(), ButtonTicker::fast);
    QVERIFY(ticker.isActive());

    ticker.stop();
    QApplication::sendEvent(&w.window, &enter);
    QVERIFY(!ticker.isActive());
}

void TestImageButton::picturesAreDecodedOnce()
{
    auto cache = std::make_shared<PictureCache>(m_dir.path());
    QWidget window;
    auto *button = new ImageButton(cache, &window);
    button->setPictures({QStringLiteral("tool_off.bmp"), QStringLiteral("tool_on.bmp"), {}, {}});
    button->setGeometry(0, 0, 44, 45);
    QPoint pointer(-100, -100);
    button->setPointerSource([&] { return pointer; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ButtonTicker ticker(&window, [&] { return pointer; });

    button->grab();
    const int afterFirstPaint = cache->filesRead();
    for (int i = 0; i < 20; ++i) {
        ticker.tick();
        button->grab();
    }
    QCOMPARE(cache->filesRead(), afterFirstPaint);

    pointer = button->mapToGlobal(QPoint(5, 5));
    for (int i = 0; i < 20; ++i) {
        ticker.tick();
        button->grab();
    }
    QCOMPARE(cache->filesRead(), afterFirstPaint + 1);

    // Names are matched without regard to case, and a missing picture is looked for once.
    QVERIFY(!cache->picture(QStringLiteral("TOOL_ON.BMP")).isNull());
    QVERIFY(cache->picture(QStringLiteral("missing.bmp")).isNull());
    QVERIFY(cache->picture(QStringLiteral("Missing.bmp")).isNull());
    QCOMPARE(cache->filesRead(), afterFirstPaint + 2);
}

QTEST_MAIN(TestImageButton)
#include "tst_imagebutton.moc"
