#include "course/codepage.h"
#include "course/taggedrecords.h"

#include "filesizelimit.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace TestFiles;

using namespace TaggedRecords;

class TestTaggedRecords : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QByteArray &bytes)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QStringLiteral("file%1.txt").arg(++n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture");
        return path;
    }

private slots:
    void lookup_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("line");

        QTest::newRow("case is ignored") << QByteArray("...\r\n#fse#>1>2\r\n") << "FSE" << "#fse#>1>2";
        QTest::newRow("page key does not match paper key")
            << QByteArray("#15101#>a\r\n#101#>b\r\n") << "101" << "#101#>b";
        QTest::newRow("first line wins, even inside a field")
            << QByteArray("#102#>x#101#y\r\n#101#>b\r\n") << "101" << "#102#>x#101#y";
        QTest::newRow("missing record") << QByteArray("#101#>a\r\n") << "102" << "";
        QTest::newRow("last line without CR LF") << QByteArray("...\r\n#101#>a>b") << "101" << "#101#>a>b";
        QTest::newRow("LF line ends") << QByteArray("#101#>a\n#102#>b\n") << "102" << "#102#>b";
    }

    void lookup()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, line);
        QCOMPARE(ReadTaggedLine(writeFile(file), key), line);
    }

    void readTaggedValue_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("#NME#>Course\r\n") << "Course";
        QTest::newRow("nothing after the >") << QByteArray("#NME#>\r\n") << "";
        QTest::newRow("rest of line, > included") << QByteArray("#NME#>A>B\r\n") << "A>B";
        QTest::newRow("no record") << QByteArray("#COD#>XY\r\n") << "";
    }

    void readTaggedValue()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, value);
        QCOMPARE(ReadTaggedValue(writeFile(file), QStringLiteral("NME")), value);
    }

    void splitting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("three of three") << "#TN1#>Grammar>Vocabulary>Word Order" << 3 << 3
                                        << QStringList{"Grammar", "Vocabulary", "Word Order"};
        QTest::newRow("last field takes the rest") << "#TN1#>Grammar>Vocabulary>Word Order" << 2 << 2
                                                   << QStringList{"Grammar", "Vocabulary>Word Order"};
        QTest::newRow("padded to capacity") << "#TN1#>a>b>c" << 2 << 4 << QStringList{"a", "b>c", "", ""};
        QTest::newRow("empty fields") << "#101#>>>" << 3 << 3 << QStringList{"", "", ""};
        QTest::newRow("fewer fields than asked") << "#101#>a" << 3 << 3 << QStringList{"a", "", ""};
        QTest::newRow("empty line") << "" << 2 << 2 << QStringList{"", ""};
    }

    void splitting()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(int, capacity);
        QFETCH(QStringList, fields);
        QCOMPARE(SplitTaggedLine(line, n, capacity), fields);
    }

    void readTaggedFieldsFillsCapacity()
    {
        const QString path = writeFile("#TN1#>a>b>c\r\n");
        const QStringList fields = ReadTaggedFields(path, QStringLiteral("TN1"), 2, 10);
        QCOMPARE(fields.size(), 10);
        QCOMPARE(fields.mid(0, 3), (QStringList{"a", "b>c", ""}));
    }

    void readAllTaggedFields_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("two pages") << QByteArray("#101#>15001>15002\r\n") << QStringList{"15001", "15002"};
        QTest::newRow("two empty") << QByteArray("#101#>>\r\n") << QStringList{"", ""};
        QTest::newRow("no record") << QByteArray("#102#>1\r\n") << QStringList{};
    }

    void readAllTaggedFields()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, fields);
        QCOMPARE(ReadAllTaggedFields(writeFile(file), QStringLiteral("101")), fields);
    }

    void forwardSearchNeverGoesBack()
    {
        const QString path = writeFile("...\r\n#15201#>a>b\r\n#15202#>c\r\n...\r\n");
        QCOMPARE(ReadFieldsForKeys(path, {"15201", "15202"}, 2), (QStringList{"a", "b", "c"}));
        QCOMPARE(CountTaggedFields(path, {"15201", "15202"}, 2), (QList<int>{2, 1}));
        QCOMPARE(ReadFieldsForKeys(path, {"15202", "15201"}, 2), (QStringList{"c"}));
        QCOMPARE(CountTaggedFields(path, {"15202", "15201"}, 2), (QList<int>{1, 0}));
    }

    void readPaperRows()
    {
        const QString path = writeFile("...\r\n#101#>a\r\n#102#>b\r\n...");
        const QStringList rows = ReadPaperRows(path, 3);
        QCOMPARE(rows.size(), 50);
        QCOMPARE(rows.mid(0, 4), (QStringList{"#101#>a", "#102#>b", "", ""}));
    }

    void readPaperRowsLosesRowsAfterAGap()
    {
        // The search never goes back: once row 102 runs to the end of the
        // file, 103 is not found either. The progress store checks a file's
        // shape before trusting its rows for this reason.
        const QString path = writeFile("#101#>a\r\n#103#>c\r\n");
        QCOMPARE(ReadPaperRows(path, 3).mid(0, 3), (QStringList{"#101#>a", "", ""}));
    }

    void replacePaperRowDropsTemplateLines()
    {
        const QString path = writeFile("...\r\n#101#>>\r\n#102#>\r\n...");
        QStringList rows = ReadPaperRows(path, 2);
        QVERIFY(ReplacePaperRow(rows, {"x", "y"}, 1, QStringLiteral("101"), 2, 2, path));
        QCOMPARE(readFile(path), QByteArray("#101#>x>y\r\n#102#>\r\n"));
        QCOMPARE(rows.at(0), QStringLiteral("#101#>x>y"));
    }

    void replacePaperRowWritesMissingRowsEmpty()
    {
        const QString path = writeFile("#101#>a\r\n");
        QStringList rows = ReadPaperRows(path, 3);
        QVERIFY(ReplacePaperRow(rows, {"z"}, 3, QStringLiteral("103"), 3, 1, path));
        QCOMPARE(readFile(path), QByteArray("#101#>a\r\n\r\n#103#>z\r\n"));
    }

    void writeMarksRecordsWritesSixLines()
    {
        const QString path = writeFile("old");
        const QStringList keys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
        const QList<QStringList> lists(6, QStringList(4, QString()));
        QVERIFY(WriteMarksRecords(lists, keys, 4, path));
        QCOMPARE(readFile(path), QByteArray("#FSE#>>>>\r\n#SSE#>>>>\r\n#LTM#>>>>\r\n#CDD#>>>>\r\n#FST#>>>>\r\n#SST#>>>>\r\n"));
    }

    void resultMarksAreSingleBytes()
    {
        const QString path = m_dir.filePath(QStringLiteral("results.txt"));
        QStringList rows;
        const QStringList marks{QString(QChar(0xFC)), QString(QChar(0xFB))};
        QVERIFY(ReplacePaperRow(rows, marks, 1, QStringLiteral("101"), 1, 2, path));
        QCOMPARE(readFile(path), QByteArray("#101#>\xFC>\xFB\r\n"));
        QCOMPARE(SplitTaggedLine(ReadTaggedLine(path, QStringLiteral("101")), 2, 2), marks);
    }

    void failedRewriteKeepsOldFile()
    {
        const QString path = writeFile("#101#>old\r\n");
        QStringList rows = ReadPaperRows(path, 1);
        QString error;
        {
            const FileSizeLimit diskFull(64);
            QVERIFY(!ReplacePaperRow(rows, {QString(200, u'x')}, 1, QStringLiteral("101"), 1, 1, path, &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), QByteArray("#101#>old\r\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("file")).size(),
                 QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("file")).size());
    }

    void codePageRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
        QCOMPARE(Cp1252::decode("\x80\x99"), QStringLiteral("\u20AC\u2122"));
        QCOMPARE(Cp1252::encode(QStringLiteral("\u0394")), QByteArray("?"));
    }
};

QTEST_APPLESS_MAIN(TestTaggedRecords)
#include "tst_taggedrecords.moc"
