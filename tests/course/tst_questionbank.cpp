#include "course/coursepackage.h"
#include "course/graphicsinstaller.h"
#include "course/picturetable.h"
#include "course/questionbank.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestQuestionBank : public QObject
{
    Q_OBJECT

private:
    const CoursePackage m_fixture = CoursePackage::fromFolder(QStringLiteral(QUORVALE_FIXTURE_COURSE));

private slots:
    void numbering_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("paperId");
        QTest::newRow("first") << 1 << 1 << 101;
        QTest::newRow("topic 2 paper 1") << 2 << 1 << 106;
        QTest::newRow("topic 2 paper 3") << 2 << 3 << 108;
        QTest::newRow("last") << 10 << 5 << 150;
    }

    void numbering()
    {
        QFETCH(int, topic);
        QFETCH(int, paper);
        QFETCH(int, paperId);
        const int index = PaperNumbering::paperIndex(topic, paper);
        QCOMPARE(PaperNumbering::paperId(index), paperId);
        QCOMPARE(PaperNumbering::topicOfPaperIndex(index), topic);
    }

    void definitions_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("paperId");
        QTest::addColumn<QList<int>>("slotCounts");
        QTest::addColumn<double>("totalMarks");

        QTest::newRow("three one-slot pages") << 1 << "101" << QList<int>{1, 1, 1} << 3.0;
        QTest::newRow("five blanks on a page") << 1 << "102" << QList<int>{5} << 5.0;
        QTest::newRow("two pages of mixed slots") << 2 << "101" << QList<int>{2, 1} << 6.0;
        QTest::newRow("twenty slots on a page") << 2 << "105" << QList<int>{20} << 20.0;
    }

    void definitions()
    {
        QFETCH(int, subject);
        QFETCH(QString, paperId);
        QFETCH(QList<int>, slotCounts);
        QFETCH(double, totalMarks);
        const PaperDefinition paper = ReadPaperDefinition(m_fixture, subject, paperId);
        QVERIFY2(paper.isComplete(), qPrintable(paper.problem()));
        QCOMPARE(paper.pageSlotCounts, slotCounts);
        QCOMPARE(paper.kinds.size(), paper.keys.size());
        QCOMPARE(paper.totalMarks, totalMarks);
    }

    void slotsFollowPageOrder()
    {
        const PaperDefinition paper = ReadPaperDefinition(m_fixture, 2, QStringLiteral("101"));
        QCOMPARE(paper.keys, (QStringList{"3.85", "145", "1 2/3"}));
        QCOMPARE(paper.kinds, (QStringList{"N", "N", "F"}));
        QCOMPARE(paper.slotOffset(1), 0);
        QCOMPARE(paper.slotOffset(2), 2);
    }

    void incompleteDefinitions_data()
    {
        QTest::addColumn<int>("missingTable");
        QTest::addColumn<QString>("paperId");
        QTest::newRow("no such paper") << 0 << "150";
        QTest::newRow("page list missing") << 2 << "101";
        QTest::newRow("keys missing") << 3 << "101";
        QTest::newRow("kinds missing") << 4 << "101";
        QTest::newRow("marks missing") << 5 << "101";
    }

    void incompleteDefinitions()
    {
        QFETCH(int, missingTable);
        QFETCH(QString, paperId);
        QTemporaryDir dir;
        for (const QString &name : QDir(QStringLiteral(QUORVALE_FIXTURE_COURSE)).entryList(QDir::Files)) {
            if (name != QString::number(CoursePackage::bankTableNumber(1, missingTable)))
                QFile::copy(QStringLiteral(QUORVALE_FIXTURE_COURSE "/") + name, dir.filePath(name));
        }
        const PaperDefinition paper = ReadPaperDefinition(CoursePackage::fromFolder(dir.path()), 1, paperId);
        QVERIFY(!paper.isComplete());
        QVERIFY(!paper.problem().isEmpty());
    }

    void onlyOnePageFileAtATime()
    {
        QTemporaryDir dir;
        QStringList seen;
        {
            QuestionPageFiles pages(m_fixture, dir.path());
            QCOMPARE(pages.ShowQuestionPage(QStringLiteral("15001")), dir.filePath(QStringLiteral("temppaper15001.mht")));
            QCOMPARE(pages.ShowQuestionPage(QStringLiteral("15002")), dir.filePath(QStringLiteral("temppaper15002.mht")));
            seen = QDir(dir.path()).entryList(QDir::Files);
            QVERIFY(pages.ShowQuestionPage(QStringLiteral("19999")).isEmpty());
            QCOMPARE(pages.currentPath(), dir.filePath(QStringLiteral("temppaper15002.mht")));
            QVERIFY(QFile::exists(pages.currentPath()));
        }
        QCOMPARE(seen, QStringList{"temppaper15002.mht"});
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void installsPicturesAndFindsThemByAnyCase()
    {
        QTemporaryDir packageDir;
        for (const PictureEntry &entry : pictureTable()) {
            QFile file(packageDir.filePath(QString::number(entry.number)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(entry.fileName.toUtf8());
        }
        QTemporaryDir dataDir;
        const QString graphics = Graphics::folder(dataDir.path());
        QCOMPARE(Graphics::InstallGraphics(CoursePackage::fromFolder(packageDir.path()), dataDir.path()),
                 int(pictureTable().size()));
        QCOMPARE(QDir(graphics).entryList(QDir::Files).size(), pictureTable().size());

        // A damaged picture is restored at the next start.
        QFile damaged(graphics + QStringLiteral("/home_on.bmp"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("junk that is longer than the picture");
        damaged.close();
        Graphics::InstallGraphics(CoursePackage::fromFolder(packageDir.path()), dataDir.path());
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), QByteArray("home_on.bmp"));

        QCOMPARE(Graphics::picturePath(dataDir.path(), QStringLiteral("Pencil.ico")), graphics + QStringLiteral("/pencil.ico"));
        QCOMPARE(Graphics::picturePath(dataDir.path(), QStringLiteral("HANDLE.BMP")), graphics + QStringLiteral("/Handle.bmp"));
    }

    void pictureTableHasEveryNumberOnce()
    {
        QSet<int> numbers;
        QSet<QString> names;
        for (const PictureEntry &entry : pictureTable()) {
            numbers.insert(entry.number);
            names.insert(entry.fileName.toLower());
            QVERIFY(!entry.size.isEmpty());
        }
        QCOMPARE(numbers.size(), 89);
        QCOMPARE(names.size(), 89);
        QVERIFY(!numbers.contains(38) && !numbers.contains(40));
        QVERIFY(numbers.contains(1) && numbers.contains(92));
    }
};

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
