#pragma once

#include "pageview.h"

#include <QUrl>
#include <QWebEngineView>

class QWebEngineProfile;

// The HTML view of the question pages. The pages are course content written
// out as web archives, yet the view stays locked down: a private profile that
// keeps nothing on disk, no request but those for the page on show, no link
// that navigates, no pop-up window, no script, no context menu. Copying,
// cutting and the right mouse button inside the page are swallowed and
// reported through guardTriggered(), for the window to answer.
//
// One view serves a window for all its pages. It is built into the question
// view library with the web engine; the program reaches it as a PageView
// through QuestionViewLibrary.
class QuestionView : public QWebEngineView, public PageView
{
    Q_OBJECT

public:
    explicit QuestionView(QWidget *parent = nullptr);
    ~QuestionView() override;

    // Starts the web engine, which takes a few hundred milliseconds the first
    // time a view is made in a run.
    static void startEngine();
    // A view reporting to listener.
    static QuestionView *create(QWidget *parent, const PageView::Listener &listener);

    QWidget *widget() override { return this; }
    void showPage(const QString &path) override;
    void print(QPrinter *printer) override;
    QUrl pageUrl() const { return m_pageUrl; }

signals:
    void pageShown(bool ok);
    void guardTriggered();
    // A request or navigation for anything but the page on show, refused.
    void requestBlocked(const QUrl &url);

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void guard(QObject *child);

    QWebEngineProfile *m_profile = nullptr;
    QUrl m_pageUrl;
};
