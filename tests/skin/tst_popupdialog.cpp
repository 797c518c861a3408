#include "skin/clickablelabel.h"
#include "skin/imagebutton.h"
#include "skin/picturebox.h"
#include "skin/picturecache.h"
#include "skin/popupdialog.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The pop-up dialog: its layout for one and two buttons and its answer,
// which is "False" whenever the first button did not close it.
class TestPopUpDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void centredOverMaster();
    void allCornersCut();
    void answer_data();
    void answer();
    void noStaleAnswer();

private:
    std::unique_ptr<PopUpDialog> dialog();

    QTemporaryDir m_dir;
    std::shared_ptr<PictureCache> m_cache;
};

void TestPopUpDialog::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_cache = std::make_shared<PictureCache>(m_dir.path());
}

std::unique_ptr<PopUpDialog> TestPopUpDialog::dialog()
{
    return std::make_unique<PopUpDialog>(m_cache, [] { return QPoint(-1000, -1000); });
}

void TestPopUpDialog::layout_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("messageDrop"); // below the top of the picture
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<bool>("secondShown");

    QTest::newRow("saved_one_button") << "Paper saved" << 1 << 7 << "OK" << false;
    QTest::newRow("marking_question_two_buttons")
        << "You have not answered all the questions.  Do you still want to mark your practice?" << 2 << 0 << "Yes"
        << true;
    QTest::newRow("thirty_two_characters_is_short") << QString(32, u'x') << 2 << 7 << "Yes" << true;
    QTest::newRow("thirty_three_characters_is_long") << QString(33, u'x') << 2 << 0 << "Yes" << true;
}

void TestPopUpDialog::layout()
{
    QFETCH(QString, message);
    QFETCH(int, buttons);
    QFETCH(int, messageDrop);
    QFETCH(QString, firstCaption);
    QFETCH(bool, secondShown);

    auto popUp = dialog();
    popUp->CallPop(QStringLiteral("Marking"), message, buttons, nullptr);
    popUp->show();
    QVERIFY(QTest::qWaitForWindowExposed(popUp.get()));

    QCOMPARE(popUp->objectName(), QStringLiteral("frmPopUp"));
    QCOMPARE(popUp->size(), QSize(265, 150));
    auto *info = popUp->findChild<PictureBox *>(QStringLiteral("ImgInfo"));
    auto *text = popUp->findChild<QLabel *>(QStringLiteral("lblMessage"));
    auto *first = popUp->findChild<ImageButton *>(QStringLiteral("But1"));
    auto *second = popUp->findChild<ImageButton *>(QStringLiteral("But2"));
    QCOMPARE(popUp->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Marking"));
    QCOMPARE(text->text(), message);
    QCOMPARE(text->y(), info->y() + messageDrop);
    QCOMPARE(text->x(), info->x() + info->width() + 10);
    QCOMPARE(first->caption()->text(), firstCaption);
    QCOMPARE(second->isVisible(), secondShown);
    QCOMPARE(first->y(), 150 - 25 - 16);
    if (buttons == 1) {
        QCOMPARE(first->x(), (265 - 80) / 2);
    } else {
        QCOMPARE(first->x(), text->x());
        QCOMPARE(second->x(), first->x() + 80 + 10);
        QCOMPARE(second->caption()->text(), QStringLiteral("No"));
    }
}

void TestPopUpDialog::centredOverMaster()
{
    QWidget master;
    master.setGeometry(300, 200, 400, 500);
    auto popUp = dialog();
    popUp->CallPop(QStringLiteral("Quorvale"), QStringLiteral("Paper saved"), 1, &master);
    const QRect over = master.frameGeometry();
    QCOMPARE(popUp->pos(), QPoint(over.x() + (over.width() - 265) / 2, over.y() + (over.height() - 150) / 2));
}

void TestPopUpDialog::allCornersCut()
{
    auto popUp = dialog();
    popUp->CallPop(QStringLiteral("Quorvale"), QStringLiteral("Paper saved"), 1, nullptr);
    const QRegion mask = popUp->mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(264, 0)));
    QVERIFY(!mask.contains(QPoint(0, 149)));
    QVERIFY(!mask.contains(QPoint(264, 149)));
    QVERIFY(mask.contains(QPoint(132, 75)));
}

void TestPopUpDialog::answer_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("response");

    QTest::newRow("yes_button") << "But1" << true;
    QTest::newRow("yes_caption") << "But1_lbl" << true;
    QTest::newRow("no_button") << "But2" << false;
    QTest::newRow("no_caption") << "But2_lbl" << false;
    QTest::newRow("escape") << "escape" << false;
    QTest::newRow("closed_by_window_system") << "close" << false;
}

void TestPopUpDialog::answer()
{
    QFETCH(QString, action);
    QFETCH(bool, response);

    auto popUp = dialog();
    popUp->CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
    popUp->open();
    QVERIFY(QTest::qWaitForWindowExposed(popUp.get()));
    if (action == u"escape") {
        QTest::keyClick(popUp.get(), Qt::Key_Escape);
    } else if (action == u"close") {
        popUp->close();
    } else {
        QWidget *target = popUp->findChild<QWidget *>(action);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 10));
    }
    QVERIFY(!popUp->isVisible());
    QCOMPARE(popUp->response(), response);
}

void TestPopUpDialog::noStaleAnswer()
{
    auto popUp = dialog();
    popUp->CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
    popUp->open();
    popUp->findChild<ImageButton *>(QStringLiteral("But1"))->click();
    QVERIFY(popUp->response());

    popUp->CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, nullptr);
    popUp->open();
    popUp->close();
    QVERIFY(!popUp->response());
}

QTEST_MAIN(TestPopUpDialog)
#include "tst_popupdialog.moc"
