#include "practicewindow.h"

#include "practice/answersheet.h"
#include "practice/paperattempt.h"
#include "practice/practicelayout.h"
#include "practice/scoring.h"
#include "skin/buttonticker.h"
#include "skin/clickablelabel.h"
#include "skin/dialogs.h"
#include "skin/imagebutton.h"
#include "skin/picturebox.h"
#include "skin/picturecache.h"
#include "skin/pressflag.h"
#include "skin/skinframe.h"
#include "skin/textfit.h"
#include "skin/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace {

const QColor panelColour(244, 245, 235);
constexpr int barCount = 15;
constexpr int statusHeight = twips(375);
constexpr int statusCell = twips(960);

enum ToolSlot { Save = 1, Mark, Print, Close, Back, Next };

const QString appTitle = QStringLiteral("Quorvale");

void paint(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

PracticeWindow::PracticeWindow(std::unique_ptr<PaperAttempt> attempt, Context context)
    : QWidget(nullptr, Qt::Window)
    , m_attempt(std::move(attempt))
    , m_context(std::move(context))
    , m_second(m_attempt->isSecondAttempt())
{
    setObjectName(m_second ? QStringLiteral("Test2") : QStringLiteral("Test1"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (!m_context.pointer)
        m_context.pointer = systemPointer();
    QFont font;
    font.setFamilies({QStringLiteral("Arial")});
    font.setPointSizeF(8.25);
    setFont(font);
    paint(this, panelColour);
    setMinimumSize(PracticeLayout::minimumSize());

    m_frame = new SkinFrame(SkinFrame::Kind::Practice, m_context.pictures, m_context.pointer, this);
    m_frame->setIcon(QStringLiteral("Pencil.ico"));
    m_frame->setTitle(m_attempt->title());
    connect(m_frame, &SkinFrame::closeRequested, this, &PracticeWindow::closePaper);
    m_ticker = new ButtonTicker(this, m_context.pointer);
    connect(m_ticker, &ButtonTicker::ticked, this, &PracticeWindow::tick);
    m_pressFlag = new PressFlag(this);

    buildToolBar();

    PageView::Listener listener;
    // Shown once the rest of the window has had its say, so the question
    // never waits behind a modal message.
    listener.guardTriggered = [this] {
        QMetaObject::invokeMethod(
            this, [this] { m_context.dialogs->warn(this, QStringLiteral("Error"), QStringLiteral("Invalid operation")); },
            Qt::QueuedConnection);
    };
    listener.printFinished = [this](bool printed) {
        m_printer.reset();
        if (!printed)
            m_context.dialogs->tell(this, QStringLiteral("Print Question"),
                                    tr("The printer reported a problem: the question was not printed."));
        emit printDone(printed);
    };
    m_view = m_context.makeView(this, listener);
    m_view->widget()->setObjectName(QStringLiteral("brwWebBrowser"));

    m_titleStrip = new QWidget(this);
    m_titleStrip->setObjectName(QStringLiteral("QnTitleBG"));
    paint(m_titleStrip, panelColour);
    m_questionTitle = new QLabel(m_titleStrip);
    m_questionTitle->setObjectName(QStringLiteral("QnTitle"));
    QFont bold = m_questionTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(9.75);
    m_questionTitle->setFont(bold);
    m_questionTitle->move(twips(120), 0);
    m_questionTitle->setFixedHeight(statusHeight);

    m_handleStrip = new QWidget(this);
    m_handleStrip->setObjectName(QStringLiteral("PicHideAns"));
    paint(m_handleStrip, panelColour);
    m_handle = new ClickableLabel(m_handleStrip);
    m_handle->setObjectName(QStringLiteral("ImgHandle"));
    m_handle->setPixmap(m_context.pictures->picture(QStringLiteral("Handle.bmp")));
    m_handle->setAlignment(Qt::AlignCenter);
    m_handle->setFocusable(true);
    m_handle->setHint(tr("Hide answer sheet"));
    connect(m_handle, &ClickableLabel::clicked, this, &PracticeWindow::toggleSheet);

    m_sheet = new AnswerSheet(m_second ? AnswerSheet::Variant::SecondAttempt : AnswerSheet::Variant::FirstAttempt,
                              this);
    m_sheet->setInstructionPicture(m_context.pictures->picture(QStringLiteral("instruction.gif")));

    buildStatusStrip();

    m_grip = new PictureBox(m_context.pictures, this);
    m_grip->setObjectName(QStringLiteral("Sizer"));
    m_grip->setPicture(QStringLiteral("statusgrabber.bmp"));
    m_grip->setCursor(Qt::SizeFDiagCursor);
    m_grip->installEventFilter(this);

    m_markTimer.setInterval(m_context.markingPace);
    connect(&m_markTimer, &QTimer::timeout, this, &PracticeWindow::onMarkingBar);

    const QScreen *screen = QGuiApplication::primaryScreen();
    setGeometry(PracticeLayout::openingGeometry(screen ? screen->availableGeometry() : QRect(0, 0, 800, 600)));
    layOut();

    // As the paper opens: its first page, its remaining pages, its state.
    m_total->setText(QString::number(m_attempt->slotCount()));
    if (m_date) {
        m_date->setText(formatShortDate(m_attempt->startTime().date()));
        fitTextToWidth(m_date, m_date->width());
    }
    showCurrentPage();
    rebuildRemaining();
    showScore();
    if (m_attempt->isMarked())
        showMarkedState();
    tick();
    m_ticker->start();
}

PracticeWindow::~PracticeWindow()
{
    QApplication::instance()->removeEventFilter(this);
}

void PracticeWindow::buildToolBar()
{
    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("ScnTabBG"));
    paint(m_strip, panelColour);

    toolButton(Save, QStringLiteral("Save"), tr("Save paper"), QStringLiteral("save"), true);
    toolButton(Mark, QStringLiteral("Mark"), tr("Mark paper"), QStringLiteral("mark"), true);
    toolButton(Print, QStringLiteral("Print"), tr("Print question"), QStringLiteral("print"), false);
    toolButton(Close, QStringLiteral("Close"), tr("Close paper"), QStringLiteral("close"), false);
    toolButton(Back, QStringLiteral("Back"), tr("Previous question"), QStringLiteral("back"), true);
    toolButton(Next, QStringLiteral("Next"), tr("Next question"), QStringLiteral("forward"), true);
    connect(m_toolBar.at(Save - 1), &ImageButton::clicked, this, &PracticeWindow::savePaper);
    connect(m_toolBar.at(Mark - 1), &ImageButton::clicked, this, &PracticeWindow::markPaper);
    connect(m_toolBar.at(Print - 1), &ImageButton::clicked, this, &PracticeWindow::printQuestion);
    connect(m_toolBar.at(Close - 1), &ImageButton::clicked, this, &PracticeWindow::closePaper);
    connect(m_toolBar.at(Back - 1), &ImageButton::clicked, this, &PracticeWindow::previousPage);
    connect(m_toolBar.at(Next - 1), &ImageButton::clicked, this, &PracticeWindow::nextPage);

    m_paperSum = new PictureBox(m_context.pictures, m_strip);
    m_paperSum->setObjectName(QStringLiteral("PaperSum"));
    m_paperSum->setPicture(QStringLiteral("pen.bmp"));
    m_score = new QLabel(m_paperSum);
    m_score->setObjectName(QStringLiteral("PScoring"));
    m_score->setToolTip(tr("Your score"));
    m_score->setAccessibleName(m_score->toolTip());
    m_score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = m_score->font();
    big.setPointSizeF(12);
    big.setBold(true);
    m_score->setFont(big);
    m_score->setStyleSheet(QStringLiteral("color: #1d4f91;"));
    m_score->setGeometry(40, 8, 56, 26);
    m_percent = new QLabel(QStringLiteral("%"), m_paperSum);
    m_percent->setFont(big);
    m_percent->setStyleSheet(m_score->styleSheet());
    m_percent->setGeometry(97, 8, 16, 26);
}

ImageButton *PracticeWindow::toolButton(int slot, const QString &caption, const QString &hint,
                                        const QString &picture, bool canBeDisabled)
{
    auto *button = new ImageButton(m_context.pictures, m_strip);
    button->setObjectName(QStringLiteral("ToolBar0%1").arg(slot));
    button->setPointerSource(m_context.pointer);
    button->setPressFlag(m_pressFlag);
    button->resize(twips(660), twips(675));
    button->setPictures({picture + QStringLiteral("_off.bmp"), picture + QStringLiteral("_on.bmp"),
                         picture + QStringLiteral("_pressed.bmp"),
                         canBeDisabled ? picture + QStringLiteral("_disabled.bmp") : QString()});
    ClickableLabel *label = button->addCaption(QStringLiteral("lblTB0%1").arg(slot), caption,
                                               QRect(0, twips(420 - 65), button->width(), twips(255)));
    QFont small = label->font();
    small.setPointSizeF(7.5);
    label->setFont(small);
    button->setHint(hint);
    m_toolBar.append(button);
    return button;
}

QLabel *PracticeWindow::statusLabel(QWidget *panel, const QString &name, const QString &hint, const QRect &rect)
{
    auto *label = new QLabel(panel);
    label->setObjectName(name);
    label->setToolTip(hint);
    label->setAccessibleName(hint);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(rect);
    return label;
}

void PracticeWindow::buildStatusStrip()
{
    m_statusStrip = new QWidget(this);
    m_statusStrip->setObjectName(QStringLiteral("RemQnsBG"));
    paint(m_statusStrip, panelColour);

    const auto panel = [this](const QString &name, const QString &picture, int left, int width) {
        auto *box = new PictureBox(m_context.pictures, m_statusStrip);
        box->setObjectName(name);
        box->setPicture(picture);
        box->setStretched(true);
        box->setGeometry(left, 0, width, statusHeight);
        return box;
    };
    const QRect cell(0, 0, statusCell, statusHeight);
    int left = 0;
    if (m_second) {
        PictureBox *first = panel(QStringLiteral("Bot1"), QStringLiteral("bottombg1.bmp"), 0, 2 * statusCell);
        QLabel *label = statusLabel(first, QStringLiteral("lblSecondAttempt"), QString(), first->rect());
        label->setText(tr("Second Attempt"));
        left = 2 * statusCell;
    } else {
        PictureBox *clock = panel(QStringLiteral("Bot1"), QStringLiteral("bottombg3.bmp"), 0, statusCell);
        m_clock = statusLabel(clock, QStringLiteral("lblClock"), tr("Clock"), cell);
        m_timeTaken = statusLabel(clock, QStringLiteral("LTime"), tr("Time taken"), cell);
        m_timeTaken->hide();
        PictureBox *dates = panel(QStringLiteral("Bot2"), QStringLiteral("bottombg3.bmp"), statusCell, statusCell);
        m_date = statusLabel(dates, QStringLiteral("lblDate"), tr("Date"), cell);
        m_dateCompleted = statusLabel(dates, QStringLiteral("ETime"), tr("Date completed"), cell);
        m_dateCompleted->hide();
        left = 2 * statusCell;
    }
    PictureBox *counts = panel(QStringLiteral("Bot3"), QStringLiteral("bottombg3.bmp"), left, statusCell);
    const int half = statusCell / 2;
    m_answered = statusLabel(counts, QStringLiteral("lblAnsweredQ"), tr("Number of questions answered"),
                             QRect(0, 0, half - 4, statusHeight));
    m_answered->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusLabel(counts, QStringLiteral("lblSlash"), QString(), QRect(half - 4, 0, 8, statusHeight))
        ->setText(QStringLiteral("/"));
    m_total = statusLabel(counts, QStringLiteral("lblTotalQ"), tr("Total number of questions"),
                          QRect(half + 4, 0, half - 4, statusHeight));
    m_total->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    left += statusCell;

    m_remainingPanel = panel(QStringLiteral("TxtRem"), QStringLiteral("bottombg2.bmp"), left, twips(1800));
    statusLabel(m_remainingPanel, QStringLiteral("lblRemaining"), QString(), QRect(2, 0, 54, statusHeight))
        ->setText(tr("Qns left:"));
    m_remaining = new QComboBox(m_remainingPanel);
    m_remaining->setObjectName(QStringLiteral("RemQns"));
    m_remaining->setToolTip(tr("Select a remaining question"));
    m_remaining->setAccessibleName(m_remaining->toolTip());
    m_remaining->setGeometry(56, 2, twips(1800) - 60, statusHeight - 4);
    connect(m_remaining, &QComboBox::activated, this, [this](int index) {
        goToPage(m_remaining->itemText(index).toInt(), Focus::List);
    });
    left += twips(1800);

    m_markPanel = panel(QStringLiteral("fmeMark"), QStringLiteral("bottombg4.bmp"), left, twips(3000));
    for (int i = 0; i < barCount; ++i) {
        auto *bar = new PictureBox(m_context.pictures, m_markPanel);
        bar->setObjectName(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        bar->setPicture(QStringLiteral("progressbar.bmp"));
        bar->setFallbackColour(QColor(80, 170, 90));
        bar->setGeometry(8 + i * 12, 3, 11, 19);
        bar->hide();
        m_bars.append(bar);
    }
    m_markPanel->hide();
}

void PracticeWindow::layOut()
{
    // A minimised window has no room to lay out.
    if (isMinimized())
        return;
    const PracticeLayout layout = PracticeLayout::compute(size(), m_sheetShown, m_second ? twips(120) : twips(100));
    m_strip->setGeometry(layout.toolStrip);
    for (int i = 0; i < m_toolBar.size(); ++i)
        m_toolBar.at(i)->move(layout.toolButtons.at(i).topLeft());
    m_paperSum->setGeometry(layout.paperSum);
    m_view->widget()->setGeometry(layout.question);
    m_titleStrip->setGeometry(layout.questionTitle);
    m_statusStrip->setGeometry(layout.statusStrip);
    m_handleStrip->setGeometry(layout.handle);
    m_handle->setGeometry(m_handleStrip->rect());
    m_sheet->setGeometry(layout.sheet);
    m_sheet->setVisible(m_sheetShown);
    m_grip->setGeometry(layout.sizeGrip);
    m_grip->raise();
}

void PracticeWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

bool PracticeWindow::Status() const
{
    return m_attempt && m_attempt->isMarked();
}

int PracticeWindow::QSCount() const
{
    return m_attempt ? m_attempt->currentPage() : 0;
}

bool PracticeWindow::hasFocusLook() const
{
    return m_frame->isActiveLook();
}

void PracticeWindow::tick()
{
    if (!m_attempt)
        return;
    const bool open = !m_attempt->isMarked();
    m_toolBar.at(Save - 1)->setEnabled(open);
    m_toolBar.at(Mark - 1)->setEnabled(open);
    m_toolBar.at(Back - 1)->setEnabled(m_attempt->currentPage() != 1);
    m_toolBar.at(Next - 1)->setEnabled(m_attempt->currentPage() != m_attempt->pageCount());
    if (m_clock)
        m_clock->setText(m_attempt->clockText());
    m_answered->setText(QString::number(m_attempt->answeredCount()));
}

void PracticeWindow::showCurrentPage()
{
    m_questionTitle->setText(tr("Question %1").arg(m_attempt->currentPage()));
    m_questionTitle->adjustSize();
    m_sheet->showRows(m_attempt->pageRows(), m_attempt->pageShowsInstruction());
    m_view->showPage(m_attempt->currentPageFile());
}

void PracticeWindow::rebuildRemaining()
{
    m_remaining->clear();
    for (int page : m_attempt->remainingPages())
        m_remaining->addItem(QString::number(page));
    m_remaining->setCurrentIndex(-1);
}

void PracticeWindow::showScore()
{
    m_score->setText(m_attempt->scoreText());
    m_percent->setVisible(!m_attempt->scoreText().isEmpty());
}

void PracticeWindow::goToPage(int page, Focus focus)
{
    if (!m_attempt || isMarking() || page < 1 || page > m_attempt->pageCount())
        return;
    storeAndSave();
    if (!m_attempt->goToPage(page)) {
        const QString folder = QFileInfo(m_attempt->currentPageFile()).absolutePath();
        m_context.dialogs->tell(this, appTitle,
                                tr("Question %1 could not be shown, because it could not be written to %2. "
                                   "You are still on question %3.")
                                    .arg(QString::number(page), QDir::toNativeSeparators(folder),
                                         QString::number(m_attempt->currentPage())));
        return;
    }
    showCurrentPage();
    rebuildRemaining();
    if (focus == Focus::Sheet && !m_sheet->focusFirstRow())
        m_toolBar.at(Next - 1)->setFocus(Qt::OtherFocusReason);
    tick();
}

void PracticeWindow::previousPage()
{
    if (m_attempt)
        goToPage(m_attempt->currentPage() - 1, Focus::Sheet);
}

void PracticeWindow::nextPage()
{
    if (m_attempt)
        goToPage(m_attempt->currentPage() + 1, Focus::Sheet);
}

bool PracticeWindow::storeAndSave()
{
    m_attempt->setPageAnswers(m_sheet->pageAnswers());
    if (m_attempt->isMarked())
        return true;
    const StoreResult saved = m_attempt->save();
    tellSetAside(saved);
    if (!saved) {
        m_context.dialogs->tell(this, appTitle,
                                tr("Your answers were not saved: %1 They are still in the answer sheet; "
                                   "please try again.")
                                    .arg(saved.error));
        return false;
    }
    return true;
}

// A damaged file started afresh is worth telling once the write that
// replaced it went through; a failed write left everything as it was.
void PracticeWindow::tellSetAside(const StoreResult &result)
{
    if (!result)
        return;
    for (const ProgressProblem &problem : result.setAside) {
        const QString name = QDir::toNativeSeparators(problem.path);
        m_context.dialogs->tell(this, appTitle,
                                problem.keptAs.isEmpty()
                                    ? tr("%1 was damaged and has been started afresh.").arg(name)
                                    : tr("%1 was damaged and has been started afresh; the damaged copy is kept as %2.")
                                          .arg(name, QDir::toNativeSeparators(problem.keptAs)));
    }
}

void PracticeWindow::savePaper()
{
    if (!m_attempt || m_attempt->isMarked() || isMarking())
        return;
    if (storeAndSave())
        m_context.dialogs->tell(this, appTitle, QStringLiteral("Paper saved"));
    rebuildRemaining();
    tick();
}

void PracticeWindow::markPaper()
{
    if (!m_attempt || m_attempt->isMarked() || isMarking())
        return;
    // Saved before the question, so the answers are kept even if the pupil declines.
    const bool saved = storeAndSave();
    rebuildRemaining();
    if (!saved || !m_context.dialogs->ask(this, QStringLiteral("Marking"), m_attempt->markingQuestion()))
        return;

    m_barsShown = 0;
    for (PictureBox *bar : std::as_const(m_bars))
        bar->hide();
    m_markPanel->show();
    m_markPanel->raise();
    // The window keeps painting while the bars run, but takes no input.
    QApplication::instance()->installEventFilter(this);
    m_markTimer.start();
}

void PracticeWindow::onMarkingBar()
{
    m_bars.at(m_barsShown)->show();
    ++m_barsShown;
    if (m_barsShown == barCount)
        finishMarking();
}

void PracticeWindow::finishMarking()
{
    m_markTimer.stop();
    QApplication::instance()->removeEventFilter(this);
    m_markPanel->hide();
    const StoreResult recorded = m_attempt->mark();
    tellSetAside(recorded);
    if (!recorded) {
        m_context.dialogs->tell(this, QStringLiteral("Marking"),
                                tr("Your paper could not be marked, because its results could not be saved: %1 "
                                   "Your answers are kept; please try again.")
                                    .arg(recorded.error));
    } else {
        showMarkedState();
    }
    tick();
    emit markingDone(recorded.ok);
}

void PracticeWindow::showMarkedState()
{
    showScore();
    m_remainingPanel->hide();
    if (m_clock) {
        m_clock->hide();
        m_timeTaken->setText(m_attempt->timeTaken());
        m_timeTaken->show();
        m_date->hide();
        m_dateCompleted->setText(m_attempt->dateCompleted());
        fitTextToWidth(m_dateCompleted, m_dateCompleted->width());
        m_dateCompleted->show();
    }
    m_sheet->showRows(m_attempt->pageRows(), m_attempt->pageShowsInstruction());
}

void PracticeWindow::printQuestion()
{
    if (!m_attempt || m_printer)
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString title = QStringLiteral("Print Question");
    if (!m_context.dialogs->choosePrinter(*printer, this))
        return;
    if (printer->outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty()) {
        m_context.dialogs->tell(this, title, tr("No printer is available, so nothing was printed."));
        return;
    }
    m_printer = std::move(printer);
    m_view->print(m_printer.get());
}

void PracticeWindow::toggleSheet()
{
    m_sheetShown = !m_sheetShown;
    m_handle->setHint(m_sheetShown ? tr("Hide answer sheet") : tr("Show answer sheet"));
    layOut();
}

void PracticeWindow::closePaper()
{
    if (!m_attempt || isMarking())
        return;
    if (m_context.dialogs->ask(this, QStringLiteral("Close Practice"), QStringLiteral("Confirm?")))
        unload();
}

void PracticeWindow::unloadSaving()
{
    if (!m_attempt)
        return;
    // A confirmed marking finishes before the window goes.
    if (isMarking())
        finishMarking();
    if (!m_attempt->isMarked())
        storeAndSave();
    unload();
}

void PracticeWindow::unload()
{
    m_unloading = true;
    m_ticker->stop();
    m_markTimer.stop();
    QApplication::instance()->removeEventFilter(this);
    // Removes the question page file.
    m_attempt.reset();
    emit unloaded();
    close();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    // Closed by the window system: asked like the close buttons, once this
    // close has been turned down.
    event->ignore();
    QMetaObject::invokeMethod(this, &PracticeWindow::closePaper, Qt::QueuedConnection);
}

bool PracticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (isMarking() && isInput(event->type()) && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget == this || isAncestorOf(widget))
            return true;
    }
    if (watched == m_grip) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && !isMaximized() && !isMinimized())
                startGripResize(mouse->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            if (m_gripDragging) {
                const QPoint corner = static_cast<QMouseEvent *>(event)->globalPosition().toPoint() + m_gripOffset;
                resize(QSize(corner.x() - x(), corner.y() - y()).expandedTo(minimumSize()));
            }
            return true;
        case QEvent::MouseButtonRelease:
            if (m_gripDragging) {
                m_gripDragging = false;
                m_grip->releaseMouse();
            }
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The window system resizes from the corner where it can; otherwise the
// grip follows the mouse itself.
void PracticeWindow::startGripResize(const QPoint &globalPressed)
{
    QWindow *handle = windowHandle();
    if (handle && handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge))
        return;
    m_gripDragging = true;
    m_gripOffset = QPoint(x() + width(), y() + height()) - globalPressed;
    m_grip->grabMouse();
}
