// The exact sums the course tool checks answer keys against.

#include "keyexpression.h"

#include <QTest>

class TestKeyExpression : public QObject
{
    Q_OBJECT

private slots:
    void evaluates_data();
    void evaluates();
    void refuses_data();
    void refuses();
    void readsKeys_data();
    void readsKeys();
    void writesValues_data();
    void writesValues();
};

void TestKeyExpression::evaluates_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");

    QTest::newRow("decimals add exactly") << QStringLiteral("3.5 + 0.35") << qint64(77) << qint64(20);
    QTest::newRow("tenths that floating point misses") << QStringLiteral("0.1 + 0.2") << qint64(3) << qint64(10);
    QTest::newRow("products before sums") << QStringLiteral("2 + 3 * 4") << qint64(14) << qint64(1);
    QTest::newRow("brackets first") << QStringLiteral("(2 + 3) * 4") << qint64(20) << qint64(1);
    QTest::newRow("left to right") << QStringLiteral("20 - 5 - 3") << qint64(12) << qint64(1);
    QTest::newRow("division gives a fraction") << QStringLiteral("5/3") << qint64(5) << qint64(3);
    QTest::newRow("fractions in lowest terms") << QStringLiteral("2/4 + 1/4") << qint64(3) << qint64(4);
    QTest::newRow("unary minus") << QStringLiteral("-2 + 5") << qint64(3) << qint64(1);
    QTest::newRow("minus a bracket") << QStringLiteral("-(1/2 - 3)") << qint64(5) << qint64(2);
    QTest::newRow("a point without a whole part") << QStringLiteral(".5 * 6") << qint64(3) << qint64(1);
}

void TestKeyExpression::evaluates()
{
    QFETCH(QString, expression);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QString error;
    const std::optional<Fraction> value = KeyExpression::evaluate(expression, &error);
    QVERIFY2(value, qPrintable(error));
    QCOMPARE(value->numerator(), numerator);
    QCOMPARE(value->denominator(), denominator);
}

void TestKeyExpression::refuses_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("error");

    QTest::newRow("division by zero") << QStringLiteral("1 / (3 - 3)") << QStringLiteral("division by zero");
    QTest::newRow("open bracket") << QStringLiteral("(1 + 2") << QStringLiteral("a bracket is not closed");
    QTest::newRow("trailing operator") << QStringLiteral("1 +") << QStringLiteral("the sum ends too early");
    QTest::newRow("letters") << QStringLiteral("3 x 4") << QStringLiteral("unexpected \"x 4\"");
    QTest::newRow("two points") << QStringLiteral("1.2.3") << QStringLiteral("\"1.2.3\" is not a number");
    QTest::newRow("too large") << QStringLiteral("99999999999 * 99999999999") << QStringLiteral("the numbers grow too large");
}

void TestKeyExpression::refuses()
{
    QFETCH(QString, expression);
    QFETCH(QString, error);
    QString found;
    QVERIFY(!KeyExpression::evaluate(expression, &found));
    QCOMPARE(found, error);
}

void TestKeyExpression::readsKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");

    QTest::newRow("whole") << QStringLiteral("145") << true << qint64(145) << qint64(1);
    QTest::newRow("decimal") << QStringLiteral("3.85") << true << qint64(77) << qint64(20);
    QTest::newRow("negative") << QStringLiteral("-12") << true << qint64(-12) << qint64(1);
    QTest::newRow("fraction") << QStringLiteral("2/3") << true << qint64(2) << qint64(3);
    QTest::newRow("mixed number") << QStringLiteral("1 2/3") << true << qint64(5) << qint64(3);
    QTest::newRow("negative mixed number") << QStringLiteral("-1 2/3") << true << qint64(-5) << qint64(3);
    QTest::newRow("two spaces") << QStringLiteral("1  2/3") << false << qint64(0) << qint64(0);
    QTest::newRow("space without fraction") << QStringLiteral("1 2") << false << qint64(0) << qint64(0);
    QTest::newRow("zero denominator") << QStringLiteral("2/0") << false << qint64(0) << qint64(0);
    QTest::newRow("decimal in a fraction") << QStringLiteral("1.5/2") << false << qint64(0) << qint64(0);
    QTest::newRow("word") << QStringLiteral("pentagon") << false << qint64(0) << qint64(0);
}

void TestKeyExpression::readsKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, isNumber);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    const std::optional<Fraction> value = KeyExpression::keyValue(key);
    QCOMPARE(bool(value), isNumber);
    if (value) {
        QCOMPARE(value->numerator(), numerator);
        QCOMPARE(value->denominator(), denominator);
    }
}

void TestKeyExpression::writesValues_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << QStringLiteral("6 * 7") << QStringLiteral("42");
    QTest::newRow("finite decimal") << QStringLiteral("3.5 + 0.35") << QStringLiteral("3.85");
    QTest::newRow("leading zero of the fraction part") << QStringLiteral("1 + 1/20") << QStringLiteral("1.05");
    QTest::newRow("negative decimal") << QStringLiteral("-1/4") << QStringLiteral("-0.25");
    QTest::newRow("thirds as a mixed number") << QStringLiteral("7/3") << QStringLiteral("2 1/3");
    QTest::newRow("proper fraction") << QStringLiteral("-2/3") << QStringLiteral("-2/3");
}

void TestKeyExpression::writesValues()
{
    QFETCH(QString, expression);
    QFETCH(QString, text);
    const std::optional<Fraction> value = KeyExpression::evaluate(expression, nullptr);
    QVERIFY(value);
    QCOMPARE(value->toString(), text);
}

QTEST_APPLESS_MAIN(TestKeyExpression)
#include "tst_keyexpression.moc"
