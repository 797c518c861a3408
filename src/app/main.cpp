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

struct CommandLine
{
    CommandLine()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Practice papers for school pupils.\n\nProgress is kept in %1 unless "
                                                "--data-dir names another folder.")
                .arg(QDir::toNativeSeparators(DataFolder::defaultPath())));
        // "-reverse" is one of the window system's options, not "-r -e -v...".
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({dataDir, course});
    }

    QCommandLineParser parser;
    const QCommandLineOption dataDir{QStringLiteral("data-dir"),
                                     QCoreApplication::translate("main", "Keep progress and pictures in <folder>."),
                                     QCoreApplication::translate("main", "folder")};
    const QCommandLineOption course{
        QStringLiteral("course"),
        QCoreApplication::translate("main", "Use the course package in <folder> instead of the one built in."),
        QCoreApplication::translate("main", "folder")};
};

// Help and version are answered before the window system is reached, so that
// they work in a terminal without a display. Mistakes wait for parseOptions:
// only the window system knows its own options (-platform, -style...).
void answerHelpOrVersion(int &argc, char **argv)
{
    const QCoreApplication plain(argc, argv);
    CommandLine commandLine;
    commandLine.parser.parse(QCoreApplication::arguments());
    if (commandLine.parser.isSet(QStringLiteral("help")) || commandLine.parser.isSet(QStringLiteral("help-all")))
        commandLine.parser.showHelp(0);
    if (commandLine.parser.isSet(QStringLiteral("version")))
        commandLine.parser.showVersion();
}

// Parses what the window system left of the command line, help and version
// having been answered; exits with status 2 on an unknown option.
Options parseOptions(const QApplication &app)
{
    CommandLine commandLine;
    QCommandLineParser &parser = commandLine.parser;
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(parser.errorText()),
                     qPrintable(QCoreApplication::translate("main", "Try 'quorvale --help'.")));
        std::exit(2);
    }
    return {parser.isSet(commandLine.dataDir) ? parser.value(commandLine.dataDir) : DataFolder::defaultPath(),
            parser.value(commandLine.course)};
}

int refuse(const QString &text)
{
    QMessageBox::warning(nullptr, QStringLiteral("Quorvale"), text);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvale"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVALE_VERSION));
    // Ties the windows to the installed desktop entry, for its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVALE_APP_ID));
    answerHelpOrVersion(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvale"));
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
