// quorvale-skin OUTPUT_DIR: draws every picture of the skin into OUTPUT_DIR,
// under the file names, sizes and formats the program installs them with.

#include "course/picturetable.h"
#include "paintkit.h"
#include "picturefile.h"
#include "skinpictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Text needs a GUI application, but never a screen: the build may run headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvale-skin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of the Quorvale skin."));
    parser.addHelpOption();
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

    for (const PictureEntry &entry : pictureTable()) {
        const QImage picture = drawSkinPicture(entry.fileName, entry.size);
        if (picture.isNull()) {
            err << "quorvale-skin: no drawing for " << entry.fileName << Qt::endl;
            return 1;
        }
        if (picture.size() != entry.size) {
            err << "quorvale-skin: " << entry.fileName << " was drawn at the wrong size" << Qt::endl;
            return 1;
        }
        if (!writePictureFile(picture, output.filePath(entry.fileName), &error)) {
            err << "quorvale-skin: " << error << Qt::endl;
            return 1;
        }
    }
    return 0;
}
