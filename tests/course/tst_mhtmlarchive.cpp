// Question pages as web archives: what is written reads back byte for byte,
// and the reader refuses what the question view could not show.

#include "mhtmlarchive.h"

#include <QTest>

class TestMhtmlArchive : public QObject
{
    Q_OBJECT

private slots:
    void roundTrips_data();
    void roundTrips();
    void writesCrLfAndShortLines();
    void refuses_data();
    void refuses();
};

void TestMhtmlArchive::roundTrips_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("html with equals signs and accents")
        << QByteArray("text/html; charset=utf-8") << QByteArray("<p class=\"x\">caf\xc3\xa9 = 3</p>\n");
    QTest::newRow("spaces before line ends") << QByteArray("text/css") << QByteArray("a { }  \nb\t\n");
    QTest::newRow("a line far longer than 76 characters")
        << QByteArray("text/html") << QByteArray("word ").repeated(60);
    QTest::newRow("escapes at the wrapping point")
        << QByteArray("text/html") << QByteArray("=").repeated(100);
    QTest::newRow("a line that looks like a boundary")
        << QByteArray("text/html") << QByteArray("------=_QuorvalePage\n--\n");
    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary += char(i * 7);
    QTest::newRow("binary picture") << QByteArray("image/png") << binary;
    QTest::newRow("empty part") << QByteArray("text/css") << QByteArray();
}

void TestMhtmlArchive::roundTrips()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, body);

    MhtmlArchive archive;
    archive.subject = "Question 1";
    archive.parts.append({"text/html; charset=utf-8", QByteArray(), "https://quorvale.invalid/p.html", "<p>x</p>"});
    archive.parts.append({type, "part@quorvale.invalid", QByteArray(), body});
    QString error;
    const std::optional<MhtmlArchive> read = MhtmlArchive::parse(archive.toBytes(), &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->subject, archive.subject);
    QCOMPARE(read->parts.size(), 2);
    QCOMPARE(read->parts.at(0).contentLocation, QByteArray("https://quorvale.invalid/p.html"));
    const MhtmlArchive::Part *part = read->partWithContentId("part@quorvale.invalid");
    QVERIFY(part);
    QCOMPARE(part->contentType, type);
    // Line ends inside text parts travel as CR LF.
    QCOMPARE(part->body, part->mimeType().startsWith("text/") ? QByteArray(body).replace("\n", "\r\n") : body);
}

void TestMhtmlArchive::writesCrLfAndShortLines()
{
    MhtmlArchive archive;
    archive.parts.append({"text/html", QByteArray(), QByteArray(), QByteArray("x\ny ").repeated(100) + QByteArray(300, 'z')});
    archive.parts.append({"image/gif", "g@q", QByteArray(), QByteArray(300, '\x01')});
    const QList<QByteArray> lines = archive.toBytes().split('\n');
    QVERIFY(lines.last().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY2(lines.at(i).endsWith('\r') && !lines.at(i).chopped(1).contains('\r'), lines.at(i).constData());
        QVERIFY2(lines.at(i).size() <= 76 + 1, lines.at(i).constData());
    }
}

void TestMhtmlArchive::refuses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray head = "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"b\"\r\n\r\n";
    const QByteArray part = "--b\r\nContent-Type: text/html\r\n\r\n<p>x</p>\r\n";
    QTest::newRow("bare line feeds") << QByteArray(head + part + "--b--\r\n").replace("\r\n", "\n")
                                     << QStringLiteral("its line ends are not all CR LF");
    QTest::newRow("a plain HTML file") << QByteArray("<html></html>\r\n") << QStringLiteral("it has no MIME header");
    QTest::newRow("not multipart/related")
        << QByteArray("Content-Type: text/html\r\n\r\n<p>x</p>\r\n") << QStringLiteral("it is not a multipart/related archive");
    QTest::newRow("no boundary")
        << QByteArray("Content-Type: multipart/related\r\n\r\n" + part) << QStringLiteral("its Content-Type names no boundary");
    QTest::newRow("unterminated") << QByteArray(head + part) << QStringLiteral("its closing boundary is missing");
    QTest::newRow("bad base64")
        << QByteArray(head + "--b\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n\r\n@@@@\r\n--b--\r\n")
        << QStringLiteral("part 1 is not valid base64");
    QTest::newRow("bad quoted-printable")
        << QByteArray(head + "--b\r\nContent-Type: text/html\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n=ZZ\r\n--b--\r\n")
        << QStringLiteral("part 1 is not valid quoted-printable");
}

void TestMhtmlArchive::refuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QString found;
    QVERIFY(!MhtmlArchive::parse(bytes, &found));
    QCOMPARE(found, error);
}

QTEST_APPLESS_MAIN(TestMhtmlArchive)
#include "tst_mhtmlarchive.moc"
