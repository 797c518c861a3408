// quorvale-skin OUTPUT_DIR: draws every picture of the skin into OUTPUT_DIR,
// under the file names, sizes and formats the program installs them with.
// quorvale-skin --app-icon NAME OUTPUT_DIR: draws the application icon into
// OUTPUT_DIR/<size>x<size>/apps/NAME.png, the layout of an icon theme.

#include "appicon.h"
#include "course/picturetable.h"
#include "paintkit.h"
#include "picturefile.h"
#include "skinpictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeSkinPictures(const QDir &output, QTextStream &err)
{
    QString error;
    for (const PictureEntry &entry : pictureTable()) {
        const QImage picture = drawSkinPicture(entry.fileName, entry.size);
        if (picture.isNull()) {
            err << "quorvale-skin: no drawing for " << entry.fileName << Qt::endl;
            return false;
        }
        if (picture.size() != entry.size) {
            err << "quorvale-skin: " << entry.fileName << " was drawn at the wrong size" << Qt::endl;
            return false;
        }
        if (!writePictureFile(picture, output.filePath(entry.fileName), &error)) {
            err << "quorvale-skin: " << error << Qt::endl;
            return false;
        }
    }
    return true;
}

bool writeAppIcon(const QDir &output, const QString &name, QTextStream &err)
{
    QString error;
    for (const int size : appIconSizes()) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder)) {
            err << "quorvale-skin: cannot create " << output.filePath(folder) << Qt::endl;
            return false;
        }
        const QString path = output.filePath(folder + u'/' + name + QStringLiteral(".png"));
        if (!writePictureFile(drawAppIcon(size), path, &error)) {
            err << "quorvale-skin: " << error << Qt::endl;
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs a GUI application, but never a screen: the build may run headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvale-skin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of the Quorvale skin."));
    parser.addHelpOption();
    const QCommandLineOption appIcon(QStringLiteral("app-icon"),
                                     QStringLiteral("Draw the application icon, named <name>, at every size instead."),
                                     QStringLiteral("name"));
    parser.addOption(appIcon);
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("Folder to write the pictures into."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    QTextStream err(stderr);
    QString error;
    if (!loadSkinFonts(QStringLiteral(QUORVALE_DEJAVU_DIR), &error)) {
        err << "quorvale-skin: " << error << Qt::endl;
        return 1;
    }

    const QDir output(parser.positionalArguments().constFirst());
    if (!output.mkpath(QStringLiteral("."))) {
        err << "quorvale-skin: cannot create " << output.path() << Qt::endl;
        return 1;
    }
    const bool written =
        parser.isSet(appIcon) ? writeAppIcon(output, parser.value(appIcon), err) : writeSkinPictures(output, err);
    return written ? 0 : 1;
}
