#include "progress/datafolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void createsMissingParents()
    {
        QTemporaryDir dir;
        DataFolder folder(dir.filePath(QStringLiteral("a/b/c")));
        QVERIFY(folder.create());
        QVERIFY(QDir(folder.path()).exists());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void refusesAPathThatIsAFile()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("plain")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QString error;
        QVERIFY(!DataFolder(file.fileName() + QStringLiteral("/sub")).create(&error));
        QVERIFY(error.contains(QStringLiteral("sub")));
    }

    void secondCopyFindsTheFolderTaken()
    {
        QTemporaryDir dir;
        DataFolder first(dir.path());
        QCOMPARE(first.lock(), DataFolder::Lock::Taken);
        {
            DataFolder second(dir.path());
            QCOMPARE(second.lock(), DataFolder::Lock::HeldByAnother);
        }
        DataFolder elsewhere(dir.filePath(QStringLiteral("other")));
        QVERIFY(elsewhere.create());
        QCOMPARE(elsewhere.lock(), DataFolder::Lock::Taken);
    }

    void lockIsFreedWithItsOwner()
    {
        QTemporaryDir dir;
        {
            DataFolder first(dir.path());
            QCOMPARE(first.lock(), DataFolder::Lock::Taken);
        }
        DataFolder again(dir.path());
        QCOMPARE(again.lock(), DataFolder::Lock::Taken);
    }

    void defaultIsPerUser()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(!DataFolder::defaultPath().isEmpty());
        QVERIFY(DataFolder::defaultPath().startsWith(QDir::homePath()));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
