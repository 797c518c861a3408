#include "course/coursepackage.h"
#include "embeddedcourse.h"
#include "main_window/contents.h"
#include "progress/datafolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

namespace {

struct Options
{
    QString dataDir;
    QString courseDir;
};

// Parses the command line; exits with status 2 on an unknown option.
Options parseOptions(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Practice papers for school pupils.\n\nProgress is kept in %1 unless "
                                            "--data-dir names another folder.")
            .arg(QDir::toNativeSeparators(DataFolder::defaultPath())));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QCoreApplication::translate("main", "Keep progress and pictures in <folder>."),
                                     QCoreApplication::translate("main", "folder"));
    const QCommandLineOption course(QStringLiteral("course"),
                                    QCoreApplication::translate(
                                        "main", "Use the course package in <folder> instead of the one built in."),
                                    QCoreApplication::translate("main", "folder"));
    parser.addOptions({dataDir, course});
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(parser.errorText()),
                     qPrintable(QCoreApplication::translate("main", "Try 'quorvale --help'.")));
        std::exit(2);
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    return {parser.isSet(dataDir) ? parser.value(dataDir) : DataFolder::defaultPath(), parser.value(course)};
}

int refuse(const QString &text)
{
    QMessageBox::warning(nullptr, QStringLiteral("Quorvale"), text);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvale"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvale"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVALE_VERSION));
    const Options options = parseOptions(app);

    registerEmbeddedCourse();
    const CoursePackage package =
        options.courseDir.isEmpty() ? CoursePackage::embedded() : CoursePackage::fromFolder(options.courseDir);
    if (!package.isAvailable())
        return refuse(QApplication::translate("main", "No course was found in %1.")
                          .arg(QDir::toNativeSeparators(package.root())));

    DataFolder dataFolder(options.dataDir);
    QString error;
    if (!dataFolder.create(&error))
        return refuse(error);
    if (dataFolder.lock() != DataFolder::Lock::Taken)
        return refuse(QApplication::translate("main", "Quorvale is already running with its progress in %1. "
                                                      "Only one copy can keep the same progress at a time.")
                          .arg(QDir::toNativeSeparators(dataFolder.path())));

    Contents contents(package, dataFolder.path());
    contents.start();
    return app.exec();
}
