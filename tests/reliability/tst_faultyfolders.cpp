// A data folder that fills up or turns read-only under the program: every
// save and marking says it failed, with a reason to show the pupil, and the
// files on disk stay byte for byte the last good ones.
#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "filesizelimit.h"
#include "practice/paperattempt.h"
#include "progress/progressstore.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace TestFiles;

namespace {

const QString fixtureFolder = QStringLiteral(QUORVALE_FIXTURE_COURSE);

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A folder mounted over for the length of a test: a small tmpfs or a
// read-only view of itself. Needs root (or a user allowed to mount).
class Mount
{
public:
    Mount(const QString &folder, const QStringList &mountArguments)
        : m_folder(folder)
        , m_mounted(run(QStringLiteral("mount"), mountArguments + QStringList{folder}))
    {
    }
    ~Mount()
    {
        if (m_mounted)
            run(QStringLiteral("umount"), {m_folder});
    }
    Mount(const Mount &) = delete;
    Mount &operator=(const Mount &) = delete;

    bool isMounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted;
};

// Fills the file system of folder until a write fails.
void fill(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        qFatal("cannot start the filler");
    const QByteArray block(512, 'f');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'f');
    while (filler.write(byte) == 1) {
    }
}

QMap<QString, QByteArray> progressFiles(const QString &folder)
{
    QMap<QString, QByteArray> files = snapshot(folder);
    files.remove(QStringLiteral("filler"));
    return files;
}

} // namespace

class TestFaultyFolders : public QObject
{
    Q_OBJECT

private slots:
    void everyWriteFailsAndChangesNothing_data();
    void everyWriteFailsAndChangesNothing();
    void aMarkingThatDoesNotFitChangesNothing();
};

void TestFaultyFolders::everyWriteFailsAndChangesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("full disk") << u"full"_qs;
    QTest::newRow("read-only folder") << u"read-only"_qs;
    QTest::newRow("files may not grow") << u"size limit"_qs;
}

void TestFaultyFolders::everyWriteFailsAndChangesNothing()
{
    QFETCH(QString, fault);
    QTemporaryDir dir;
    // A full disk is a small tmpfs filled up; the store lives on it from the start.
    std::unique_ptr<Mount> tmpfs;
    if (fault == u"full") {
        tmpfs = std::make_unique<Mount>(dir.path(), QStringList{u"-t"_qs, u"tmpfs"_qs, u"-o"_qs, u"size=256k"_qs,
                                                                u"tmpfs"_qs});
        if (!tmpfs->isMounted())
            QSKIP("A tmpfs cannot be mounted here (needs root); the full disk is tried with a file size limit.");
    }

    const CoursePackage package = CoursePackage::fromFolder(fixtureFolder);
    ProgressStore store(package, dir.path(), CourseModel::load(package, dir.path()));
    QVERIFY(store.EnsureProgressFiles().isEmpty());
    QDateTime now(QDate(2024, 3, 5), QTime(10, 0));
    const auto clock = [&] { return now; };
    // The last good state: a marked paper, a saved one, a second attempt under way.
    {
        auto marked = PaperAttempt::open(package, store, {1, 2, 1, 1, u"Grammar"_qs}, clock).attempt;
        QVERIFY(marked);
        marked->setPageAnswers({u"took"_qs, u"Eleven"_qs, u"gone"_qs, u"saw"_qs, QString()});
        QVERIFY(marked->mark());
    }
    QVERIFY(store.saveAnswers(1, 1, 1, {u"3"_qs, u"1"_qs, QString()}));
    QVERIFY(store.saveAnswers(1, 2, 2, {u"took"_qs, u"Eleven"_qs, u"went"_qs, QString(), QString()}));
    QVERIFY(store.saveAnswers(2, 1, 1, {u"3.85"_qs}));
    const QMap<QString, QByteArray> good = progressFiles(dir.path());

    std::unique_ptr<Mount> readOnly;
    std::unique_ptr<FileSizeLimit> limit;
    if (fault == u"full") {
        fill(dir.path());
    } else if (fault == u"read-only") {
        if (geteuid() != 0) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            readOnly = std::make_unique<Mount>(dir.path(), QStringList{u"--bind"_qs, u"-o"_qs, u"ro"_qs, dir.path()});
            if (!readOnly->isMounted())
                QSKIP("Root ignores a folder's permissions and no read-only bind mount can be made here.");
        }
    } else {
        limit = std::make_unique<FileSizeLimit>(4);
    }

    QList<StoreResult> results;
    results << store.saveAnswers(1, 1, 1, {u"4"_qs, u"4"_qs, u"4"_qs});
    results << store.recordMarking(1, 1, 1, {{u"a"_qs, u"b"_qs, u"c"_qs}, u"10"_qs, u"0:1:2"_qs, u"5/3/2024"_qs});
    results << store.recordMarking(1, 2, 2, {QStringList(5, u"x"_qs), u"100"_qs, {}, {}});
    results << store.saveAnswers(2, 1, 1, {u"1"_qs, u"2"_qs});
    {
        // A paper already open when the folder went wrong: Save and Mark fail and say why.
        now = now.addSecs(60);
        auto open = PaperAttempt::open(package, store, {1, 1, 1, 1, u"Grammar"_qs}, clock);
        if (open.attempt) {
            open.attempt->setPageAnswers({u"2"_qs});
            results << open.attempt->save();
            results << open.attempt->mark();
            QVERIFY(!open.attempt->isMarked());
            QCOMPARE(open.attempt->answer(1), u"2"_qs);
        } else {
            // Its question page could not be written: the paper does not open, and says so.
            QVERIFY(open.problem.contains(dir.path()));
        }
    }
    const QStringList notReset = store.ResetProgressFiles();

    for (const StoreResult &result : std::as_const(results)) {
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }
    QCOMPARE(notReset.size(), 12);
    limit.reset();
    readOnly.reset();
    QCOMPARE(progressFiles(dir.path()), good);
}

// Results, marks and trend go together: when one of them cannot be stored,
// none is, and the paper stays as it was.
void TestFaultyFolders::aMarkingThatDoesNotFitChangesNothing()
{
    QTemporaryDir dir;
    const CoursePackage package = CoursePackage::fromFolder(fixtureFolder);
    ProgressStore store(package, dir.path(), CourseModel::load(package, dir.path()));
    QVERIFY(store.EnsureProgressFiles().isEmpty());
    const QMap<QString, QByteArray> good = progressFiles(dir.path());
    const QString results = store.path(ProgressFile::FirstResults, 1);
    const QString marks = store.path(ProgressFile::Marks, 1);
    // Room for the new results row but not for the marks.
    const qint64 room = QFileInfo(marks).size() - 1;
    QVERIFY(QFileInfo(results).size() + 8 < room);

    StoreResult marked;
    {
        const FileSizeLimit diskAlmostFull(room);
        marked = store.recordMarking(1, 1, 1, {{u"\u00fc"_qs, u"\u00fb"_qs, u"\u00fc"_qs}, u"66.7"_qs, u"0:1:2"_qs,
                                               u"5/3/2024"_qs});
    }
    QVERIFY(!marked.ok);
    QCOMPARE(progressFiles(dir.path()), good);
}

QTEST_GUILESS_MAIN(TestFaultyFolders)
#include "tst_faultyfolders.moc"
