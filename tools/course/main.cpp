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

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Builds the course package from its source, or checks a package.\n\n"
        "  build SOURCE_DIR PACKAGE_DIR   compile the course source into the package\n"
        "  check PACKAGE_DIR              report every problem the program would meet"));
    parser.addHelpOption();
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
                                            QStringLiteral("Take the skin pictures (resources 1..92) from <dir>."),
                                            QStringLiteral("dir"));
    parser.addOption(picturesOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("build or check"));
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    if (command == u"build")
        return build(arguments, parser.value(picturesOption));
    if (command == u"check")
        return check(arguments);
    parser.showHelp(2);
}
