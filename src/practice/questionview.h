#pragma once

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
// One view serves a window for all its pages.
class QuestionView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit QuestionView(QWidget *parent = nullptr);
    ~QuestionView() override;

    // Starts the web engine, which takes a few hundred milliseconds the first
    // time a view is made in a run. Called while the main window sits idle,
    // it spares the pupil that wait when the first paper opens.
    static void warmUpEngine();

    // Shows the web archive at path, the only file the view may read from now on.
    void showPage(const QString &path);
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
