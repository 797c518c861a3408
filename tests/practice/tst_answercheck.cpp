#include "practice/answercheck.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(ResultMark)

char *toString(ResultMark mark)
{
    return qstrdup(mark == ResultMark::Right ? "Right" : mark == ResultMark::Wrong ? "Wrong" : "None");
}

namespace {

// Expected marks written as one letter per slot: R right, W wrong, - none.
QString marksOf(const QList<ResultMark> &marks)
{
    QString letters;
    for (ResultMark mark : marks)
        letters.append(mark == ResultMark::Right ? u'R' : mark == ResultMark::Wrong ? u'W' : u'-');
    return letters;
}

// The marks of slots firstSlot.. of the paper.
QList<ResultMark> judgeGroup(const QStringList &answers, const QStringList &keys, int firstSlot)
{
    QList<ResultMark> marks;
    for (int slot = firstSlot; slot <= keys.size(); ++slot)
        marks.append(CheckGroupAnswer(answers, keys, slot));
    return marks;
}

const QString space = QStringLiteral(" ");

} // namespace

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private slots:
    void resultMarkTexts();
    void resultMarkFromUnknownText_data();
    void resultMarkFromUnknownText();
    void parseAnswerNumber_data();
    void parseAnswerNumber();
    void checkAnswer_data();
    void checkAnswer();
    void numberAnswersIgnoreTheLocale();
    void checkGroupAnswer_data();
    void checkGroupAnswer();
    void groupModelAnswer_data();
    void groupModelAnswer();
    void modelAnswer_data();
    void modelAnswer();
};

void TestAnswerCheck::resultMarkTexts()
{
    QCOMPARE(resultMarkText(ResultMark::Right), QStringLiteral("\u00FC"));
    QCOMPARE(resultMarkText(ResultMark::Wrong), QStringLiteral("\u00FB"));
    QVERIFY(resultMarkText(ResultMark::None).isEmpty());
    for (ResultMark mark : {ResultMark::Right, ResultMark::Wrong, ResultMark::None})
        QCOMPARE(resultMarkFromText(resultMarkText(mark)), mark);
}

void TestAnswerCheck::resultMarkFromUnknownText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << QStringLiteral("u");
    QTest::newRow("two marks") << QStringLiteral("\u00FC\u00FC");
    QTest::newRow("mark with space") << QStringLiteral(" \u00FB");
}

void TestAnswerCheck::resultMarkFromUnknownText()
{
    QFETCH(QString, text);
    QCOMPARE(resultMarkFromText(text), ResultMark::None);
}

void TestAnswerCheck::parseAnswerNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << QStringLiteral("7") << true << 7.0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << true << 7.0;
    QTest::newRow("decimal") << QStringLiteral("3.850") << true << 3.85;
    QTest::newRow("spaces around") << QStringLiteral("  3.85 ") << true << 3.85;
    QTest::newRow("minus") << QStringLiteral("-2.5") << true << -2.5;
    QTest::newRow("plus") << QStringLiteral("+2") << true << 2.0;
    QTest::newRow("no digits before point") << QStringLiteral(".5") << true << 0.5;
    QTest::newRow("no digits after point") << QStringLiteral("5.") << true << 5.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("spaces only") << QStringLiteral("   ") << false << 0.0;
    QTest::newRow("point alone") << QStringLiteral(".") << false << 0.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << false << 0.0;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << false << 0.0;
    QTest::newRow("unit after") << QStringLiteral("3.85 cm") << false << 0.0;
    QTest::newRow("word") << QStringLiteral("three") << false << 0.0;
    QTest::newRow("decimal comma") << QStringLiteral("3,85") << false << 0.0;
    QTest::newRow("thousands separator") << QStringLiteral("1,000") << false << 0.0;
    QTest::newRow("exponent") << QStringLiteral("1e3") << false << 0.0;
    QTest::newRow("inner space") << QStringLiteral("1 000") << false << 0.0;
    QTest::newRow("space after sign") << QStringLiteral("- 2") << false << 0.0;
    QTest::newRow("tab around") << QStringLiteral("\t7") << false << 0.0;
    QTest::newRow("infinity") << QStringLiteral("inf") << false << 0.0;
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0663") << false << 0.0;
}

void TestAnswerCheck::parseAnswerNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);

    const std::optional<double> parsed = ::parseAnswerNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void TestAnswerCheck::checkAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<ResultMark>("expected");

    const auto R = ResultMark::Right;
    const auto W = ResultMark::Wrong;
    const auto N = QStringLiteral("N");
    const auto T = QStringLiteral("T");
    const auto F = QStringLiteral("F");

    QTest::newRow("N trailing zero in answer") << QStringLiteral("3.850") << QStringLiteral("3.85") << N << R;
    QTest::newRow("N spaces around") << QStringLiteral(" 3.85 ") << QStringLiteral("3.85") << N << R;
    QTest::newRow("N trailing zero in key") << QStringLiteral("7.3") << QStringLiteral("7.30") << N << R;
    QTest::newRow("N leading zeros") << QStringLiteral("007") << QStringLiteral("7") << N << R;
    QTest::newRow("N other value") << QStringLiteral("3.86") << QStringLiteral("3.85") << N << W;
    QTest::newRow("N with unit") << QStringLiteral("3.85 cm") << QStringLiteral("3.85") << N << W;
    QTest::newRow("N empty") << QString() << QStringLiteral("3.85") << N << W;
    QTest::newRow("N word") << QStringLiteral("three") << QStringLiteral("3") << N << W;
    QTest::newRow("N key not a number") << QStringLiteral("abc") << QStringLiteral("abc") << N << W;
    QTest::newRow("N negative zero") << QStringLiteral("-0") << QStringLiteral("0") << N << R;

    QTest::newRow("T case and outer spaces") << QStringLiteral(" ELEVEN ") << QStringLiteral("Eleven") << T << R;
    QTest::newRow("T trailing space") << QStringLiteral("eleven ") << QStringLiteral("Eleven") << T << R;
    QTest::newRow("T full stop") << QStringLiteral("Eleven.") << QStringLiteral("Eleven") << T << W;
    QTest::newRow("T tab is not trimmed") << QStringLiteral("Eleven\t") << QStringLiteral("Eleven") << T << W;
    QTest::newRow("T blank against blank key") << QStringLiteral("   ") << QString() << T << R;
    QTest::newRow("L sentence") << QStringLiteral("Where is it?") << QStringLiteral("Where is it?")
                                << QStringLiteral("L") << R;
    QTest::newRow("L doubled inner space") << QStringLiteral("Where  is it?") << QStringLiteral("Where is it?")
                                           << QStringLiteral("L") << W;
    QTest::newRow("Q same") << QStringLiteral("2") << QStringLiteral("2") << QStringLiteral("Q") << R;
    QTest::newRow("Q leading space") << QStringLiteral(" 2") << QStringLiteral("2") << QStringLiteral("Q") << R;
    QTest::newRow("Q other option") << QStringLiteral("3") << QStringLiteral("2") << QStringLiteral("Q") << W;

    QTest::newRow("F as keyed") << QStringLiteral("1 2/3") << QStringLiteral("1 2/3") << F << R;
    QTest::newRow("F two spaces") << QStringLiteral("1  2/3") << QStringLiteral("1 2/3") << F << R;
    QTest::newRow("F spaced out") << QStringLiteral("1 2 / 3") << QStringLiteral("1 2/3") << F << R;
    QTest::newRow("F outer spaces") << QStringLiteral("  1 2/3  ") << QStringLiteral("1 2/3") << F << R;
    QTest::newRow("F run together") << QStringLiteral("12/3") << QStringLiteral("1 2/3") << F << W;
    QTest::newRow("F key without space") << QStringLiteral("2 / 3") << QStringLiteral("2/3") << F << R;
    QTest::newRow("X case counts") << QStringLiteral("X+1") << QStringLiteral("x+1") << QStringLiteral("X") << W;
    QTest::newRow("X spaces dropped") << QStringLiteral("x + 1") << QStringLiteral("x+1") << QStringLiteral("X") << R;
    QTest::newRow("R spaced out") << QStringLiteral("1 2 / 3") << QStringLiteral("1 2/3") << QStringLiteral("R")
                                  << R;

    QTest::newRow("unknown kind") << QStringLiteral("a") << QStringLiteral("a") << QStringLiteral("Z")
                                  << ResultMark::None;
    QTest::newRow("empty kind") << QStringLiteral("a") << QStringLiteral("a") << QString() << ResultMark::None;
    QTest::newRow("kind letter is case-sensitive") << QStringLiteral("a") << QStringLiteral("a")
                                                   << QStringLiteral("t") << ResultMark::None;
    QTest::newRow("group kind is not a plain kind") << QStringLiteral("a") << QStringLiteral(";a")
                                                    << QStringLiteral("G") << ResultMark::None;
}

void TestAnswerCheck::checkAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, key);
    QFETCH(QString, kind);
    QFETCH(ResultMark, expected);

    QCOMPARE(CheckAnswer(answer, key, kind), expected);
}

void TestAnswerCheck::numberAnswersIgnoreTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const ResultMark point = CheckAnswer(QStringLiteral("3.85"), QStringLiteral("3.85"), QStringLiteral("N"));
    const ResultMark comma = CheckAnswer(QStringLiteral("3,85"), QStringLiteral("3.85"), QStringLiteral("N"));
    const ResultMark grouped = CheckAnswer(QStringLiteral("1.000"), QStringLiteral("1000"), QStringLiteral("N"));
    QLocale::setDefault(previous);

    QCOMPARE(point, ResultMark::Right);
    QCOMPARE(comma, ResultMark::Wrong);
    QCOMPARE(grouped, ResultMark::Wrong);
}

void TestAnswerCheck::checkGroupAnswer_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("firstSlot");
    QTest::addColumn<QString>("expected");

    const QStringList ab = {QStringLiteral(";a;b"), space};
    QTest::newRow("same answer twice") << ab << QStringList{u"a"_qs, u"a"_qs} << 1 << u"RW"_qs;
    QTest::newRow("both alternatives") << ab << QStringList{u"b"_qs, u"a"_qs} << 1 << u"RR"_qs;
    QTest::newRow("blank continuation") << ab << QStringList{u"a"_qs, QString()} << 1 << u"RW"_qs;
    QTest::newRow("wrong lead removes nothing") << ab << QStringList{u"c"_qs, u"a"_qs} << 1 << u"WR"_qs;
    QTest::newRow("case and outer spaces") << ab << QStringList{u" A "_qs, u"B"_qs} << 1 << u"RR"_qs;

    const QStringList colours = {u"1"_qs, u"x"_qs, u"2"_qs, u";red;blue;green"_qs, space, space};
    QTest::newRow("group after other slots")
        << colours << QStringList{u"1"_qs, u"x"_qs, u"2"_qs, u"Blue"_qs, u"blue"_qs, u"green"_qs} << 4 << u"RWR"_qs;
    QTest::newRow("group answered out of order")
        << colours << QStringList{u"1"_qs, u"x"_qs, u"2"_qs, u"pink"_qs, u"red"_qs, u"blue"_qs} << 4 << u"WRR"_qs;

    QTest::newRow("next group starts afresh")
        << QStringList{u";a;b"_qs, space, u";a;b"_qs, space} << QStringList{u"a"_qs, u"b"_qs, u"a"_qs, u"b"_qs}
        << 1 << u"RRRR"_qs;
    QTest::newRow("lead key without separator")
        << QStringList{u"apple"_qs} << QStringList{u"apple"_qs} << 1 << u"W"_qs;
    QTest::newRow("continuation in slot 1") << QStringList{space, space} << QStringList{u"a"_qs, u"a"_qs}
                                            << 1 << u"WW"_qs;
    QTest::newRow("fewer answers than keys") << ab << QStringList{u"a"_qs} << 1 << u"RW"_qs;

    QStringList longKeys{u";a;b"_qs};
    QStringList longAnswers{u"x"_qs};
    for (int i = 0; i < 21; ++i) {
        longKeys.append(space);
        longAnswers.append(u"b"_qs);
    }
    // Slot 22 is the lead's 21st continuation and still belongs to its group;
    // slot 23 is too far from any lead to be right whatever it holds.
    longKeys.append(space);
    longAnswers.append(u"a"_qs);
    QString expected = u"WR"_qs + QString(20, u'W') + u'W';
    QTest::newRow("continuation too far from its lead") << longKeys << longAnswers << 1 << expected;
    longAnswers[21] = u"a"_qs;
    expected = u"WR"_qs + QString(19, u'W') + u"RW"_qs;
    QTest::newRow("21st continuation") << longKeys << longAnswers << 1 << expected;
}

void TestAnswerCheck::checkGroupAnswer()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(int, firstSlot);
    QFETCH(QString, expected);

    QCOMPARE(marksOf(judgeGroup(answers, keys, firstSlot)), expected);
}

void TestAnswerCheck::groupModelAnswer_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc = {u";a;b;c"_qs, space, space};
    QTest::newRow("untaken alternatives in order")
        << abc << QStringList{u"b"_qs, u"x"_qs, u"y"_qs} << QStringList{u"a"_qs, u"a"_qs, u"c"_qs};
    QTest::newRow("nothing answered") << abc << QStringList{QString(), QString(), QString()}
                                      << QStringList{u"a"_qs, u"b"_qs, u"c"_qs};
    QTest::newRow("all taken") << abc << QStringList{u"c"_qs, u"a"_qs, u"b"_qs}
                               << QStringList{QString(), QString(), QString()};
    // A blank lead still shows the first alternative nobody gave.
    QTest::newRow("blank lead after a taken alternative")
        << abc << QStringList{QString(), u"a"_qs, QString()} << QStringList{u"b"_qs, u"c"_qs, u"c"_qs};
    QTest::newRow("empty alternatives skipped") << QStringList{u";a;;b"_qs, space} << QStringList{u"x"_qs, u"y"_qs}
                                                << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("lead key without separator") << QStringList{u"apple"_qs} << QStringList{u"x"_qs}
                                                << QStringList{QString()};
    QTest::newRow("continuation in slot 1") << QStringList{space} << QStringList{u"x"_qs} << QStringList{QString()};
}

void TestAnswerCheck::groupModelAnswer()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);

    QStringList shown;
    for (int slot = 1; slot <= keys.size(); ++slot)
        shown.append(GroupModelAnswer(answers, keys, slot));
    QCOMPARE(shown, expected);
}

void TestAnswerCheck::modelAnswer_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain kind shows its key")
        << QStringList{u"Eleven"_qs} << QStringList{u"ten"_qs} << u"T"_qs << 1 << u"Eleven"_qs;
    QTest::newRow("M first alternative") << QStringList{u";red;blue"_qs} << QStringList{u"pink"_qs} << u"M"_qs << 1
                                         << u"red"_qs;
    QTest::newRow("M single alternative") << QStringList{u";alpha beta"_qs} << QStringList{u"x"_qs} << u"M"_qs << 1
                                          << u"alpha beta"_qs;
    QTest::newRow("M continuation uses its lead")
        << QStringList{u"7"_qs, u";red;blue"_qs, space} << QStringList{u"7"_qs, u"red"_qs, u"pink"_qs} << u"M"_qs
        << 3 << u"red"_qs;
    QTest::newRow("M continuation in slot 1") << QStringList{space} << QStringList{u"x"_qs} << u"M"_qs << 1
                                              << QString();
    QTest::newRow("G hands out alternatives")
        << QStringList{u";a;b;c"_qs, space, space} << QStringList{u"b"_qs, u"x"_qs, u"y"_qs} << u"G"_qs << 3
        << u"c"_qs;
}

void TestAnswerCheck::modelAnswer()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(QString, kind);
    QFETCH(int, slot);
    QFETCH(QString, expected);

    QCOMPARE(ModelAnswer(answers, keys, kind, slot), expected);
}

QTEST_APPLESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
