#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace TestFiles;

class TestCoursePackage : public QObject
{
    Q_OBJECT

private:
    const CoursePackage m_fixture = CoursePackage::fromFolder(QStringLiteral(QUORVALE_FIXTURE_COURSE));

    // A package folder holding only a descriptor with the given lines.
    static CoursePackage descriptorOnly(const QTemporaryDir &dir, const QByteArray &descriptor)
    {
        QFile file(dir.filePath(QStringLiteral("30000")));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write fixture");
        file.write(descriptor);
        return CoursePackage::fromFolder(dir.path());
    }

private slots:
    void extractWritesExactBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        QFile longer(path);
        QVERIFY(longer.open(QIODevice::WriteOnly));
        longer.write(QByteArray(100000, 'z'));
        longer.close();
        QCOMPARE(ExtractResource(m_fixture, 30000, QStringLiteral("Custom"), path), 0);
        QCOMPARE(readFile(path), readFile(QStringLiteral(QUORVALE_FIXTURE_COURSE "/30000")));
    }

    void extractFailures_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("no such resource") << 29999 << "Custom" << "out.txt";
        QTest::newRow("other type") << 30000 << "Bitmap" << "out.txt";
        QTest::newRow("folder missing") << 30000 << "Custom" << "missing/out.txt";
    }

    void extractFailures()
    {
        QFETCH(int, number);
        QFETCH(QString, type);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        QVERIFY(ExtractResource(m_fixture, number, type, path) != 0);
        QVERIFY(!QFile::exists(path));
    }

    void loadsTheFixtureCourse()
    {
        QTemporaryDir dir;
        const CourseModel course = CourseModel::load(m_fixture, dir.path());
        QCOMPARE(course.courseName, QStringLiteral("Fixture Course"));
        QCOMPARE(course.courseCode, QStringLiteral("FX"));
        QCOMPARE(course.presentSubjects(), (QList<int>{1, 2}));
        QCOMPARE(course.subject(1).topicCount, 2);
        QCOMPARE(course.subject(1).paperCount, 10);
        QCOMPARE(course.subject(1).topicNames.size(), 10);
        QCOMPARE(course.subject(1).topicNames.mid(0, 3), (QStringList{"Grammar", "Mock Examination", ""}));
        QCOMPARE(course.subject(3).topicCount, 0);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext30000.txt"))));
    }

    void descriptors_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<int>("topicsOfFirst");

        QTest::newRow("only the second subject")
            << QByteArray("#NME#>C\r\n#COD#>XY\r\n#LAH#>\r\n#LBH#>Maths\r\n#TT2#>6\r\n#TP2#>30\r\n#TN2#>a>b>c>d>e>f\r\n")
            << QList<int>{2} << 6;
        QTest::newRow("count that is not a number")
            << QByteArray("#NME#>C\r\n#COD#>XY\r\n#LAH#>English\r\n#TT1#>five\r\n#TP1#>25\r\n#TN1#>a\r\n")
            << QList<int>{1} << 0;
        QTest::newRow("more than ten topics")
            << QByteArray("#NME#>C\r\n#COD#>XY\r\n#LAH#>English\r\n#TT1#>12\r\n#TP1#>60\r\n#TN1#>a\r\n")
            << QList<int>{1} << 10;
    }

    void descriptors()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(QList<int>, present);
        QFETCH(int, topicsOfFirst);
        QTemporaryDir packageDir;
        QTemporaryDir dataDir;
        const CourseModel course = CourseModel::load(descriptorOnly(packageDir, descriptor), dataDir.path());
        QCOMPARE(course.presentSubjects(), present);
        QCOMPARE(course.subject(present.first()).topicCount, topicsOfFirst);
        QVERIFY(course.subject(present.first()).paperCount <= 50);
    }

    void noDescriptorLeavesTheModelEmpty()
    {
        QTemporaryDir packageDir;
        QTemporaryDir dataDir;
        const CourseModel course = CourseModel::load(CoursePackage::fromFolder(packageDir.path()), dataDir.path());
        QCOMPARE(course.firstPresentSubject(), 0);
        QVERIFY(course.courseName.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCoursePackage)
#include "tst_coursepackage.moc"
