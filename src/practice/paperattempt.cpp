#include "paperattempt.h"

#include "practice/scoring.h"
#include "progress/numbertext.h"

#include <algorithm>

namespace {

QList<ResultMark> marksFromTexts(const QStringList &texts)
{
    QList<ResultMark> marks;
    marks.reserve(texts.size());
    for (const QString &text : texts)
        marks.append(resultMarkFromText(text));
    return marks;
}

QStringList textsFromMarks(const QList<ResultMark> &marks)
{
    QStringList texts;
    texts.reserve(marks.size());
    for (ResultMark mark : marks)
        texts.append(resultMarkText(mark));
    return texts;
}

// Blank for the list of remaining questions: nothing but spaces.
bool isBlank(const QString &answer)
{
    for (QChar c : answer) {
        if (c != u' ')
            return false;
    }
    return true;
}

bool asksForWrittenForm(const QString &kind)
{
    return kind == u"F" || kind == u"X";
}

} // namespace

PaperAttempt::PaperAttempt(const CoursePackage &package, const ProgressStore &store, const PaperRequest &request,
                           Clock clock)
    : m_request(request)
    , m_store(store)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
    , m_pageFiles(package, store.dataDir())
{
    m_paper = ReadPaperDefinition(package, request.subject, paperId());
}

PaperAttempt::~PaperAttempt() = default;

PaperAttempt::Opened PaperAttempt::open(const CoursePackage &package, const ProgressStore &store,
                                        const PaperRequest &request, Clock clock)
{
    const CourseModel &course = store.course();
    if (!course.isPresent(request.subject) || request.paperIndex < 1
        || request.paperIndex > course.subject(request.subject).paperCount || request.attempt < 1
        || request.attempt > 2)
        return {nullptr, tr("This paper is not part of the course.")};

    std::unique_ptr<PaperAttempt> attempt(new PaperAttempt(package, store, request, std::move(clock)));
    const QString problem = attempt->load();
    if (!problem.isEmpty())
        return {nullptr, problem};
    return {std::move(attempt), QString()};
}

QString PaperAttempt::load()
{
    const QString problem = m_paper.problem();
    if (!problem.isEmpty())
        return tr("Paper %1 cannot be opened. %2").arg(paperId(), problem);

    const int subject = m_request.subject;
    const int index = m_request.paperIndex;
    const int n = slotCount();
    const auto ownAnswers = m_store.readPaperRow(ProgressFiles::answersFile(m_request.attempt), subject, index, n);
    const auto ownResults = m_store.readPaperRow(ProgressFiles::resultsFile(m_request.attempt), subject, index, n);
    const auto firstAnswers = m_store.readPaperRow(ProgressFile::FirstAnswers, subject, index, n);
    const auto firstResults = m_store.readPaperRow(ProgressFile::FirstResults, subject, index, n);
    if (!ownAnswers || !ownResults || !firstAnswers || !firstResults)
        return tr("Paper %1 cannot be opened: your saved answers for it could not be read.").arg(paperId());
    const auto marks = m_store.readMarks(subject);
    if (!marks)
        return tr("Paper %1 cannot be opened: the marks of this subject could not be read.").arg(paperId());

    m_answers = *ownAnswers;
    m_results = marksFromTexts(*ownResults);
    m_carriedOver = QList<bool>(n, false);
    const int j = index - 1;
    if (isSecondAttempt()) {
        m_firstAnswers = *firstAnswers;
        m_firstResults = marksFromTexts(*firstResults);
        for (int i = 0; i < n; ++i) {
            if (m_firstResults.at(i) == ResultMark::Right) {
                m_carriedOver[i] = true;
                m_answers[i] = m_firstAnswers.at(i);
                m_results[i] = ResultMark::Right;
            }
        }
        m_marked = marks->isSecondMarked(index);
        m_scoreText = marks->sse.value(j);
    } else {
        m_marked = marks->isFirstMarked(index);
        m_scoreText = marks->fse.value(j);
        m_timeTaken = marks->ltm.value(j);
        m_dateCompleted = marks->cdd.value(j);
    }

    if (m_pageFiles.ShowQuestionPage(m_paper.pageIds.constFirst()).isEmpty())
        return tr("Paper %1 cannot be opened: its first question could not be written to %2.")
            .arg(paperId(), m_store.dataDir());
    m_page = 1;
    m_startTime = m_clock();
    return QString();
}

QString PaperAttempt::title() const
{
    return m_request.heading + QStringLiteral(" - Paper ")
           + QString::number(m_request.paperIndex - m_request.topicFirstPaper + 1);
}

int PaperAttempt::pageSlotCount(int page) const
{
    return m_paper.pageSlotCounts.value(page - 1);
}

QString PaperAttempt::currentPageFile() const
{
    return m_pageFiles.currentPath();
}

bool PaperAttempt::goToPage(int page)
{
    if (page < 1 || page > pageCount())
        return false;
    if (m_pageFiles.ShowQuestionPage(m_paper.pageIds.at(page - 1)).isEmpty())
        return false;
    m_page = page;
    emit pageChanged(page);
    return true;
}

bool PaperAttempt::isEditable(int slot) const
{
    return !m_marked && slot >= 1 && slot <= slotCount() && !isCarriedOver(slot);
}

bool PaperAttempt::setAnswer(int slot, const QString &text)
{
    if (!isEditable(slot))
        return false;
    if (m_answers.at(slot - 1) != text) {
        m_answers[slot - 1] = text;
        emit answersChanged();
    }
    return true;
}

void PaperAttempt::setPageAnswers(const QStringList &texts)
{
    const int offset = m_paper.slotOffset(m_page);
    const int count = qMin(pageSlotCount(m_page), int(texts.size()));
    for (int row = 1; row <= count; ++row)
        setAnswer(offset + row, texts.at(row - 1));
}

QList<SheetRow> PaperAttempt::pageRows() const
{
    QList<SheetRow> rows;
    const int offset = m_paper.slotOffset(m_page);
    for (int n = 1; n <= pageSlotCount(m_page); ++n) {
        const int slot = offset + n;
        SheetRow row;
        row.slot = slot;
        row.kind = m_paper.kinds.at(slot - 1);
        row.answer = answer(slot);
        row.maxLength = row.kind == u"Q" ? 1 : 0;
        row.tall = n == 1 && row.kind == u"L";
        row.editable = isEditable(slot);
        if (!isSecondAttempt()) {
            row.firstMark = result(slot);
            row.firstMarkShown = m_marked;
        } else {
            row.tinted = isCarriedOver(slot);
            row.firstMark = m_firstResults.value(slot - 1, ResultMark::None);
            row.secondMark = result(slot);
            if (m_marked) {
                row.secondMarkShown = true;
                row.modelAnswerShown = row.secondMark == ResultMark::Wrong;
                if (row.modelAnswerShown)
                    row.modelAnswer = ModelAnswer(m_answers, m_paper.keys, row.kind, slot);
            } else {
                row.firstMarkShown = row.tinted;
            }
        }
        rows.append(row);
    }
    return rows;
}

bool PaperAttempt::pageShowsInstruction() const
{
    const int offset = m_paper.slotOffset(m_page);
    for (int n = 1; n <= pageSlotCount(m_page); ++n) {
        if (asksForWrittenForm(m_paper.kinds.at(offset + n - 1)))
            return true;
    }
    return false;
}

QList<int> PaperAttempt::remainingPages() const
{
    QList<int> pages;
    int slot = 0;
    for (int page = 1; page <= pageCount(); ++page) {
        bool blank = false;
        for (int n = 1; n <= pageSlotCount(page); ++n) {
            ++slot;
            if (!isCarriedOver(slot) && isBlank(answer(slot)))
                blank = true;
        }
        if (blank)
            pages.append(page);
    }
    return pages;
}

int PaperAttempt::answeredCount() const
{
    return int(std::count_if(m_answers.cbegin(), m_answers.cend(), [](const QString &a) { return !a.isEmpty(); }));
}

QString PaperAttempt::clockText() const
{
    return formatTimeTaken(m_startTime.secsTo(m_clock()));
}

StoreResult PaperAttempt::save()
{
    return m_store.saveAnswers(m_request.subject, m_request.attempt, m_request.paperIndex, m_answers);
}

QString PaperAttempt::markingQuestion() const
{
    for (int slot = 1; slot <= slotCount(); ++slot) {
        if (!isCarriedOver(slot) && answer(slot).isEmpty())
            return tr("You have not answered all the questions.  Do you still want to mark your practice?");
    }
    return tr("Do you want to mark your practice now?");
}

StoreResult PaperAttempt::mark()
{
    if (m_marked)
        return {};
    const QDateTime now = m_clock();
    const PaperJudgement judgement = judgePaper(m_answers, m_paper.keys, m_paper.kinds, m_paper.marks);

    MarkingRecord record;
    record.results = textsFromMarks(judgement.results);
    record.score = formatScore(percentageOf(judgement.score, m_paper.totalMarks));
    if (!isSecondAttempt()) {
        record.timeTaken = formatTimeTaken(m_startTime.secsTo(now));
        record.date = formatShortDate(now.date());
    }
    const StoreResult stored = m_store.recordMarking(m_request.subject, m_request.attempt, m_request.paperIndex, record);
    if (!stored)
        return stored;

    m_results = judgement.results;
    m_rawScore = judgement.score;
    m_scoreText = record.score;
    m_timeTaken = record.timeTaken;
    m_dateCompleted = record.date;
    m_marked = true;
    emit markedChanged();
    return stored;
}
