#include "practicelauncher.h"

#include "practice/paperattempt.h"
#include "practice/practicewindow.h"
#include "skin/dialogs.h"

#include <QTimer>

PracticeLauncher::PracticeLauncher(Contents *contents, CoursePackage package, std::chrono::milliseconds markingPace)
    : QObject(contents)
    , m_contents(contents)
    , m_package(std::move(package))
    , m_pace(markingPace)
{
}

Contents::PracticeWindows PracticeLauncher::hooks()
{
    return {[this](const PaperHandOver &paper) { open(paper); }, [this] { closeAll(); }, [this] { prepare(); }};
}

// Starting the web engine takes a few hundred milliseconds; begun when the
// pointer comes to a load button, most of it has passed by the time of the
// click. It waits for the button to be drawn lit first.
void PracticeLauncher::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    QTimer::singleShot(0, this, [this] { m_contents->services().pageViews.prepare(nullptr); });
}

PracticeWindow *PracticeLauncher::window() const
{
    return m_window;
}

void PracticeLauncher::open(const PaperHandOver &paper)
{
    closeAll();
    const Services &services = m_contents->services();
    QString problem;
    if (!services.pageViews.prepare(&problem)) {
        services.dialogs->tell(m_contents, QStringLiteral("Quorvale"), problem);
        return;
    }
    const PaperRequest request{paper.subject, paper.paperNum - 100, paper.takeNum, paper.topicCount,
                               paper.topicName};
    PaperAttempt::Opened opened = PaperAttempt::open(m_package, *m_contents->store(), request,
                                                     services.clock);
    if (!opened.attempt) {
        services.dialogs->tell(m_contents, QStringLiteral("Quorvale"), opened.problem);
        return;
    }
    m_window = new PracticeWindow(std::move(opened.attempt), {m_contents->pictures(), services.dialogs,
                                                              services.pointer, services.pageViews.create, m_pace});
    connect(m_window, &PracticeWindow::unloaded, m_contents, &Contents::RefreshContents);
    m_window->show();
    m_window->activateWindow();
    emit windowOpened(m_window);
}

void PracticeLauncher::closeAll()
{
    if (!m_window)
        return;
    m_window->unloadSaving();
    // Gone now, not at the next turn of the event loop: when the program
    // ends there is none, and the window's web page must go before the
    // web engine shuts down.
    delete m_window;
}
