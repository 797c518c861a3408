#include "questionviewlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>

#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI; the web engine sets its shared context with it too.
void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

const QString libraryName = QStringLiteral("libquorvale_questionview.so");

QOpenGLContext *shareContext = nullptr;

void dropShareContext()
{
    if (QOpenGLContext::globalShareContext() == shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete shareContext;
    shareContext = nullptr;
}

// The web engine draws through OpenGL contexts that share with one global
// context. A program linked with the web engine makes that context before
// the application object, at start-up; made here, when the library is
// loaded, it costs the main window nothing until a paper opens.
void makeShareContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    shareContext = new QOpenGLContext;
    shareContext->setFormat(QSurfaceFormat::defaultFormat());
    shareContext->create();
    qt_gl_set_global_share_context(shareContext);
    qAddPostRoutine(dropShareContext);
}

// What loading the library found, kept by the source that loaded it.
struct Loaded
{
    QuestionViewEntry::CreateView create = nullptr;
    QString problem;
};

Loaded load(const QStringList &folders)
{
    QStringList tried;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(libraryName);
        if (!QFileInfo::exists(path))
            continue;
        makeShareContext();
        QLibrary library(path);
        // Unloading it would pull the web engine out from under its views.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        const auto start = reinterpret_cast<QuestionViewEntry::StartEngine>(
            library.resolve(QuestionViewEntry::startEngine));
        const auto create = reinterpret_cast<QuestionViewEntry::CreateView>(
            library.resolve(QuestionViewEntry::createView));
        if (!start || !create) {
            tried.append(library.errorString());
            continue;
        }
        start();
        return {create, {}};
    }
    if (tried.isEmpty())
        tried.append(QCoreApplication::translate("QuestionViewLibrary", "%1 is in none of %2.")
                         .arg(libraryName, folders.join(QStringLiteral(", "))));
    return {nullptr, QCoreApplication::translate("QuestionViewLibrary",
                                                 "The question pages cannot be shown: %1")
                         .arg(tried.join(u' '))};
}

} // namespace

namespace QuestionViewLibrary {

QStringList defaultFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(programFolder + u'/' + QStringLiteral(QUORVALE_QUESTIONVIEW_FROM_PROGRAM)),
            programFolder};
}

PageViewSource source(const QStringList &folders)
{
    auto loaded = std::make_shared<std::optional<Loaded>>();
    const QStringList where = folders.isEmpty() ? defaultFolders() : folders;
    PageViewSource views;
    views.prepare = [loaded, where](QString *problem) {
        if (!*loaded)
            *loaded = load(where);
        if (problem)
            *problem = (*loaded)->problem;
        return (*loaded)->create != nullptr;
    };
    views.create = [loaded](QWidget *parent, const PageView::Listener &listener) -> PageView * {
        return *loaded && (*loaded)->create ? (*loaded)->create(parent, listener) : nullptr;
    };
    return views;
}

} // namespace QuestionViewLibrary
