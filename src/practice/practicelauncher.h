#pragma once

#include "main_window/contents.h"

#include <QObject>
#include <QPointer>

#include <chrono>

class PracticeWindow;

// Opens the practice windows for the main window, one at a time: a paper
// that cannot be worked is explained in the pop-up dialog instead, and a
// closing window has the main window refresh its home page.
class PracticeLauncher : public QObject
{
    Q_OBJECT

public:
    PracticeLauncher(Contents *contents, CoursePackage package,
                     std::chrono::milliseconds markingPace = std::chrono::milliseconds(200));

    // The hooks the main window calls.
    Contents::PracticeWindows hooks();

    // The open window, if any.
    PracticeWindow *window() const;

    void open(const PaperHandOver &paper);
    void closeAll();
    void prepare();

signals:
    void windowOpened(PracticeWindow *window);

private:
    Contents *m_contents;
    CoursePackage m_package;
    std::chrono::milliseconds m_pace;
    QPointer<PracticeWindow> m_window;
    bool m_prepared = false;
};
