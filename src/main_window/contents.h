#pragma once

#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "paperhandover.h"
#include "progress/marksrecords.h"
#include "progress/progressstore.h"
#include "services.h"

#include <QList>
#include <QPrinter>
#include <QWidget>

#include <functional>
#include <memory>

class AboutPage;
class ButtonTicker;
class ClickableLabel;
class HomePage;
class ImageButton;
class PictureBox;
class PictureCache;
class PressFlag;
class QLabel;
class ReportCard;
class SkinFrame;
class TrashPage;

// The main window: the course's subjects as tabs, a toolbar whose buttons
// change role with the tab, and one page at a time under it (home page,
// report card, About, erasing past results). It stays open for the whole run
// and hands papers to the practice windows.
class Contents : public QWidget
{
    Q_OBJECT

public:
    // How the main window reaches the practice windows, set by whoever makes them.
    struct PracticeWindows
    {
        // Shows a fresh practice window for the paper.
        std::function<void(const PaperHandOver &)> open;
        // Closes any open practice window without asking; an unmarked paper's
        // answers are saved first. Each closing window calls RefreshContents.
        std::function<void()> closeAll;
        // The pupil is about to choose a paper (the pointer or the keyboard
        // focus came to a load button): a chance to get ready for it.
        std::function<void()> prepare;
    };

    static constexpr int HelpTab = 4;

    Contents(CoursePackage package, QString dataDir, Services services = {}, QWidget *parent = nullptr);
    ~Contents() override;

    // The start-up sequence: installs the pictures, loads the course, makes
    // the progress files, shows the window on the first subject's home page.
    void start();

    void setPracticeWindows(PracticeWindows windows);

    const Services &services() const { return m_services; }
    std::shared_ptr<PictureCache> pictures() const { return m_pictures; }
    const CourseModel &course() const { return m_course; }
    ProgressStore *store() const { return m_store.get(); }
    const MarksRecords &marks() const { return m_marks; }
    SkinFrame *frame() const { return m_frame; }
    ButtonTicker *ticker() const { return m_ticker; }
    // Made on first use: setting up printing loads the print system, which
    // a start-up need not wait for.
    QPrinter &printer();

    // Window state.
    int txtTabPos() const { return m_tabPos; }
    int txtToolBarPos() const { return m_toolBarPos; }
    int txtReportPos() const;
    bool txtPressTrack() const;
    bool ContentsFocus() const;
    int LChose() const { return m_subject; }
    QString lblCOD() const { return m_course.courseCode; }
    int TtPapersCon() const { return m_paperCount; }

    // The selection and the paper handed to a practice window.
    int TopicCount() const { return m_topicCount; }
    int PaperNum() const { return m_paperNum; }
    int TakeNum() const { return m_takeNum; }
    QString SubH1() const;
    bool RefreshLog() const { return m_refreshLog; }
    PaperHandOver handOver() const;

    // The page in front: Body_Home, Body_Report, Body_About, Body_Trash, or
    // lblNoSubjects for a course without subjects.
    QWidget *currentPage() const { return m_currentPage; }

public slots:
    // Re-reads the subject's marks and shows the same topic again; the
    // practice windows call it as they close.
    void RefreshContents();

    void clickTab(int tab);
    void clickToolBar(int slot);
    void selectTopic(int topic);
    void OpenPaper(int paperOffset, int attempt);
    void CloseProgram();
    void OpenWebPage();
    void PrintResults();
    void PrintSetup();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTabsAndToolBar();
    void LoadFramePictures();
    void layoutWindow();
    void showCourse();
    void layoutTabs();
    void ShowTabSelected(int tab);
    void ShowPage();
    void showToolBarRoles();
    void LoadSubject();
    void TopicChoosing(int topicNum);
    void ComputeReport();
    void showBody(QWidget *page);
    void erase();
    void closePracticeWindows();
    void reportSetAside(const QList<ProgressProblem> &problems);

    CoursePackage m_package;
    QString m_dataDir;
    Services m_services;
    std::shared_ptr<PictureCache> m_pictures;
    CourseModel m_course;
    std::unique_ptr<ProgressStore> m_store;
    MarksRecords m_marks;
    PracticeWindows m_practice;
    std::unique_ptr<QPrinter> m_printer;

    SkinFrame *m_frame;
    ButtonTicker *m_ticker;
    PressFlag *m_pressFlag;
    QWidget *m_strip;
    QList<ImageButton *> m_tabs;
    QList<ImageButton *> m_toolBar;
    HomePage *m_home;
    ReportCard *m_report;
    AboutPage *m_about;
    TrashPage *m_trash;
    QLabel *m_noSubjects;
    QWidget *m_currentPage = nullptr;

    int m_tabPos = 1;
    int m_toolBarPos = 1;
    int m_subject = 0;
    int m_paperCount = 0;
    int m_topicCount = 1;
    int m_paperNum = 0;
    int m_takeNum = 0;
    bool m_refreshLog = false;
};
