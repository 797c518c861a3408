#include "practicelauncher.h"

#include "practice/paperattempt.h"
#include "practice/practicewindow.h"
#include "skin/dialogs.h"

PracticeLauncher::PracticeLauncher(Contents *contents, CoursePackage package, std::chrono::milliseconds markingPace)
    : QObject(contents)
    , m_contents(contents)
    , m_package(std::move(package))
    , m_pace(markingPace)
{
}

Contents::PracticeWindows PracticeLauncher::hooks()
{
    return {[this](const PaperHandOver &paper) { open(paper); }, [this] { closeAll(); }};
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
    if (m_window)
        m_window->unloadSaving();
}
