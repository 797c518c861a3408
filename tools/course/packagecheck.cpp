#include "packagecheck.h"

#include "course/coursepackage.h"
#include "course/picturetable.h"
#include "course/questionbank.h"
#include "course/taggedrecords.h"
#include "keyreplay.h"
#include "pagecheck.h"
#include "practice/answercheck.h"
#include "progress/progressfiles.h"
#include "progresstemplates.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace PackageCheck {

namespace {

using TaggedRecords::countFields;
using TaggedRecords::splitFields;

constexpr int maxTopics = 10;
constexpr int papersPerTopic = 5;
constexpr int maxContinuations = 20;

const QString continuationKey = QStringLiteral(" ");

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

bool isKnownKind(const QString &kind)
{
    static const QStringList kinds = {QStringLiteral("N"), QStringLiteral("Q"), QStringLiteral("T"),
                                      QStringLiteral("L"), QStringLiteral("R"), QStringLiteral("F"),
                                      QStringLiteral("X"), QStringLiteral("G"), QStringLiteral("M")};
    return kinds.contains(kind);
}

std::optional<int> plainNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

// A record line of a table: "#KEY#>field>field".
struct Record
{
    int line = 0; // from 1
    QString key;
    QString text;
};

QList<Record> recordsOf(const QStringList &lines)
{
    QList<Record> records;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const qsizetype close = line.indexOf(u'#', 1);
        if (line.startsWith(u'#') && close > 0)
            records.append({i + 1, line.mid(1, close - 1), line});
    }
    return records;
}

QString letter(int slotOnPage)
{
    return u'(' + QChar(u'a' + slotOnPage) + u')';
}

// Where a problem lies within a subject's papers.
QString at(int paperId, int pageId = 0, int slot = 0, int slotOnPage = -1)
{
    QString text = QStringLiteral("paper %1").arg(paperId);
    if (pageId)
        text += QStringLiteral(", page %1").arg(pageId);
    if (slot)
        text += QStringLiteral(", slot %1").arg(slot);
    if (slotOnPage >= 0)
        text += u' ' + letter(slotOnPage);
    return text;
}

// A paper as the bank defines it, with where each slot stands.
struct BankPaper
{
    int id = 0;
    QList<int> pages;
    QStringList keys;
    QStringList kinds;
    QStringList marks;
    QList<int> slotPage;   // per slot: its page
    QList<int> slotOnPage; // per slot: its place on the page, from 0
};

struct SubjectFacts
{
    int subject = 0;
    int paperCount = 0;
};

class Checker
{
public:
    explicit Checker(QString folder)
        : m_dir(std::move(folder))
    {
    }

    QStringList run()
    {
        if (!m_dir.exists())
            return {QStringLiteral("%1: the package folder does not exist").arg(m_dir.path())};
        for (const SubjectFacts &facts : checkDescriptor())
            checkSubject(facts);
        checkPictures();
        checkStrayFiles();
        return m_problems;
    }

private:
    QString title(int number) const
    {
        if (number == CoursePackage::descriptorNumber())
            return QStringLiteral("course descriptor");
        for (int s = 1; s <= 3; ++s) {
            static const char *const tables[] = {"page lists", "answer keys", "answer kinds", "marks"};
            static const char *const templates[] = {"marks template", "first answers template",
                                                    "second answers template", "first results template",
                                                    "second results template", "trend template"};
            for (int j = 2; j <= 5; ++j) {
                if (number == CoursePackage::bankTableNumber(s, j))
                    return QStringLiteral("%1 of subject %2").arg(QLatin1String(tables[j - 2])).arg(s);
            }
            for (int j = 1; j <= 6; ++j) {
                if (number == CoursePackage::templateNumber(s, j))
                    return QStringLiteral("%1 of subject %2").arg(QLatin1String(templates[j - 1])).arg(s);
            }
        }
        for (const PictureEntry &picture : pictureTable()) {
            if (picture.number == number)
                return picture.fileName;
        }
        return QStringLiteral("question page");
    }

    void report(int number, const QString &where, const QString &message)
    {
        QString line = QStringLiteral("%1 (%2): ").arg(number).arg(title(number));
        if (!where.isEmpty())
            line += where + QStringLiteral(": ");
        m_problems.append(line + message);
    }

    std::optional<QByteArray> read(int number)
    {
        const QString name = QString::number(number);
        m_accounted.insert(name);
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

    // A data file's lines, after checking its line ends; nothing when it is missing.
    std::optional<QStringList> readTable(int number)
    {
        const std::optional<QByteArray> bytes = read(number);
        if (!bytes) {
            report(number, QString(), QStringLiteral("missing"));
            return std::nullopt;
        }
        int line = 1;
        for (qsizetype i = 0; i < bytes->size(); ++i) {
            const bool bareLf = bytes->at(i) == '\n' && (i == 0 || bytes->at(i - 1) != '\r');
            const bool bareCr = bytes->at(i) == '\r' && (i + 1 == bytes->size() || bytes->at(i + 1) != '\n');
            if (bareLf || bareCr) {
                report(number, QString(), QStringLiteral("line %1 does not end with CR LF").arg(line));
                break;
            }
            line += bytes->at(i) == '\n';
        }
        return TaggedRecords::splitLines(*bytes);
    }

    QList<SubjectFacts> checkDescriptor()
    {
        const int number = CoursePackage::descriptorNumber();
        const std::optional<QStringList> lines = readTable(number);
        if (!lines)
            return {};
        // The program reads a value from the seventh character of the first line holding "#KEY#".
        auto value = [&](const QString &key) -> std::optional<QString> {
            const QString line = TaggedRecords::findRecord(*lines, key);
            if (line.isEmpty())
                return std::nullopt;
            if (!line.startsWith(u'#' + key + QStringLiteral("#>"), Qt::CaseInsensitive)) {
                report(number, QString(), QStringLiteral("the record %1 does not start its line: %2").arg(key, quoted(line)));
                return std::nullopt;
            }
            return line.mid(TaggedRecords::ThreeCharKeyStart);
        };
        if (value(QStringLiteral("NME")).value_or(QString()).isEmpty())
            report(number, QString(), QStringLiteral("the course name (NME) is missing or empty"));
        static const QRegularExpression codePattern(QStringLiteral("^[A-Za-z0-9]+$"));
        const QString code = value(QStringLiteral("COD")).value_or(QString());
        if (!codePattern.match(code).hasMatch())
            report(number, QString(),
                   QStringLiteral("the course code (COD) %1 is not letters and digits").arg(quoted(code)));

        QList<SubjectFacts> subjects;
        static const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
        for (int s = 1; s <= 3; ++s) {
            if (value(QLatin1String(nameKeys[s - 1])).value_or(QString()).isEmpty())
                continue;
            if (const std::optional<SubjectFacts> facts = checkSubjectCounts(number, s, value))
                subjects.append(*facts);
        }
        if (subjects.isEmpty())
            report(number, QString(), QStringLiteral("no subject can be used (LAH, LBH and LCH name the subjects)"));
        return subjects;
    }

    template<typename Value>
    std::optional<SubjectFacts> checkSubjectCounts(int number, int s, Value &value)
    {
        const QString digit = QString::number(s);
        const QString topicsText = value(u"TT" + digit).value_or(QString());
        const QString papersText = value(u"TP" + digit).value_or(QString());
        const std::optional<int> topics = plainNumber(topicsText);
        const std::optional<int> papers = plainNumber(papersText);
        bool sound = true;
        if (!topics || *topics < 1 || *topics > maxTopics) {
            report(number, QString(), QStringLiteral("the topic count TT%1 %2 is not a number from 1 to %3")
                                          .arg(digit, quoted(topicsText))
                                          .arg(maxTopics));
            sound = false;
        }
        if (!papers || *papers < 1 || *papers > maxTopics * papersPerTopic) {
            report(number, QString(), QStringLiteral("the paper count TP%1 %2 is not a number from 1 to %3")
                                          .arg(digit, quoted(papersText))
                                          .arg(maxTopics * papersPerTopic));
            return std::nullopt;
        }
        if (sound && *papers != papersPerTopic * *topics)
            report(number, QString(), QStringLiteral("the paper count TP%1 is %2; the subject's %3 of five papers make %4")
                                          .arg(digit)
                                          .arg(*papers)
                                          .arg(*topics == 1 ? QStringLiteral("one topic") : QStringLiteral("%1 topics").arg(*topics))
                                          .arg(papersPerTopic * *topics));
        const std::optional<QString> names = value(u"TN" + digit);
        if (!names) {
            report(number, QString(), QStringLiteral("the topic names TN%1 are missing").arg(digit));
        } else if (sound) {
            const QString line = u"#TN" + digit + QStringLiteral("#>") + *names;
            if (countFields(line) != *topics)
                report(number, QString(), QStringLiteral("TN%1 names %2 topics, but TT%1 is %3")
                                              .arg(digit)
                                              .arg(countFields(line))
                                              .arg(*topics));
            const QStringList topicNames = splitFields(line, *topics, TaggedRecords::ThreeCharKeyStart, 0);
            for (int t = 0; t < topicNames.size(); ++t) {
                if (topicNames.at(t).trimmed().isEmpty())
                    report(number, QString(), QStringLiteral("topic %1 of TN%2 has no name").arg(t + 1).arg(digit));
            }
        }
        return SubjectFacts{s, *papers};
    }

    QList<BankPaper> readPageLists(int s, int paperCount)
    {
        const int number = CoursePackage::bankTableNumber(s, 2);
        const std::optional<QStringList> lines = readTable(number);
        if (!lines)
            return {};
        int previous = 0;
        for (const Record &record : recordsOf(*lines)) {
            const std::optional<int> id = record.key.size() == 3 ? plainNumber(record.key) : std::nullopt;
            if (!id) {
                report(number, QString(), QStringLiteral("line %1: %2 is not a paper number").arg(record.line).arg(quoted(record.key)));
                continue;
            }
            if (*id < 101 || *id > 100 + paperCount)
                report(number, QString(), QStringLiteral("line %1: paper %2 is beyond the subject's %3 papers (101 to %4)")
                                              .arg(record.line)
                                              .arg(*id)
                                              .arg(paperCount)
                                              .arg(100 + paperCount));
            if (*id <= previous)
                report(number, QString(), QStringLiteral("line %1: paper %2 comes after paper %3; the papers must be in ascending order")
                                              .arg(record.line)
                                              .arg(*id)
                                              .arg(previous));
            previous = std::max(previous, *id);
        }

        QList<BankPaper> papers;
        QMap<int, int> listedBy;
        for (int index = 1; index <= paperCount; ++index) {
            BankPaper paper;
            paper.id = PaperNumbering::paperId(index);
            const QString key = QString::number(paper.id);
            if (TaggedRecords::findRecord(*lines, key).isEmpty()) {
                report(number, at(paper.id), QStringLiteral("missing (paper %1 of topic %2)")
                                                 .arg((index - 1) % papersPerTopic + 1)
                                                 .arg(PaperNumbering::topicOfPaperIndex(index)));
                continue;
            }
            const QStringList fields = TaggedRecords::readAllTaggedFields(*lines, key);
            if (fields.isEmpty())
                report(number, at(paper.id), QStringLiteral("lists no pages"));
            for (const QString &field : fields) {
                const std::optional<int> page = field.size() == 5 ? plainNumber(field) : std::nullopt;
                if (!page) {
                    report(number, at(paper.id), QStringLiteral("%1 is not a page number").arg(quoted(field)));
                    continue;
                }
                if (!paper.pages.isEmpty() && *page <= paper.pages.last())
                    report(number, at(paper.id), QStringLiteral("page %1 is listed after page %2; a paper's pages must be in ascending order")
                                                     .arg(*page)
                                                     .arg(paper.pages.last()));
                if (listedBy.contains(*page))
                    report(number, at(paper.id), QStringLiteral("page %1 is also listed by paper %2").arg(*page).arg(listedBy.value(*page)));
                listedBy.insert(*page, paper.id);
                paper.pages.append(*page);
            }
            papers.append(paper);
        }
        return papers;
    }

    // The records of a per-page table by page, after checking they stand in ascending order.
    std::optional<QMap<int, QString>> readPageTable(int number)
    {
        const std::optional<QStringList> lines = readTable(number);
        if (!lines)
            return std::nullopt;
        QMap<int, QString> records;
        int previous = 0;
        for (const Record &record : recordsOf(*lines)) {
            const std::optional<int> page = record.key.size() == 5 ? plainNumber(record.key) : std::nullopt;
            if (!page) {
                report(number, QString(), QStringLiteral("line %1: %2 is not a page number").arg(record.line).arg(quoted(record.key)));
                continue;
            }
            if (*page <= previous)
                report(number, QString(), QStringLiteral("line %1: page %2 comes after page %3; the pages must be in ascending order")
                                              .arg(record.line)
                                              .arg(*page)
                                              .arg(previous));
            if (record.text.indexOf(u'#', record.key.size() + 2) >= 0)
                report(number, QStringLiteral("page %1").arg(*page),
                       QStringLiteral("a field holds \"#\", which misleads the record lookup"));
            previous = std::max(previous, *page);
            if (!records.contains(*page))
                records.insert(*page, record.text);
        }
        return records;
    }

    void checkSubject(const SubjectFacts &facts)
    {
        const int s = facts.subject;
        QList<BankPaper> papers = readPageLists(s, facts.paperCount);
        const int keysTable = CoursePackage::bankTableNumber(s, 3);
        const int kindsTable = CoursePackage::bankTableNumber(s, 4);
        const int marksTable = CoursePackage::bankTableNumber(s, 5);
        const std::optional<QMap<int, QString>> keys = readPageTable(keysTable);
        const std::optional<QMap<int, QString>> kinds = readPageTable(kindsTable);
        const std::optional<QMap<int, QString>> marks = readPageTable(marksTable);

        QSet<int> listed;
        for (BankPaper &paper : papers) {
            for (const int page : std::as_const(paper.pages)) {
                listed.insert(page);
                checkPage(paper, page);
            }
            if (keys && kinds && marks)
                readSlots(s, paper, *keys, *kinds, *marks);
            checkSlots(s, paper);
        }
        for (const auto &table : {std::pair{keysTable, keys}, std::pair{kindsTable, kinds}, std::pair{marksTable, marks}}) {
            if (!table.second)
                continue;
            for (auto it = table.second->cbegin(); it != table.second->cend(); ++it) {
                if (!listed.contains(it.key()))
                    report(table.first, QStringLiteral("page %1").arg(it.key()), QStringLiteral("the page is in no paper's page list"));
            }
        }
        checkTemplates(s, facts.paperCount, papers);
    }

    void readSlots(int s, BankPaper &paper, const QMap<int, QString> &keys, const QMap<int, QString> &kinds,
                   const QMap<int, QString> &marks)
    {
        const std::array<std::pair<int, const QMap<int, QString> *>, 3> tables = {
            std::pair{CoursePackage::bankTableNumber(s, 3), &keys}, std::pair{CoursePackage::bankTableNumber(s, 4), &kinds},
            std::pair{CoursePackage::bankTableNumber(s, 5), &marks}};
        for (const int page : std::as_const(paper.pages)) {
            std::array<QStringList, 3> fields;
            bool complete = true;
            for (size_t t = 0; t < tables.size(); ++t) {
                if (!tables[t].second->contains(page)) {
                    report(tables[t].first, at(paper.id, page), QStringLiteral("the page has no record in this table"));
                    complete = false;
                    continue;
                }
                const QString line = tables[t].second->value(page);
                fields[t] = splitFields(line, countFields(line), TaggedRecords::FiveCharKeyStart, 0);
            }
            if (!complete)
                continue;
            const int slotCount = int(fields[0].size());
            if (fields[1].size() != slotCount || fields[2].size() != slotCount)
                report(tables[0].first, at(paper.id, page), QStringLiteral("%1 answer keys, %2 answer kinds and %3 marks; the three tables must agree")
                                                             .arg(slotCount)
                                                             .arg(fields[1].size())
                                                             .arg(fields[2].size()));
            if (slotCount == 0)
                report(tables[0].first, at(paper.id, page), QStringLiteral("the page has no answer slots"));
            if (slotCount > PaperDefinition::MaxSlotsPerPage)
                report(tables[0].first, at(paper.id, page), QStringLiteral("%1 slots on one page; the answer sheet has %2 rows")
                                                             .arg(slotCount)
                                                             .arg(PaperDefinition::MaxSlotsPerPage));
            for (int i = 0; i < slotCount; ++i) {
                paper.keys.append(fields[0].at(i));
                paper.kinds.append(fields[1].value(i));
                paper.marks.append(fields[2].value(i));
                paper.slotPage.append(page);
                paper.slotOnPage.append(i);
            }
        }
        if (paper.keys.size() > PaperDefinition::MaxSlots)
            report(tables[0].first, at(paper.id), QStringLiteral("%1 slots; a paper holds at most %2")
                                                   .arg(paper.keys.size())
                                                   .arg(PaperDefinition::MaxSlots));
    }

    void checkSlots(int s, const BankPaper &paper)
    {
        const int keysTable = CoursePackage::bankTableNumber(s, 3);
        const int kindsTable = CoursePackage::bankTableNumber(s, 4);
        const int marksTable = CoursePackage::bankTableNumber(s, 5);
        auto where = [&](int i) { return at(paper.id, paper.slotPage.at(i), i + 1, paper.slotOnPage.at(i)); };
        for (int i = 0; i < paper.keys.size(); ++i) {
            const QString &key = paper.keys.at(i);
            const QString &kind = paper.kinds.at(i);
            const std::optional<int> mark = plainNumber(paper.marks.at(i));
            if (!mark || *mark < 1)
                report(marksTable, where(i), QStringLiteral("the marks %1 are not a whole number of at least 1").arg(quoted(paper.marks.at(i))));
            if (!isKnownKind(kind)) {
                report(kindsTable, where(i), QStringLiteral("unknown answer kind %1").arg(quoted(kind)));
                continue;
            }
            if (kind == u"Q" && (key.size() != 1 || key < u"1" || key > u"9"))
                report(keysTable, where(i), QStringLiteral("kind \"Q\" key %1 is not an option number from 1 to 9").arg(quoted(key)));
            if (key == continuationKey)
                checkContinuation(keysTable, paper, i, where(i));
            else if (isGroupKind(kind) && !key.startsWith(u';'))
                report(keysTable, where(i), QStringLiteral("kind \"%1\" key %2 is not a list of answers, each after a \";\"").arg(kind, quoted(key)));
        }
        for (const KeyReplay::Finding &finding : KeyReplay::replay(paper.keys, paper.kinds))
            report(keysTable, where(finding.slot - 1), finding.message);
    }

    // A key of one space continues the group of the nearest earlier slot with another key.
    void checkContinuation(int keysTable, const BankPaper &paper, int i, const QString &where)
    {
        const QString &kind = paper.kinds.at(i);
        if (!isGroupKind(kind)) {
            report(keysTable, where, QStringLiteral("the key \" \" continues a group, but the slot is of kind %1").arg(quoted(kind)));
            return;
        }
        if (i == 0) {
            report(keysTable, where, QStringLiteral("the paper's first slot cannot continue a group (key \" \")"));
            return;
        }
        int lead = i - 1;
        while (lead >= 0 && paper.keys.at(lead) == continuationKey)
            --lead;
        if (lead < 0) {
            report(keysTable, where, QStringLiteral("the group continued here (key \" \") has no lead slot"));
        } else if (i - lead > maxContinuations) {
            report(keysTable, where, QStringLiteral("the group has more than %1 continuation slots").arg(maxContinuations));
        } else if (paper.kinds.at(lead) != kind) {
            report(keysTable, where, QStringLiteral("a slot of kind %1 continues a group led by slot %2 of kind %3")
                                         .arg(quoted(kind))
                                         .arg(lead + 1)
                                         .arg(quoted(paper.kinds.at(lead))));
        }
    }

    void checkPage(const BankPaper &paper, int page)
    {
        const std::optional<QByteArray> bytes = read(page);
        if (!bytes) {
            report(page, at(paper.id, page), QStringLiteral("the question page is missing"));
            return;
        }
        for (const QString &problem : PageCheck::problems(*bytes))
            report(page, at(paper.id, page), problem);
    }

    void checkTemplates(int s, int paperCount, const QList<BankPaper> &papers)
    {
        QList<int> slotCounts(paperCount, 0);
        for (const BankPaper &paper : papers)
            slotCounts[paper.id - 101] = int(paper.keys.size());
        for (const ProgressFile file : ProgressFiles::all()) {
            const int number = CoursePackage::templateNumber(s, int(file));
            const std::optional<QByteArray> bytes = read(number);
            if (!bytes) {
                report(number, QString(), QStringLiteral("missing"));
                continue;
            }
            QByteArray expected;
            if (file == ProgressFile::Marks)
                expected = ProgressTemplates::marks(paperCount);
            else if (file == ProgressFile::Trend)
                expected = ProgressTemplates::trend();
            else
                expected = ProgressTemplates::paperRows(slotCounts);
            if (*bytes != expected)
                compareTemplate(number, expected, *bytes);
        }
    }

    void compareTemplate(int number, const QByteArray &expected, const QByteArray &actual)
    {
        const QList<QByteArray> want = expected.split('\n');
        const QList<QByteArray> have = actual.split('\n');
        for (int i = 0; i < std::max(want.size(), have.size()); ++i) {
            const QByteArray w = want.value(i);
            const QByteArray h = have.value(i);
            if (w == h)
                continue;
            if (i >= want.size() || (i == want.size() - 1 && w.isEmpty() && i == have.size() - 1)) {
                report(number, QString(), QStringLiteral("line %1 is %2; the template ends before it")
                                              .arg(i + 1)
                                              .arg(quoted(QString::fromLatin1(h))));
            } else if (i >= have.size()) {
                report(number, QString(), QStringLiteral("line %1 is missing; it must be %2")
                                              .arg(i + 1)
                                              .arg(quoted(QString::fromLatin1(w.trimmed()))));
            } else if (w.trimmed() == h.trimmed()) {
                report(number, QString(), QStringLiteral("line %1 ends wrongly; lines end with CR LF, and the per-paper templates have no line end after the final \"...\"")
                                              .arg(i + 1));
            } else if (w.startsWith('#') && w.left(w.indexOf('#', 1) + 1) == h.left(h.indexOf('#', 1) + 1)) {
                const QString key = QString::fromLatin1(w.mid(1, w.indexOf('#', 1) - 1));
                report(number, QString(), QStringLiteral("the record %1 has %2 fields; it must have %3")
                                              .arg(key)
                                              .arg(h.count('>'))
                                              .arg(w.count('>')));
            } else {
                report(number, QString(), QStringLiteral("line %1 is %2; it must be %3")
                                              .arg(i + 1)
                                              .arg(quoted(QString::fromLatin1(h.trimmed())), quoted(QString::fromLatin1(w.trimmed()))));
            }
        }
    }

    void checkPictures()
    {
        for (const PictureEntry &picture : pictureTable()) {
            const std::optional<QByteArray> bytes = read(picture.number);
            if (!bytes) {
                report(picture.number, QString(), QStringLiteral("the picture is missing"));
                continue;
            }
            const QString suffix = picture.fileName.section(u'.', -1).toLower();
            static const QMap<QString, QList<QByteArray>> signatures = {
                {QStringLiteral("bmp"), {QByteArrayLiteral("BM")}},
                {QStringLiteral("gif"), {QByteArrayLiteral("GIF87a"), QByteArrayLiteral("GIF89a")}},
                {QStringLiteral("ico"), {QByteArray("\0\0\1\0", 4)}}};
            const QList<QByteArray> starts = signatures.value(suffix);
            if (std::none_of(starts.cbegin(), starts.cend(), [&](const QByteArray &start) { return bytes->startsWith(start); })) {
                report(picture.number, QString(), QStringLiteral("the file is not in %1 format").arg(suffix.toUpper()));
                continue;
            }
            if (suffix == u"bmp" && bytes->size() >= 30) {
                const int depth = uchar(bytes->at(28)) | (uchar(bytes->at(29)) << 8);
                if (depth != 24 && depth != 8)
                    report(picture.number, QString(), QStringLiteral("a %1-bit bitmap; the pictures are 24-bit or 8-bit").arg(depth));
            }
            QByteArray copy = *bytes;
            QBuffer buffer(&copy);
            QImageReader reader(&buffer, suffix.toLatin1());
            const QImage image = reader.read();
            if (image.isNull())
                report(picture.number, QString(), QStringLiteral("the picture cannot be read: %1").arg(reader.errorString()));
            else if (image.size() != picture.size)
                report(picture.number, QString(), QStringLiteral("the picture is %1 x %2 pixels; it must be %3 x %4")
                                                      .arg(image.width())
                                                      .arg(image.height())
                                                      .arg(picture.size.width())
                                                      .arg(picture.size.height()));
        }
    }

    void checkStrayFiles()
    {
        for (const QString &name : m_dir.entryList(QDir::Files, QDir::Name)) {
            if (m_accounted.contains(name))
                continue;
            const int number = name.toInt();
            if (QString::number(number) == name && number % 10000 > 5000)
                report(number, QString(), QStringLiteral("the page is in no paper's page list"));
            else
                m_problems.append(QStringLiteral("%1: not a resource of this course").arg(name));
        }
    }

    QDir m_dir;
    QStringList m_problems;
    QSet<QString> m_accounted;
};

} // namespace

QStringList problems(const QString &folder)
{
    return Checker(folder).run();
}

} // namespace PackageCheck
