#include "contents.h"

#include "aboutpage.h"
#include "course/graphicsinstaller.h"
#include "homepage.h"
#include "practice/practicelauncher.h"
#include "practice/questionviewlibrary.h"
#include "reportcard.h"
#include "reportfigures.h"
#include "resultsprinter.h"
#include "resultsprintout.h"
#include "skin/buttonticker.h"
#include "skin/clickablelabel.h"
#include "skin/imagebutton.h"
#include "skin/picturebox.h"
#include "skin/picturecache.h"
#include "skin/pressflag.h"
#include "skin/skinframe.h"
#include "skin/textfit.h"
#include "skin/twips.h"
#include "trashpage.h"
#include "trendchart.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>

namespace {

constexpr int TabWidth = 79;
constexpr int TabHeight = 27;
constexpr int ToolBarSlots = 4;
const QPoint stripPlace(2, 60);
const QSize stripSize(401, 51);
const QSize pageSize(twips(6015), twips(5655));

// A toolbar slot's caption, hint and picture stem for one kind of tab.
struct ToolBarRole
{
    QString caption;
    QString hint;
    QString picture;
};

ToolBarRole subjectRole(int slot)
{
    switch (slot) {
    case 1:
        return {QStringLiteral("Home"), QStringLiteral("Load Home page"), QStringLiteral("home")};
    case 2:
        return {QStringLiteral("Report"), QStringLiteral("Load Report card"), QStringLiteral("report")};
    case 3:
        return {QStringLiteral("Print"), QStringLiteral("Print results"), QStringLiteral("print")};
    default:
        return {QStringLiteral("Close"), QStringLiteral("Close program"), QStringLiteral("close")};
    }
}

ToolBarRole helpRole(int slot)
{
    switch (slot) {
    case 1:
        return {QStringLiteral("About"), QStringLiteral("About Quorvale"), QStringLiteral("about")};
    case 2:
        return {QStringLiteral("Trash"), QStringLiteral("Trash past results"), QStringLiteral("trash")};
    case 3:
        return {};
    default:
        return {QStringLiteral("Setup"), QStringLiteral("Printer Setup"), QStringLiteral("setup")};
    }
}

// The lists of a marks file, each made to hold exactly one field per paper.
MarksRecords padded(MarksRecords marks, int paperCount)
{
    for (QStringList *list : {&marks.fse, &marks.sse, &marks.ltm, &marks.cdd, &marks.fst, &marks.sst}) {
        list->resize(paperCount);
    }
    return marks;
}

} // namespace

Contents::Contents(CoursePackage package, QString dataDir, Services services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_package(std::move(package))
    , m_dataDir(std::move(dataDir))
    , m_services(std::move(services))
    , m_pictures(std::make_shared<PictureCache>(m_dataDir))
{
    setObjectName(QStringLiteral("Contents"));
    if (!m_services.pointer)
        m_services.pointer = systemPointer();
    if (!m_services.clock)
        m_services.clock = [] { return QDateTime::currentDateTime(); };
    if (!m_services.openWebPage)
        m_services.openWebPage = openWebLink;
    if (!m_services.dialogs)
        m_services.dialogs = std::make_shared<PopUpDialogs>(m_pictures, m_services.pointer);
    if (!m_services.pageViews.prepare)
        m_services.pageViews = QuestionViewLibrary::source();

    QFont font;
    font.setFamilies({QStringLiteral("Arial")});
    font.setPointSizeF(8.25);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(244, 245, 235));
    setPalette(colours);
    setAutoFillBackground(true);

    m_frame = new SkinFrame(SkinFrame::Kind::Main, m_pictures, m_services.pointer, this);
    connect(m_frame, &SkinFrame::closeRequested, this, &Contents::CloseProgram);
    m_ticker = new ButtonTicker(this, m_services.pointer);
    m_pressFlag = new PressFlag(this);

    m_home = new HomePage(m_pictures, m_services.pointer, this);
    m_report = new ReportCard(m_pictures, this);
    m_about = new AboutPage(m_pictures, this);
    m_trash = new TrashPage(m_pictures, m_services.pointer, this);
    m_noSubjects = new QLabel(QStringLiteral("This course carries no subjects, so there are no papers to practise."),
                              this);
    m_noSubjects->setObjectName(QStringLiteral("lblNoSubjects"));
    m_noSubjects->setAlignment(Qt::AlignCenter);
    m_noSubjects->setWordWrap(true);
    m_noSubjects->setMargin(24);
    m_noSubjects->setAutoFillBackground(true);
    QPalette white = m_noSubjects->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_noSubjects->setPalette(white);
    for (QWidget *page : {static_cast<QWidget *>(m_home), static_cast<QWidget *>(m_report),
                          static_cast<QWidget *>(m_about), static_cast<QWidget *>(m_trash),
                          static_cast<QWidget *>(m_noSubjects)}) {
        page->setGeometry(QRect(stripPlace + QPoint(0, stripSize.height()), pageSize));
        page->hide();
    }

    buildTabsAndToolBar();

    connect(m_home, &HomePage::topicClicked, this, &Contents::selectTopic);
    connect(m_home, &HomePage::paperClicked, this, &Contents::OpenPaper);
    connect(m_home, &HomePage::paperApproached, this, [this] {
        if (m_practice.prepare)
            m_practice.prepare();
    });
    connect(m_about, &AboutPage::linkClicked, this, &Contents::OpenWebPage);
    connect(m_trash, &TrashPage::eraseConfirmed, this, &Contents::erase);

    // The practice windows; whoever makes the main window may put others in.
    m_practice = (new PracticeLauncher(this, m_package))->hooks();
}

Contents::~Contents() = default;

void Contents::buildTabsAndToolBar()
{
    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("ScnTabBG"));
    m_strip->setGeometry(QRect(stripPlace, stripSize));
    m_strip->setAutoFillBackground(true);
    auto *rule = new QWidget(m_strip);
    rule->setGeometry(0, stripSize.height() - 1, stripSize.width(), 1);
    rule->setAutoFillBackground(true);
    QPalette black = rule->palette();
    black.setColor(QPalette::Window, Qt::black);
    rule->setPalette(black);

    for (int tab = 1; tab <= HelpTab; ++tab) {
        auto *button = new ImageButton(m_pictures, this);
        button->setObjectName(QStringLiteral("Tab0%1").arg(tab));
        button->setPointerSource(m_services.pointer);
        button->resize(TabWidth, TabHeight);
        ClickableLabel *caption =
            button->addCaption(QStringLiteral("Tab0%1lbl").arg(tab), QString(), QRect(4, 4, TabWidth - 8, 20));
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        connect(button, &ImageButton::clicked, this, [this, tab] { clickTab(tab); });
        m_tabs.append(button);
    }

    const int lefts[ToolBarSlots] = {120, 840, 1560, 2280};
    for (int slot = 1; slot <= ToolBarSlots; ++slot) {
        auto *button = new ImageButton(m_pictures, m_strip);
        button->setObjectName(QStringLiteral("ToolBar0%1").arg(slot));
        button->setPointerSource(m_services.pointer);
        button->setPressFlag(m_pressFlag);
        button->setGeometry(twips(lefts[slot - 1]), twips(65), twips(660), twips(675));
        ClickableLabel *caption = button->addCaption(QStringLiteral("lblTB0%1").arg(slot), QString(),
                                                     QRect(0, twips(420 - 65), button->width(), twips(255)));
        QFont small = caption->font();
        small.setPointSizeF(7.5);
        caption->setFont(small);
        connect(button, &ImageButton::clicked, this, [this, slot] { clickToolBar(slot); });
        m_toolBar.append(button);
    }
}

void Contents::start()
{
    // Pictures first: every window loads its pictures from the Graphics folder.
    Graphics::InstallGraphics(m_package, m_dataDir);
    LoadFramePictures();
    layoutWindow();

    m_course = CourseModel::load(m_package, m_dataDir);
    m_store = std::make_unique<ProgressStore>(m_package, m_dataDir, m_course);
    const QList<ProgressProblem> setAside = m_store->EnsureProgressFiles();

    showCourse();
    layoutTabs();
    m_ticker->start();

    m_subject = m_course.firstPresentSubject();
    m_topicCount = 1;
    if (m_subject != 0) {
        clickTab(m_subject);
    } else {
        clickTab(HelpTab);
        showBody(m_noSubjects);
    }
    show();
    m_ticker->tick();
    reportSetAside(setAside);
}

void Contents::setPracticeWindows(PracticeWindows windows)
{
    m_practice = std::move(windows);
}

void Contents::LoadFramePictures()
{
    m_frame->setIcon(QStringLiteral("QVicon.ico"));
    // Every picture box of the window (borders, bullets, column heads, logo)
    // is decoded here, once, ahead of the first paint.
    const QList<PictureBox *> boxes = findChildren<PictureBox *>();
    for (const PictureBox *box : boxes)
        m_pictures->picture(box->pictureName());
}

void Contents::layoutWindow()
{
    setFixedSize(twips(6070), twips(7380));
    move(twips(60), twips(60));
    m_frame->relayout();
}

void Contents::showCourse()
{
    m_frame->setTitle(m_course.courseName);
    m_about->setProgramName(m_course.courseName);
    for (int tab = 1; tab <= HelpTab; ++tab) {
        ImageButton *button = m_tabs[tab - 1];
        const QString name = tab == HelpTab ? QStringLiteral("Help") : m_course.subject(tab).name;
        button->caption()->setText(name);
        fitTextToWidth(button->caption(), button->caption()->width());
        button->setHint(tab == HelpTab ? QStringLiteral("Help") : u"Load " + name + u" Module");
    }
}

void Contents::layoutTabs()
{
    int x = stripPlace.x();
    for (int tab = 1; tab < HelpTab; ++tab) {
        ImageButton *button = m_tabs[tab - 1];
        if (m_course.isPresent(tab)) {
            button->move(x, button->y());
            x += TabWidth - 4;
        } else {
            // Out of sight and out of the pupil's way.
            button->move(-TabWidth, button->y());
            button->hide();
        }
    }
    m_tabs[HelpTab - 1]->move(x, m_tabs[HelpTab - 1]->y());
}

void Contents::ShowTabSelected(int tab)
{
    for (int t = HelpTab; t >= 1; --t)
        m_tabs[t - 1]->raise();
    m_strip->raise();
    m_tabs[tab - 1]->raise();

    // Tabs stand with their bottom edge over the strip; the selected one
    // stands higher, in front of it.
    for (int t = 1; t <= HelpTab; ++t) {
        ImageButton *button = m_tabs[t - 1];
        const int top = stripPlace.y() - TabHeight + (t == tab ? 1 : 3);
        button->move(button->x(), top);
        const QString stem = t == tab ? QStringLiteral("tabs_front_") : QStringLiteral("tabs_back_");
        button->setPictures({stem + QStringLiteral("off.bmp"), stem + QStringLiteral("on.bmp"), {}, {}});
    }
}

void Contents::clickTab(int tab)
{
    if (tab < 1 || tab > HelpTab || (tab != HelpTab && !m_course.isPresent(tab)))
        return;
    m_tabPos = tab;
    m_toolBarPos = 1;
    m_report->setReportPos(ReportCard::Overall);
    ShowTabSelected(tab);
    if (tab != HelpTab)
        m_subject = tab;
    showToolBarRoles();
    ShowPage();
}

void Contents::clickToolBar(int slot)
{
    if (slot < 1 || slot > ToolBarSlots)
        return;
    m_toolBarPos = slot;
    ShowPage();
}

void Contents::showToolBarRoles()
{
    const bool help = m_tabPos == HelpTab;
    for (int slot = 1; slot <= ToolBarSlots; ++slot) {
        ImageButton *button = m_toolBar[slot - 1];
        const ToolBarRole role = help ? helpRole(slot) : subjectRole(slot);
        button->setVisible(!role.caption.isEmpty());
        if (role.caption.isEmpty())
            continue;
        button->setPictures({role.picture + QStringLiteral("_off.bmp"), role.picture + QStringLiteral("_on.bmp"),
                             role.picture + QStringLiteral("_pressed.bmp"), {}});
        button->caption()->setText(role.caption);
        button->setHint(role.hint);
    }
}

void Contents::ShowPage()
{
    if (m_tabPos == HelpTab) {
        switch (m_toolBarPos) {
        case 1:
            showBody(m_about);
            break;
        case 2:
            m_trash->showAsk();
            showBody(m_trash);
            break;
        case 4:
            PrintSetup();
            break;
        default:
            break;
        }
        return;
    }
    if (m_subject == 0)
        return;
    switch (m_toolBarPos) {
    case 1:
        LoadSubject();
        showBody(m_home);
        break;
    case 2:
        ComputeReport();
        m_report->ArrangeReportSections();
        showBody(m_report);
        break;
    case 3:
        PrintResults();
        break;
    case 4:
        CloseProgram();
        break;
    default:
        break;
    }
}

void Contents::showBody(QWidget *page)
{
    if (m_currentPage && m_currentPage != page)
        m_currentPage->hide();
    m_currentPage = page;
    page->move(m_strip->x(), m_strip->y() + m_strip->height());
    page->show();
    page->raise();
}

void Contents::LoadSubject()
{
    if (!m_course.isPresent(m_subject))
        return;
    const SubjectInfo &subject = m_course.subject(m_subject);
    m_paperCount = subject.paperCount;
    m_marks = padded(m_store->readMarks(m_subject).value_or(MarksRecords::empty(m_paperCount)), m_paperCount);
    m_home->showTopics(subject.topicNames, subject.topicCount);
    if (!m_refreshLog)
        selectTopic(1);
}

void Contents::selectTopic(int topic)
{
    if (topic < 1 || topic > CourseModel::MaxTopics)
        return;
    m_topicCount = 1 + CourseModel::PapersPerTopic * (topic - 1);
    TopicChoosing(m_topicCount);
    m_home->Topicbuttoncolour(topic);
}

void Contents::TopicChoosing(int topicNum)
{
    const int topic = (topicNum - 1) / CourseModel::PapersPerTopic;
    const QString name = m_course.isPresent(m_subject) ? m_course.subject(m_subject).topicNames.value(topic) : QString();
    m_home->TopicChoosing(name, m_marks.fse.mid(topicNum - 1, HomePage::Papers),
                          m_marks.sse.mid(topicNum - 1, HomePage::Papers));
}

QString Contents::SubH1() const
{
    return m_home->SubH1();
}

int Contents::txtReportPos() const
{
    return m_report->txtReportPos();
}

bool Contents::txtPressTrack() const
{
    return m_pressFlag->isHeld();
}

bool Contents::ContentsFocus() const
{
    return m_frame->isActiveLook();
}

PaperHandOver Contents::handOver() const
{
    PaperHandOver paper;
    paper.subject = m_subject;
    paper.courseCode = m_course.courseCode;
    paper.paperNum = m_paperNum;
    paper.takeNum = m_takeNum;
    paper.topicCount = m_topicCount;
    paper.topicName = SubH1();
    paper.paperCount = m_paperCount;
    return paper;
}

void Contents::RefreshContents()
{
    if (!m_course.isPresent(m_subject))
        return;
    m_refreshLog = true;
    LoadSubject();
    selectTopic((m_topicCount - 1) / CourseModel::PapersPerTopic + 1);
    m_refreshLog = false;
}

void Contents::OpenPaper(int paperOffset, int attempt)
{
    m_paperNum = m_topicCount + 100 + paperOffset;
    m_takeNum = attempt;
    closePracticeWindows();
    if (m_practice.open)
        m_practice.open(handOver());
}

void Contents::closePracticeWindows()
{
    if (m_practice.closeAll)
        m_practice.closeAll();
}

void Contents::CloseProgram()
{
    close();
}

void Contents::closeEvent(QCloseEvent *event)
{
    // However the window is closed, practice windows go with it, unasked.
    closePracticeWindows();
    m_ticker->stop();
    event->accept();
}

void Contents::ComputeReport()
{
    const SubjectInfo &subject = m_course.subject(m_subject);
    const ReportFigures figures =
        ::ComputeReport(subject.topicCount, m_paperCount, subject.topicNames, m_marks.fse, m_marks.sse);
    m_report->showFigures(figures, trendValues(m_store->readTrendLine(m_subject)));
}

void Contents::PrintResults()
{
    const SubjectInfo &subject = m_course.subject(m_subject);
    const QList<PrintLine> lines = resultsPrintout(m_course.courseName, subject.topicCount, subject.topicNames,
                                                   m_marks.fse, m_marks.ltm, m_marks.cdd, m_marks.sse);
    Dialogs &dialogs = *m_services.dialogs;
    const QString title = QStringLiteral("Print Results");
    QPrinter &printer = this->printer();
    if (!dialogs.choosePrinter(printer, this)) {
        dialogs.tell(this, title, QStringLiteral("Printing was cancelled: nothing was printed."));
        return;
    }
    const bool toPrinter = printer.outputFormat() == QPrinter::NativeFormat;
    if (!printer.isValid() || (toPrinter && QPrinterInfo::availablePrinters().isEmpty())) {
        dialogs.tell(this, title, QStringLiteral("No printer is available, so nothing was printed."));
        return;
    }
    if (!ResultsPrinter::print(lines, printer))
        dialogs.tell(this, title, QStringLiteral("The printer reported a problem: your results were not printed."));
}

void Contents::PrintSetup()
{
    m_services.dialogs->setUpPrinter(printer(), this);
}

QPrinter &Contents::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void Contents::OpenWebPage()
{
    switch (m_services.openWebPage(AboutPage::makerPage())) {
    case WebLinkResult::Opened:
        break;
    case WebLinkResult::NoBrowser:
        m_services.dialogs->warn(this, QStringLiteral("Browser Not Found"),
                                 QStringLiteral("Could not find associated Browser"));
        break;
    case WebLinkResult::Failed:
        m_services.dialogs->warn(this, QStringLiteral("URL Failed"), QStringLiteral("Web Page not Opened"));
        break;
    }
}

void Contents::erase()
{
    // An open practice window would write its copy of the rows back over the
    // fresh files; close it (saving its page) before the reset.
    closePracticeWindows();
    const QStringList failed = m_store->ResetProgressFiles();
    if (failed.isEmpty()) {
        m_trash->showDone(QStringLiteral("All your past results have been erased."));
        return;
    }
    QStringList subjects;
    for (int s : m_course.presentSubjects()) {
        for (ProgressFile file : ProgressFiles::all()) {
            if (failed.contains(m_store->path(file, s))) {
                subjects.append(m_course.subject(s).name);
                break;
            }
        }
    }
    m_trash->showDone(u"Your past results could not all be erased: the results of " + subjects.join(u" and ")
                      + u" could not be reset. Please check that the program's folder can be written to.");
}

void Contents::reportSetAside(const QList<ProgressProblem> &problems)
{
    if (problems.isEmpty())
        return;
    QStringList lines;
    for (const ProgressProblem &problem : problems) {
        const QString name = QFileInfo(problem.path).fileName();
        if (problem.kind == ProgressProblem::NotCreated)
            lines.append(name + QStringLiteral(" could not be created in ") + QDir::toNativeSeparators(m_dataDir)
                         + u'.');
        else if (problem.keptAs.isEmpty())
            lines.append(name + QStringLiteral(" was damaged and could not be kept."));
        else
            lines.append(name + QStringLiteral(" was damaged; it is kept as ") + QDir::toNativeSeparators(problem.keptAs)
                         + u'.');
    }
    m_services.dialogs->tell(this, m_course.courseName,
                             QStringLiteral("Some of the files that keep your results needed attention. ")
                                 + lines.join(u' '));
}
