// The package the executable carries is the package the build made.

#include "course/coursepackage.h"
#include "embeddedcourse.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestEmbeddedCourse : public QObject
{
    Q_OBJECT

private slots:
    void carriesEveryResourceByteForByte();
};

void TestEmbeddedCourse::carriesEveryResourceByteForByte()
{
    QVERIFY(registerEmbeddedCourse());
    QVERIFY(registerEmbeddedCourse());
    const CoursePackage embedded = CoursePackage::embedded();
    QVERIFY(embedded.isAvailable());

    const QDir built(QStringLiteral(QUORVALE_COURSE_PACKAGE_DIR));
    const QStringList names = built.entryList(QDir::Files);
    QVERIFY(names.contains(QStringLiteral("30000")));
    QCOMPARE(QDir(embedded.root()).entryList(QDir::Files).size(), names.size());
    for (const QString &name : names) {
        QFile file(built.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<QByteArray> bytes = embedded.resource(name.toInt());
        QVERIFY2(bytes && *bytes == file.readAll(), qPrintable(name));
    }
}

QTEST_APPLESS_MAIN(TestEmbeddedCourse)
#include "tst_embeddedcourse.moc"
