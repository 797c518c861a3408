#include "practice/answerbox.h"
#include "practice/answersheet.h"
#include "practice/resultmarkview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

Q_DECLARE_METATYPE(AnswerSheet::Variant)

namespace {

SheetRow editableRow(int slot, const QString &kind = u"T"_qs, const QString &answer = QString())
{
    SheetRow row;
    row.slot = slot;
    row.kind = kind;
    row.answer = answer;
    row.maxLength = kind == u"Q" ? 1 : 0;
    row.tall = slot == 1 && kind == u"L";
    row.editable = true;
    return row;
}

QList<SheetRow> page(int count, const QString &kind = u"T"_qs)
{
    QList<SheetRow> rows;
    for (int slot = 1; slot <= count; ++slot)
        rows.append(editableRow(slot, kind));
    return rows;
}

// Types into a row the way a pupil does.
void type(AnswerSheet &sheet, int row, const QString &text)
{
    QWidget *editor = sheet.answerBox(row)->editor();
    editor->setFocus();
    QTest::keyClicks(editor, text);
}

} // namespace

class TestAnswerSheet : public QObject
{
    Q_OBJECT

private slots:
    void showsOneRowPerBlank_data();
    void showsOneRowPerBlank();
    void rowsStack_data();
    void rowsStack();
    void aSentenceGetsATallFirstRow();
    void multipleChoiceTakesOneCharacter();
    void lockedRowsRejectTyping();
    void marksAppearOnlyWhenShown();
    void secondAttemptShowsCarriedOverAndExpectedAnswers();
    void instructionSitsBelowTheRows();
    void focusGoesToTheFirstRowOnlyWhenThereIsOne();
};

void TestAnswerSheet::showsOneRowPerBlank_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one blank") << 1;
    QTest::newRow("three blanks") << 3;
    QTest::newRow("twenty blanks") << 20;
    QTest::newRow("none") << 0;
}

void TestAnswerSheet::showsOneRowPerBlank()
{
    QFETCH(int, count);
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    sheet.resize(sheet.width(), 500);
    sheet.show();
    sheet.showRows(page(count), false);

    QCOMPARE(sheet.rowsShown(), count);
    for (int n = 1; n <= AnswerSheet::RowCount; ++n) {
        QCOMPARE(sheet.rowFrame(n)->objectName(), u"Frame%1"_qs.arg(n));
        QCOMPARE(sheet.rowFrame(n)->isVisibleTo(&sheet), n <= count);
    }
    // "(a)" only when there is a "(b)".
    QCOMPARE(sheet.rowLabel(1)->isVisibleTo(&sheet), count >= 2);
    if (count >= 3)
        QCOMPARE(sheet.rowLabel(3)->text(), u"(c)"_qs);
    QCOMPARE(sheet.rowLabel(20)->text(), u"(t)"_qs);
    QCOMPARE(sheet.pageAnswers().size(), count);
}

void TestAnswerSheet::rowsStack_data()
{
    QTest::addColumn<AnswerSheet::Variant>("variant");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("gap");

    const auto first = AnswerSheet::Variant::FirstAttempt;
    const auto second = AnswerSheet::Variant::SecondAttempt;
    QTest::newRow("15 blanks spread out") << first << 15 << 7;
    QTest::newRow("16 blanks overlap a little") << first << 16 << -1;
    QTest::newRow("second attempt, 15 blanks") << second << 15 << 7;
    QTest::newRow("second attempt, 16 blanks touch") << second << 16 << 0;
}

void TestAnswerSheet::rowsStack()
{
    QFETCH(AnswerSheet::Variant, variant);
    QFETCH(int, count);
    QFETCH(int, gap);

    AnswerSheet sheet(variant);
    sheet.showRows(page(count), false);
    QCOMPARE(sheet.rowFrame(1)->y(), 3);
    for (int n = 2; n <= count; ++n) {
        const QRect above = sheet.rowFrame(n - 1)->geometry();
        QCOMPARE(sheet.rowFrame(n)->y(), above.y() + above.height() + gap);
        QCOMPARE(sheet.rowFrame(n)->height(), 25);
    }
}

void TestAnswerSheet::aSentenceGetsATallFirstRow()
{
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    sheet.show();
    sheet.showRows({editableRow(1, u"L"_qs, u"The cat"_qs)}, false);
    AnswerBox *box = sheet.answerBox(1);
    QVERIFY(box->isTall());
    QCOMPARE(sheet.rowFrame(1)->height(), 140);
    QCOMPARE(box->geometry(), QRect(24, 3, 198, 67));
    QCOMPARE(sheet.resultMark(1)->x(), 24 + 198 + 7);

    // A line break stays in the answer.
    QVERIFY(qobject_cast<QPlainTextEdit *>(box->editor()));
    box->editor()->setFocus();
    QTest::keyClick(box->editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box->editor(), Qt::Key_Return);
    QTest::keyClicks(box->editor(), u"sat."_qs);
    QCOMPARE(sheet.pageAnswers(), QStringList{u"The cat\nsat."_qs});

    // The next page's first row is a word again.
    sheet.showRows({editableRow(1, u"T"_qs, u"took"_qs), editableRow(2)}, false);
    QVERIFY(!box->isTall());
    QVERIFY(qobject_cast<QLineEdit *>(box->editor()));
    QCOMPARE(sheet.rowFrame(1)->height(), 25);
    QCOMPARE(box->geometry(), QRect(24, 3, 105, 17));
    QCOMPARE(sheet.resultMark(1)->x(), 136);
    QCOMPARE(sheet.pageAnswers(), (QStringList{u"took"_qs, QString()}));
}

void TestAnswerSheet::multipleChoiceTakesOneCharacter()
{
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    sheet.show();
    sheet.showRows({editableRow(1, u"Q"_qs), editableRow(2, u"T"_qs)}, false);
    type(sheet, 1, u"23"_qs);
    type(sheet, 2, u"twenty three"_qs);
    QCOMPARE(sheet.pageAnswers(), (QStringList{u"2"_qs, u"twenty three"_qs}));

    // A longer answer already stored is shown whole, not cut.
    sheet.showRows({editableRow(1, u"Q"_qs, u"12"_qs)}, false);
    QCOMPARE(sheet.pageAnswers(), QStringList{u"12"_qs});
}

void TestAnswerSheet::lockedRowsRejectTyping()
{
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    sheet.show();
    SheetRow locked = editableRow(1, u"T"_qs, u"took"_qs);
    locked.editable = false;
    SheetRow tallLocked = editableRow(1, u"L"_qs, u"A sentence."_qs);
    tallLocked.editable = false;

    sheet.showRows({locked}, false);
    type(sheet, 1, u"x"_qs);
    QCOMPARE(sheet.pageAnswers(), QStringList{u"took"_qs});
    sheet.showRows({tallLocked}, false);
    type(sheet, 1, u"x"_qs);
    QCOMPARE(sheet.pageAnswers(), QStringList{u"A sentence."_qs});
}

void TestAnswerSheet::marksAppearOnlyWhenShown()
{
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    sheet.show();
    SheetRow right = editableRow(1);
    right.firstMark = ResultMark::Right;
    SheetRow wrong = editableRow(2);
    wrong.firstMark = ResultMark::Wrong;

    sheet.showRows({right, wrong}, false);
    QVERIFY(!sheet.resultMark(1)->isVisibleTo(&sheet));
    QVERIFY(!sheet.modelAnswer(2)->isVisibleTo(&sheet));

    right.firstMarkShown = wrong.firstMarkShown = true;
    sheet.showRows({right, wrong}, false);
    QVERIFY(sheet.resultMark(1)->isVisibleTo(&sheet));
    QCOMPARE(sheet.resultMark(1)->objectName(), u"FR1"_qs);
    QCOMPARE(sheet.resultMark(1)->mark(), ResultMark::Right);
    QCOMPARE(sheet.resultMark(2)->mark(), ResultMark::Wrong);
    QCOMPARE(sheet.resultMark(2)->accessibleName(), u"Wrong"_qs);
    QVERIFY(!sheet.modelAnswer(2)->isVisibleTo(&sheet));
}

void TestAnswerSheet::secondAttemptShowsCarriedOverAndExpectedAnswers()
{
    AnswerSheet sheet(AnswerSheet::Variant::SecondAttempt);
    sheet.show();

    // Open: the carried-over row is tinted and locked with its first tick
    // beside the box; the other row is white and free.
    SheetRow carried = editableRow(1, u"N"_qs, u"3.85"_qs);
    carried.editable = false;
    carried.tinted = true;
    carried.firstMark = ResultMark::Right;
    carried.firstMarkShown = true;
    SheetRow open = editableRow(2, u"N"_qs, u"150"_qs);
    open.firstMark = ResultMark::Wrong;
    sheet.showRows({carried, open}, false);

    QVERIFY(sheet.answerBox(1)->isTinted() && sheet.answerBox(1)->isReadOnly());
    QVERIFY(!sheet.answerBox(2)->isTinted() && !sheet.answerBox(2)->isReadOnly());
    QCOMPARE(sheet.firstMark(1)->objectName(), u"FR1"_qs);
    QVERIFY(sheet.firstMark(1)->isVisibleTo(&sheet));
    QCOMPARE(sheet.firstMark(1)->x(), 24 + 105 + 7);
    QVERIFY(!sheet.firstMark(2)->isVisibleTo(&sheet));
    QCOMPARE(sheet.resultMark(1)->objectName(), u"SR1"_qs);
    QVERIFY(!sheet.resultMark(1)->isVisibleTo(&sheet));

    // Marked: the second marks, and the expected answer beside the wrong one.
    carried.firstMarkShown = false;
    carried.secondMark = ResultMark::Right;
    carried.secondMarkShown = true;
    open.editable = false;
    open.secondMark = ResultMark::Wrong;
    open.secondMarkShown = true;
    open.modelAnswer = u"145"_qs;
    open.modelAnswerShown = true;
    sheet.showRows({carried, open}, false);

    QVERIFY(!sheet.firstMark(1)->isVisibleTo(&sheet));
    QVERIFY(sheet.resultMark(1)->isVisibleTo(&sheet));
    QCOMPARE(sheet.resultMark(2)->mark(), ResultMark::Wrong);
    QCOMPARE(sheet.resultMark(2)->x(), 136);
    QVERIFY(!sheet.modelAnswer(1)->isVisibleTo(&sheet));
    QVERIFY(sheet.modelAnswer(2)->isVisibleTo(&sheet));
    QCOMPARE(sheet.modelAnswer(2)->text(), u"145"_qs);
    QCOMPARE(sheet.modelAnswer(2)->objectName(), u"M2"_qs);
    QVERIFY(sheet.answerBox(1)->isTinted());
    QVERIFY(!sheet.answerBox(2)->isTinted());
}

void TestAnswerSheet::instructionSitsBelowTheRows()
{
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    QPixmap picture(237, 85);
    picture.fill(Qt::gray);
    sheet.setInstructionPicture(picture);
    sheet.resize(sheet.width(), 400);
    sheet.show();

    sheet.showRows(page(2, u"F"_qs), true);
    QVERIFY(sheet.instruction()->isVisibleTo(&sheet));
    QCOMPARE(sheet.instruction()->geometry().bottom(), 399);
    QCOMPARE(sheet.instruction()->height(), 85);
    sheet.showRows(page(2), false);
    QVERIFY(!sheet.instruction()->isVisibleTo(&sheet));
}

void TestAnswerSheet::focusGoesToTheFirstRowOnlyWhenThereIsOne()
{
    AnswerSheet sheet(AnswerSheet::Variant::FirstAttempt);
    sheet.show();
    sheet.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.showRows({}, false);
    QVERIFY(!sheet.focusFirstRow());
    sheet.showRows(page(2), false);
    QVERIFY(sheet.focusFirstRow());
    QCOMPARE(QApplication::focusWidget(), sheet.answerBox(1)->editor());
}

QTEST_MAIN(TestAnswerSheet)
#include "tst_answersheet.moc"
