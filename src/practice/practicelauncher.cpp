#include "practicelauncher.h"

#include "practice/paperattempt.h"
#include "practice/practicewindow.h"
#include "practice/questionview.h"
#include "skin/dialogs.h"

#include <QEvent>
#include <QTimer>

PracticeLauncher::PracticeLauncher(Contents *contents, CoursePackage package, std::chrono::milliseconds markingPace)
    : QObject(contents)
    , m_contents(contents)
    , m_package(std::move(package))
    , m_pace(markingPace)
{
    contents->installEventFilter(this);
}

// Once the main window has been painted, the web engine is started while the
// pupil looks at it, rather than when the first paper is asked for.
bool PracticeLauncher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_contents && event->type() == QEvent::Paint) {
        m_contents->removeEventFilter(this);
        QTimer::singleShot(0, this, &QuestionView::warmUpEngine);
    }
    return false;
}

Contents::PracticeWindows PracticeLauncher::hooks()
{
    return {[this](const PaperHandOver &paper) { open(paper); }, [this] { closeAll(); }};
}

PracticeWindow *PracticeLauncher::window() const
{
    return m_window;
}

void PracticeLauncher::open(const PaperHandOver &paper)
{
    closeAll();
    const Services &services = m_contents->services();
    const PaperRequest request{paper.subject, paper.paperNum - 100, paper.takeNum, paper.topicCount,
                               paper.topicName};
    PaperAttempt::Opened opened = PaperAttempt::open(m_package, *m_contents->store(), request,
                                                     services.clock);
    if (!opened.attempt) {
        services.dialogs->tell(m_contents, QStringLiteral("Quorvale"), opened.problem);
        return;
    }
    m_window = new PracticeWindow(std::move(opened.attempt),
                                  {m_contents->pictures(), services.dialogs, services.pointer, m_pace});
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
