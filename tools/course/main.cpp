// quorvale-course: compiles a course source into the package the program
// carries, and checks a package against everything the program relies on.

#include "coursesource.h"
#include "packagebuilder.h"
#include "packagecheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QString counted(qsizetype count, const char *noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun), count == 1 ? QString() : QStringLiteral("s"));
}

int build(const QStringList &arguments, const QString &pictures)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: quorvale-course build [--pictures DIR] SOURCE_DIR PACKAGE_DIR\n";
        return 2;
    }
    QStringList errors;
    const std::optional<CourseSource> course = CourseSource::read(arguments.at(1), &errors);
    QMap<int, QByteArray> resources;
    if (course)
        resources = PackageBuilder::courseResources(*course);
    if (!pictures.isEmpty()) {
        if (const auto pictureResources = PackageBuilder::pictureResources(pictures, &errors))
            resources.insert(*pictureResources);
    }
    if (!errors.isEmpty()) {
        for (const QString &error : std::as_const(errors))
            err << error << '\n';
        err << "quorvale-course: the package was not built (" << counted(errors.size(), "error") << ")\n";
        return 1;
    }
    QString error;
    if (!PackageBuilder::writePackage(resources, arguments.at(2), &error)) {
        err << error << '\n';
        return 1;
    }
    int pages = 0;
    for (const SourceSubject &subject : course->subjects) {
        for (const SourcePaper &paper : subject.papers)
            pages += int(paper.pages.size());
    }
    out << "quorvale-course: built " << counted(course->subjects.size(), "subject") << ", "
        << counted(pages, "question page") << " into " << arguments.at(2) << '\n';
    return 0;
}

int check(const QStringList &arguments)
{
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: quorvale-course check PACKAGE_DIR\n";
        return 2;
    }
    const QStringList problems = PackageCheck::problems(arguments.at(1));
    QTextStream out(stdout);
    for (const QString &problem : problems)
        out << problem << '\n';
    if (!problems.isEmpty()) {
        out << "quorvale-course: " << counted(problems.size(), "problem") << " in " << arguments.at(1) << '\n';
        return 1;
    }
    out << "quorvale-course: " << arguments.at(1) << " is sound\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvale-course"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVALE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Builds the course package the program carries from its source, or checks a package.\n"
        "\n"
        "Commands:\n"
        "  build [--pictures DIR] SOURCE_DIR PACKAGE_DIR\n"
        "      Compile the course source into a package; on any error nothing is written.\n"
        "      The program writes the skin pictures to the Graphics folder of its data folder.\n"
        "      Example: quorvale-course build --pictures ~/.local/share/quorvale/Graphics my-course my-package\n"
        "  check PACKAGE_DIR\n"
        "      Report every problem the program would meet in a package.\n"
        "      Example: quorvale-course check my-package\n"
        "\n"
        "The program uses a built package with: quorvale --course my-package"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
                                            QStringLiteral("Take the skin pictures (resources 1..92) from <dir>."),
                                            QStringLiteral("dir"));
    parser.addOption(picturesOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("build or check, and its arguments"),
                                 QStringLiteral("<command> [arguments...]"));
    QTextStream err(stderr);
    const auto usageError = [&err](const QString &message) {
        err << message << "\nTry 'quorvale-course --help'.\n";
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usageError(QStringLiteral("quorvale-course: no command given (build or check)"));
    const QString command = arguments.constFirst();
    if (command == u"build")
        return build(arguments, parser.value(picturesOption));
    if (command == u"check")
        return check(arguments);
    return usageError(QStringLiteral("quorvale-course: unknown command '%1'").arg(command));
}
