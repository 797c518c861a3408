#include "questionview.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include <type_traits>

namespace {

// Lets through the page on show and nothing else; the parts of a web archive
// are served from the archive itself and never asked for.
class PageOnlyInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    explicit PageOnlyInterceptor(QuestionView *view)
        : QWebEngineUrlRequestInterceptor(view)
        , m_view(view)
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl() == m_view->pageUrl())
            return;
        info.block(true);
        const QUrl url = info.requestUrl();
        QMetaObject::invokeMethod(m_view, [view = m_view, url] { emit view->requestBlocked(url); },
                                  Qt::QueuedConnection);
    }

private:
    QuestionView *m_view;
};

// Stays on the page the view was told to show: a link, a form or a script
// navigates nowhere and opens no window.
class QuestionPage : public QWebEnginePage
{
public:
    QuestionPage(QWebEngineProfile *profile, QuestionView *view)
        : QWebEnginePage(profile, view)
        , m_view(view)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (isMainFrame && url == m_view->pageUrl()
            && (type == NavigationTypeTyped || type == NavigationTypeOther || type == NavigationTypeReload))
            return true;
        emit m_view->requestBlocked(url);
        return false;
    }

    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

private:
    QuestionView *m_view;
};

bool isCopyOrCut(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut))
        return true;
    return event->modifiers().testFlag(Qt::ControlModifier) && (event->key() == Qt::Key_C || event->key() == Qt::Key_X);
}

} // namespace

QuestionView::QuestionView(QWidget *parent)
    : QWebEngineView(parent)
    , m_profile(new QWebEngineProfile(this))
{
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setSpellCheckEnabled(false);
    m_profile->setUrlRequestInterceptor(new PageOnlyInterceptor(this));

    QWebEngineSettings *settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    settings->setAttribute(QWebEngineSettings::WebGLEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);

    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setPage(new QuestionPage(m_profile, this));
    connect(this, &QWebEngineView::loadFinished, this, &QuestionView::pageShown);
    for (QObject *child : children())
        guard(child);
}

// The page must go before the profile it was made with.
QuestionView::~QuestionView()
{
    delete page();
}

void QuestionView::startEngine()
{
    // A profile starts the engine; this one keeps nothing and is gone at once.
    delete new QWebEngineProfile;
}

QuestionView *QuestionView::create(QWidget *parent, const PageView::Listener &listener)
{
    auto *view = new QuestionView(parent);
    if (listener.pageShown)
        connect(view, &QuestionView::pageShown, view, listener.pageShown);
    if (listener.guardTriggered)
        connect(view, &QuestionView::guardTriggered, view, listener.guardTriggered);
    if (listener.printFinished)
        connect(view, &QWebEngineView::printFinished, view, listener.printFinished);
    return view;
}

void QuestionView::print(QPrinter *printer)
{
    QWebEngineView::print(printer);
}

void QuestionView::showPage(const QString &path)
{
    m_pageUrl = QUrl::fromLocalFile(path);
    setUrl(m_pageUrl);
}

void QuestionView::childEvent(QChildEvent *event)
{
    QWebEngineView::childEvent(event);
    if (event->added())
        guard(event->child());
}

// The page is drawn and fed input by a child widget that the view creates
// and may replace; each one is watched.
void QuestionView::guard(QObject *child)
{
    if (!child->isWidgetType())
        return;
    child->installEventFilter(this);
    static_cast<QWidget *>(child)->setContextMenuPolicy(Qt::NoContextMenu);
}

bool QuestionView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut of the window copies instead.
        if (isCopyOrCut(static_cast<QKeyEvent *>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (isCopyOrCut(static_cast<QKeyEvent *>(event))) {
            emit guardTriggered();
            return true;
        }
        break;
    case QEvent::KeyRelease:
        return isCopyOrCut(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonPress)
                emit guardTriggered();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    case QEvent::ContextMenu:
        return true;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

// The library's entry points, looked up by name when the program loads it.
extern "C" Q_DECL_EXPORT void quorvaleStartWebEngine()
{
    QuestionView::startEngine();
}

extern "C" Q_DECL_EXPORT PageView *quorvaleCreatePageView(QWidget *parent, const PageView::Listener &listener)
{
    return QuestionView::create(parent, listener);
}

static_assert(std::is_same_v<decltype(&quorvaleStartWebEngine), QuestionViewEntry::StartEngine>);
static_assert(std::is_same_v<decltype(&quorvaleCreatePageView), QuestionViewEntry::CreateView>);
