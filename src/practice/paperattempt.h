#pragma once

#include "course/coursepackage.h"
#include "course/questionbank.h"
#include "practice/answercheck.h"
#include "progress/progressstore.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The paper the home page asks for.
struct PaperRequest
{
    int subject = 0;         // SubjectIndex, 1..3
    int paperIndex = 0;      // 1..paper count of the subject; the PaperId is 100 + this
    int attempt = 1;         // 1 or 2
    int topicFirstPaper = 1; // PaperIndex of the first paper of the paper's topic
    QString heading;         // shown before " - Paper n" in the window title
};

// How one row of the answer sheet shows its slot on the current page.
struct SheetRow
{
    int slot = 0;      // 1..N
    QString kind;
    QString answer;
    int maxLength = 0; // 0 for no limit; a multiple-choice box takes one character
    bool tall = false; // a sentence answer in the first row gets a tall box
    bool editable = false;
    bool tinted = false; // carried over from the first attempt
    ResultMark firstMark = ResultMark::None;
    bool firstMarkShown = false;
    ResultMark secondMark = ResultMark::None;
    bool secondMarkShown = false;
    QString modelAnswer;
    bool modelAnswerShown = false;
};

// One open paper, first or second attempt: its definition from the question
// bank, the pupil's answers and results, the page on show and whether the
// attempt is marked. It reads and writes through the progress store and
// keeps the current question page written out for the HTML view; the
// practice window only shows it.
//
// A second attempt also holds the first attempt's answers and results: every
// slot right the first time is carried over (its first answer, locked, its
// first tick) and judged again with the rest. It writes only the second
// attempt's rows and keys.
class PaperAttempt : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    struct Opened
    {
        std::unique_ptr<PaperAttempt> attempt;
        QString problem; // why the paper did not open; empty when it did
    };

    // Reads the paper and its progress and writes its first page out. A paper
    // that cannot be worked does not open and nothing is written.
    static Opened open(const CoursePackage &package, const ProgressStore &store, const PaperRequest &request,
                       Clock clock = {});

    ~PaperAttempt() override;

    const PaperRequest &request() const { return m_request; }
    int attemptNumber() const { return m_request.attempt; }
    bool isSecondAttempt() const { return m_request.attempt == 2; }
    QString paperId() const { return QString::number(100 + m_request.paperIndex); }
    // "Grammar - Paper 3"
    QString title() const;
    const PaperDefinition &definition() const { return m_paper; }

    int pageCount() const { return m_paper.pageCount(); }
    int currentPage() const { return m_page; }
    int pageSlotCount(int page) const;
    // The question page on show, as written out for the HTML view.
    QString currentPageFile() const;
    // Writes the page's question out and only then makes it current, so the
    // question shown and the answer rows never disagree. The answers are not
    // stored here: the window stores its rows before it moves. Returns false,
    // staying where it was, for a page outside the paper or a page that could
    // not be written.
    bool goToPage(int page);

    int slotCount() const { return m_paper.slotCount(); }
    const QStringList &answers() const { return m_answers; }
    QString answer(int slot) const { return m_answers.value(slot - 1); }
    ResultMark result(int slot) const { return m_results.value(slot - 1, ResultMark::None); }
    bool isCarriedOver(int slot) const { return m_carriedOver.value(slot - 1, false); }
    bool isEditable(int slot) const;
    // Stores one slot's answer; refused once marked and for carried-over slots.
    bool setAnswer(int slot, const QString &text);
    // Stores the rows of the current page, row 1 first; extra texts are ignored.
    void setPageAnswers(const QStringList &texts);

    QList<SheetRow> pageRows() const;
    // Whether the current page asks for a written form that the instruction picture explains.
    bool pageShowsInstruction() const;
    // Pages that still hold a blank (or spaces-only) answer, ascending.
    QList<int> remainingPages() const;
    // Slots whose stored answer is not empty; spaces count.
    int answeredCount() const;

    bool isMarked() const { return m_marked; }
    // The percentage as stored ("87.5"); empty while not marked.
    QString scoreText() const { return m_scoreText; }
    // The marks earned at this window's marking; -1 when the paper came in marked.
    int rawScore() const { return m_rawScore; }
    QString timeTaken() const { return m_timeTaken; }
    QString dateCompleted() const { return m_dateCompleted; }
    QDateTime startTime() const { return m_startTime; }
    // Time since the paper opened, "h:m:s" without leading zeros.
    QString clockText() const;

    // Writes this attempt's answers row.
    StoreResult save();
    // The question asked before marking.
    QString markingQuestion() const;
    // Judges every slot, scores, and records results, score and (first attempt)
    // time, date and trend. Nothing changes here unless the store took it all.
    StoreResult mark();

signals:
    void pageChanged(int page);
    void answersChanged();
    void markedChanged();

private:
    PaperAttempt(const CoursePackage &package, const ProgressStore &store, const PaperRequest &request, Clock clock);
    QString load();

    PaperRequest m_request;
    ProgressStore m_store;
    Clock m_clock;
    PaperDefinition m_paper;
    QuestionPageFiles m_pageFiles;
    int m_page = 1;

    QStringList m_answers;
    QList<ResultMark> m_results;
    QStringList m_firstAnswers;
    QList<ResultMark> m_firstResults;
    QList<bool> m_carriedOver;

    bool m_marked = false;
    QString m_scoreText;
    int m_rawScore = -1;
    QString m_timeTaken;
    QString m_dateCompleted;
    QDateTime m_startTime;
};
