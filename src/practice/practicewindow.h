#pragma once

#include "practice/pageview.h"
#include "skin/pointersource.h"

#include <QList>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <memory>

class AnswerSheet;
class ButtonTicker;
class ClickableLabel;
class Dialogs;
class ImageButton;
class PaperAttempt;
class PictureBox;
class PictureCache;
class PressFlag;
class QComboBox;
class QLabel;
class QPrinter;
class SkinFrame;
struct StoreResult;

// The window a pupil works a paper in, first attempt ("Test1") or second
// ("Test2"): the question page on the left, the answer sheet on the right, a
// toolbar (Save, Mark, Print, Close, Back, Next) and a status strip with the
// clock, the dates, the answered count, the pages still to answer and the
// marking bars. The paper itself (answers, saving, marking) is the
// PaperAttempt's; the window shows it and hands it what the pupil types.
//
// The second attempt is the same window with its differences: carried-over
// rows, expected answers after marking, "Second Attempt" in place of the
// clock and dates.
class PracticeWindow : public QWidget
{
    Q_OBJECT

public:
    struct Context
    {
        std::shared_ptr<PictureCache> pictures;
        std::shared_ptr<Dialogs> dialogs;
        PointerSource pointer;
        // Makes the question view; the window owns what it makes.
        std::function<PageView *(QWidget *parent, const PageView::Listener &listener)> makeView;
        // The pause before each of the fifteen marking bars.
        std::chrono::milliseconds markingPace{200};
    };

    PracticeWindow(std::unique_ptr<PaperAttempt> attempt, Context context);
    ~PracticeWindow() override;

    PaperAttempt *attempt() const { return m_attempt.get(); }
    AnswerSheet *sheet() const { return m_sheet; }
    // The HTML view of the question pages (a QuestionView).
    QWidget *questionView() const { return m_view->widget(); }
    SkinFrame *frame() const { return m_frame; }
    ButtonTicker *ticker() const { return m_ticker; }

    // Window state.
    bool Status() const;
    int QSCount() const;
    bool isSheetShown() const { return m_sheetShown; }
    bool isMarking() const { return m_markTimer.isActive(); }
    // Test1Focus or Test2Focus: the window shows its active look.
    bool hasFocusLook() const;
    int barsShown() const { return m_barsShown; }

public slots:
    void savePaper();
    void markPaper();
    void printQuestion();
    // Asks "Confirm?" and closes without saving.
    void closePaper();
    void previousPage();
    void nextPage();
    void toggleSheet();
    // Closes without asking, for another paper, the end of the program or
    // erasing results; an unmarked paper's page is stored and saved first.
    void unloadSaving();

signals:
    // The window has gone and its question page file with it.
    void unloaded();
    // Marking ran its course; recorded is false when the results could not be stored.
    void markingDone(bool recorded);
    void printDone(bool printed);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Focus { Sheet, List };

    void buildToolBar();
    void buildStatusStrip();
    ImageButton *toolButton(int slot, const QString &caption, const QString &hint, const QString &picture,
                            bool canBeDisabled);
    QLabel *statusLabel(QWidget *panel, const QString &name, const QString &hint, const QRect &rect);
    void layOut();
    void tick();
    void goToPage(int page, Focus focus);
    void showCurrentPage();
    void rebuildRemaining();
    void showMarkedState();
    void showScore();
    bool storeAndSave();
    void tellSetAside(const StoreResult &result);
    void onMarkingBar();
    void finishMarking();
    void unload();
    void startGripResize(const QPoint &globalPressed);

    std::unique_ptr<PaperAttempt> m_attempt;
    Context m_context;
    bool m_second;
    bool m_sheetShown = true;
    bool m_unloading = false;

    SkinFrame *m_frame;
    ButtonTicker *m_ticker;
    PressFlag *m_pressFlag;
    QWidget *m_strip;
    QList<ImageButton *> m_toolBar;
    PictureBox *m_paperSum;
    QLabel *m_score;
    QLabel *m_percent;
    PageView *m_view;
    QWidget *m_titleStrip;
    QLabel *m_questionTitle;
    QWidget *m_handleStrip;
    ClickableLabel *m_handle;
    AnswerSheet *m_sheet;
    QWidget *m_statusStrip;
    QLabel *m_clock = nullptr;
    QLabel *m_timeTaken = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_dateCompleted = nullptr;
    QLabel *m_answered;
    QLabel *m_total;
    PictureBox *m_remainingPanel;
    QComboBox *m_remaining;
    PictureBox *m_markPanel;
    QList<PictureBox *> m_bars;
    PictureBox *m_grip;

    QTimer m_markTimer;
    int m_barsShown = 0;
    std::unique_ptr<QPrinter> m_printer;
    QPoint m_gripOffset;
    bool m_gripDragging = false;
};
