#include "coursesource.h"

#include "course/codepage.h"
#include "figurecheck.h"
#include "keyexpression.h"
#include "practice/answercheck.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString pageSeparator = QStringLiteral("=== page");

// One `key: value` line of a source file, with the lines that continue it.
struct Entry
{
    int line = 0;
    QString key; // empty for a page separator
    QString value;
};

// Collects "file:line: message" texts.
class Errors
{
public:
    explicit Errors(QStringList *list)
        : m_list(list)
    {
    }

    void add(const SourcePlace &place, const QString &message) { m_list->append(place.toString() + u": " + message); }
    qsizetype count() const { return m_list->size(); }

private:
    QStringList *m_list;
};

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

// The file's lines as UTF-8 text; tabs count as spaces.
std::optional<QStringList> readSourceLines(const QString &path, Errors &errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors.add({path, 0}, QStringLiteral("cannot be read: ") + file.errorString());
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        errors.add({path, 0}, QStringLiteral("is not UTF-8 text"));
        return std::nullopt;
    }
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    text.replace(u'\t', u' ');
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

// Splits lines into entries. A line "key: value" with a known key starts an
// entry; any other text continues the entry before it, joined with a space, or
// after an empty line with a paragraph break where paragraphs are allowed.
QList<Entry> readEntries(const QStringList &lines, const QString &path, const QStringList &knownKeys,
                         const QStringList &paragraphKeys, bool pages, Errors &errors)
{
    static const QRegularExpression keyLine(QStringLiteral("^([a-z]+):(.*)$"));
    QList<Entry> entries;
    Entry *open = nullptr;
    bool paragraphBreak = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = lines.at(i).trimmed();
        const SourcePlace place{path, i + 1};
        if (text.startsWith(u'#'))
            continue;
        if (text.isEmpty()) {
            paragraphBreak = open && paragraphKeys.contains(open->key);
            continue;
        }
        if (pages && text.startsWith(QStringLiteral("==="))) {
            if (text != pageSeparator)
                errors.add(place, QStringLiteral("a page starts with the line \"%1\"").arg(pageSeparator));
            entries.append({i + 1, QString(), QString()});
            open = nullptr;
            continue;
        }
        const QRegularExpressionMatch match = keyLine.match(text);
        if (match.hasMatch()) {
            if (knownKeys.contains(match.captured(1))) {
                entries.append({i + 1, match.captured(1), match.captured(2).trimmed()});
                open = &entries.last();
                paragraphBreak = false;
                continue;
            }
            errors.add(place, QStringLiteral("unknown key %1 (known: %2)")
                                  .arg(quoted(match.captured(1) + u':'), knownKeys.join(QStringLiteral(", "))));
            continue;
        }
        if (!open) {
            errors.add(place, QStringLiteral("text that belongs to no key: %1").arg(quoted(text)));
            continue;
        }
        if (!open->value.isEmpty())
            open->value += paragraphBreak ? QStringLiteral("\n\n") : QStringLiteral(" ");
        open->value += text;
        paragraphBreak = false;
    }
    return entries;
}

// Text that a table or the descriptor stores as a field.
bool checkFieldText(const QString &text, const SourcePlace &place, const QString &what, Errors &errors)
{
    if (text.contains(u'>') || text.contains(u'#')) {
        errors.add(place, QStringLiteral("%1 %2 cannot contain \">\" or \"#\"").arg(what, quoted(text)));
        return false;
    }
    for (const QChar c : text) {
        if (!Cp1252::canEncode(c) || c.unicode() < 0x20) {
            errors.add(place, QStringLiteral("%1 %2 holds the character U+%3, which the course files cannot store")
                                  .arg(what, quoted(text))
                                  .arg(c.unicode(), 4, 16, QLatin1Char('0')));
            return false;
        }
    }
    return true;
}

bool checkAnswerText(const QString &answer, const QString &kind, const SourcePlace &place, Errors &errors)
{
    if (answer.isEmpty()) {
        errors.add(place, QStringLiteral("the answer is empty"));
        return false;
    }
    if (!checkFieldText(answer, place, QStringLiteral("the answer"), errors))
        return false;
    if (answer.contains(QStringLiteral("  "))) {
        errors.add(place, QStringLiteral("the answer %1 has two spaces in a row; a pupil types one").arg(quoted(answer)));
        return false;
    }
    if (kind == u"N" && !parseAnswerNumber(answer)) {
        errors.add(place, QStringLiteral("the answer %1 of kind N is not a plain number such as 3.85 or -12")
                              .arg(quoted(answer)));
        return false;
    }
    return true;
}

bool isPlainKind(const QString &kind)
{
    static const QStringList plain = {QStringLiteral("N"), QStringLiteral("Q"), QStringLiteral("T"), QStringLiteral("L"),
                                      QStringLiteral("R"), QStringLiteral("F"), QStringLiteral("X")};
    return plain.contains(kind);
}

std::optional<int> parseMarks(const QString &text, const SourcePlace &place, Errors &errors)
{
    bool ok = false;
    const int marks = text.toInt(&ok);
    if (!ok || marks < 1 || marks > CourseSource::MaxMarks) {
        errors.add(place, QStringLiteral("marks %1 is not a whole number from 1 to %2")
                              .arg(quoted(text))
                              .arg(CourseSource::MaxMarks));
        return std::nullopt;
    }
    return marks;
}

// "= 3.5 + 0.35" beside the answer 3.85: the sum must make the answer exactly.
void checkSum(const QString &answer, const QString &sum, const SourcePlace &place, Errors &errors)
{
    QString why;
    const std::optional<Fraction> value = KeyExpression::evaluate(sum, &why);
    if (!value) {
        errors.add(place, QStringLiteral("the sum %1 cannot be worked out: %2").arg(quoted(sum), why));
        return;
    }
    const std::optional<Fraction> key = KeyExpression::keyValue(answer);
    if (!key) {
        errors.add(place, QStringLiteral("the answer %1 is not a number, so it cannot match the sum %2")
                              .arg(quoted(answer), quoted(sum)));
        return;
    }
    if (*key != *value)
        errors.add(place, QStringLiteral("the sum %1 makes %2, not the answer %3")
                              .arg(quoted(sum), value->toString(), quoted(answer)));
}

std::optional<SourceItem> readItem(const Entry &entry, const QString &path, Errors &errors)
{
    SourceItem item;
    item.place = {path, entry.line};
    item.group = entry.key == u"group";
    QStringList parts = entry.value.split(u'|');
    for (QString &part : parts)
        part = part.trimmed();
    const qsizetype errorsBefore = errors.count();
    if (item.group) {
        if (parts.size() != 5) {
            errors.add(item.place, QStringLiteral("a group: line has five parts: question | answer;answer;... | "
                                                  "kind | marks | number of blanks"));
            return std::nullopt;
        }
        item.kind = parts.at(2);
        if (!isGroupKind(item.kind))
            errors.add(item.place, QStringLiteral("a group's kind is G or M, not %1").arg(quoted(item.kind)));
        item.answers = parts.at(1).split(u';');
        QSet<QString> seen;
        for (QString &answer : item.answers) {
            answer = answer.trimmed();
            if (!checkAnswerText(answer, item.kind, item.place, errors))
                continue;
            if (seen.contains(answer.toLower()))
                errors.add(item.place, QStringLiteral("the answer %1 is listed twice").arg(quoted(answer)));
            seen.insert(answer.toLower());
        }
        bool ok = false;
        item.count = parts.at(4).toInt(&ok);
        if (!ok || item.count < 1 || item.count > CourseSource::MaxSlotsPerPage)
            errors.add(item.place, QStringLiteral("the number of blanks %1 is not a whole number from 1 to %2")
                                       .arg(quoted(parts.at(4)))
                                       .arg(CourseSource::MaxSlotsPerPage));
        else if (item.count > item.answers.size())
            errors.add(item.place, QStringLiteral("%1 blanks need at least %1 answers; the group lists %2")
                                       .arg(item.count)
                                       .arg(item.answers.size()));
    } else {
        if (parts.size() != 4 && parts.size() != 5) {
            errors.add(item.place, QStringLiteral("a blank: line has four parts, and an optional fifth: "
                                                  "question | answer | kind | marks | = sum"));
            return std::nullopt;
        }
        item.kind = parts.at(2);
        item.answers = {parts.at(1)};
        if (!isPlainKind(item.kind) || item.kind == u"Q")
            errors.add(item.place, QStringLiteral("a blank's kind is one of N, T, L, R, F, X, not %1; "
                                                  "groups use group: lines and kind Q needs options")
                                       .arg(quoted(item.kind)));
        else if (checkAnswerText(parts.at(1), item.kind, item.place, errors) && parts.size() == 5) {
            if (!parts.at(4).startsWith(u'='))
                errors.add(item.place, QStringLiteral("the fifth part of a blank: line is a sum starting with \"=\""));
            else
                checkSum(parts.at(1), parts.at(4).mid(1).trimmed(), item.place, errors);
        }
    }
    item.question = parts.at(0);
    if (item.question.isEmpty())
        errors.add(item.place, QStringLiteral("the question is empty"));
    if (const std::optional<int> marks = parseMarks(parts.at(3), item.place, errors))
        item.marks = *marks;
    if (errors.count() != errorsBefore)
        return std::nullopt;
    return item;
}

// "there [was] a mouse" becomes the pieces "there ", " a mouse" around the blank "was".
bool splitPassage(SourcePage &page, const QString &passage, const SourcePlace &place, Errors &errors)
{
    QString piece;
    qsizetype at = 0;
    while (at < passage.size()) {
        const qsizetype open = passage.indexOf(u'[', at);
        const qsizetype close = passage.indexOf(u']', at);
        if (open < 0 && close < 0) {
            piece += passage.mid(at);
            break;
        }
        if (open < 0 || (close >= 0 && close < open)) {
            errors.add(place, QStringLiteral("a \"]\" in the passage has no \"[\" before it"));
            return false;
        }
        const qsizetype end = passage.indexOf(u']', open);
        const qsizetype nested = passage.indexOf(u'[', open + 1);
        if (end < 0 || (nested >= 0 && nested < end)) {
            errors.add(place, QStringLiteral("a \"[\" in the passage is not closed by \"]\""));
            return false;
        }
        page.passagePieces.append(piece + passage.mid(at, open - at));
        page.passageBlanks.append(passage.mid(open + 1, end - open - 1).trimmed());
        piece.clear();
        at = end + 1;
    }
    page.passagePieces.append(piece);
    if (page.passageBlanks.isEmpty()) {
        errors.add(place, QStringLiteral("the passage has no blanks; put each answer in square brackets"));
        return false;
    }
    bool sound = true;
    for (const QString &blank : std::as_const(page.passageBlanks))
        sound = checkAnswerText(blank, page.kind, place, errors) && sound;
    return sound;
}

std::optional<SourceImage> readImage(const Entry &entry, const QString &path, const QDir &folder, Errors &errors)
{
    SourceImage image;
    image.place = {path, entry.line};
    image.fileName = entry.value;
    image.mimeType = FigureCheck::mimeTypeForFileName(image.fileName);
    if (image.mimeType.isEmpty()) {
        errors.add(image.place, QStringLiteral("%1 is not an SVG, PNG, GIF or JPEG file").arg(quoted(image.fileName)));
        return std::nullopt;
    }
    QFile file(folder.filePath(image.fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        errors.add(image.place, QStringLiteral("the picture %1 cannot be read: %2").arg(quoted(file.fileName()), file.errorString()));
        return std::nullopt;
    }
    image.bytes = file.readAll();
    QString why;
    if (!FigureCheck::isDrawable(image.bytes, image.mimeType, &why)) {
        errors.add(image.place, QStringLiteral("the picture %1 cannot be shown: %2").arg(quoted(image.fileName), why));
        return std::nullopt;
    }
    return image;
}

std::optional<SourcePage> readPage(const QList<Entry> &entries, const SourcePlace &place, const QDir &folder,
                                   Errors &errors)
{
    SourcePage page;
    page.place = place;
    const qsizetype errorsBefore = errors.count();
    QHash<QString, Entry> single;
    for (const Entry &entry : entries) {
        const SourcePlace at{place.file, entry.line};
        if (entry.key == u"blank" || entry.key == u"group") {
            if (const std::optional<SourceItem> item = readItem(entry, place.file, errors))
                page.items.append(*item);
        } else if (entry.key == u"image") {
            if (const std::optional<SourceImage> image = readImage(entry, place.file, folder, errors))
                page.images.append(*image);
        } else if (single.contains(entry.key)) {
            errors.add(at, QStringLiteral("a second %1 line on this page").arg(quoted(entry.key + u':')));
        } else {
            single.insert(entry.key, entry);
        }
    }
    auto value = [&](const QString &key) { return single.value(key).value; };
    auto placeOf = [&](const QString &key) {
        return single.contains(key) ? SourcePlace{place.file, single.value(key).line} : place;
    };
    page.instruction = value(QStringLiteral("instruction"));
    const bool hasItems = std::any_of(entries.cbegin(), entries.cend(),
                                      [](const Entry &e) { return e.key == u"blank" || e.key == u"group"; });
    const bool hasPassage = single.contains(QStringLiteral("passage"));
    const bool hasQuestion = single.contains(QStringLiteral("question")) || single.contains(QStringLiteral("answer"));
    if (int(hasItems) + int(hasPassage) + int(hasQuestion) != 1) {
        errors.add(place, QStringLiteral("a page has either question: and answer:, or a passage:, "
                                         "or blank: and group: lines"));
        return std::nullopt;
    }
    page.layout = hasItems ? SourcePage::Layout::Items
                           : (hasPassage ? SourcePage::Layout::Passage : SourcePage::Layout::Question);

    const QStringList pageWide = {QStringLiteral("kind"), QStringLiteral("marks")};
    if (page.layout == SourcePage::Layout::Items) {
        for (const QString &key : pageWide + QStringList{QStringLiteral("options")}) {
            if (single.contains(key))
                errors.add(placeOf(key), QStringLiteral("%1 does not belong on a page of blank: and group: lines; "
                                                        "each line gives its own kind and marks")
                                             .arg(quoted(key + u':')));
        }
    } else {
        for (const QString &key : pageWide) {
            if (!single.contains(key))
                errors.add(place, QStringLiteral("the page has no %1 line").arg(quoted(key + u':')));
        }
        page.kind = value(QStringLiteral("kind"));
        if (single.contains(QStringLiteral("kind")) && !isPlainKind(page.kind))
            errors.add(placeOf(QStringLiteral("kind")),
                       QStringLiteral("the kind is one of N, Q, T, L, R, F, X, not %1").arg(quoted(page.kind)));
        if (single.contains(QStringLiteral("marks"))) {
            if (const std::optional<int> marks = parseMarks(value(QStringLiteral("marks")), placeOf(QStringLiteral("marks")), errors))
                page.marks = *marks;
        }
    }

    if (page.layout == SourcePage::Layout::Passage) {
        if (page.kind == u"Q")
            errors.add(placeOf(QStringLiteral("kind")), QStringLiteral("a passage's blanks cannot be of kind Q"));
        if (single.contains(QStringLiteral("options")))
            errors.add(placeOf(QStringLiteral("options")), QStringLiteral("a passage page has no \"options:\" line"));
        if (errors.count() == errorsBefore)
            splitPassage(page, value(QStringLiteral("passage")), placeOf(QStringLiteral("passage")), errors);
    } else if (page.layout == SourcePage::Layout::Question) {
        page.question = value(QStringLiteral("question"));
        page.answer = value(QStringLiteral("answer"));
        if (page.question.isEmpty())
            errors.add(placeOf(QStringLiteral("question")), QStringLiteral("the question is empty"));
        if (!single.contains(QStringLiteral("answer")))
            errors.add(place, QStringLiteral("the page has no \"answer:\" line"));
        if (single.contains(QStringLiteral("options"))) {
            page.options = value(QStringLiteral("options")).split(u'|');
            for (QString &option : page.options)
                option = option.trimmed();
        }
        const SourcePlace answerPlace = placeOf(QStringLiteral("answer"));
        if (page.kind == u"Q") {
            bool ok = false;
            const int chosen = page.answer.toInt(&ok);
            if (page.options.size() < 2 || page.options.size() > CourseSource::MaxOptions
                || page.options.contains(QString()))
                errors.add(placeOf(QStringLiteral("options")),
                           QStringLiteral("kind Q needs an \"options:\" line of 2 to %1 options separated by \"|\"")
                               .arg(CourseSource::MaxOptions));
            else if (!ok || chosen < 1 || chosen > page.options.size())
                errors.add(answerPlace, QStringLiteral("the answer %1 is not the number of one of the %2 options")
                                            .arg(quoted(page.answer))
                                            .arg(page.options.size()));
        } else if (!page.options.isEmpty()) {
            errors.add(placeOf(QStringLiteral("options")), QStringLiteral("only pages of kind Q have options"));
        } else if (single.contains(QStringLiteral("answer"))) {
            checkAnswerText(page.answer, page.kind, answerPlace, errors);
        }
    }

    const int slotCount = int(page.answerSlots().size());
    if (errors.count() == errorsBefore && slotCount > CourseSource::MaxSlotsPerPage)
        errors.add(place, QStringLiteral("the page has %1 blanks; at most %2 fit the answer sheet")
                              .arg(slotCount)
                              .arg(CourseSource::MaxSlotsPerPage));
    if (errors.count() != errorsBefore)
        return std::nullopt;
    return page;
}

std::optional<SourcePaper> readPaper(const QString &path, Errors &errors)
{
    const std::optional<QStringList> lines = readSourceLines(path, errors);
    if (!lines)
        return std::nullopt;
    static const QStringList keys = {QStringLiteral("kind"),   QStringLiteral("marks"),   QStringLiteral("instruction"),
                                     QStringLiteral("question"), QStringLiteral("options"), QStringLiteral("answer"),
                                     QStringLiteral("passage"), QStringLiteral("blank"),   QStringLiteral("group"),
                                     QStringLiteral("image")};
    static const QStringList paragraphKeys = {QStringLiteral("instruction"), QStringLiteral("question"),
                                              QStringLiteral("passage")};
    const qsizetype errorsBefore = errors.count();
    const QList<Entry> entries = readEntries(*lines, path, keys, paragraphKeys, true, errors);

    SourcePaper paper;
    paper.place = {path, 0};
    const QDir folder = QFileInfo(path).dir();
    qsizetype at = 0;
    if (!entries.isEmpty() && !entries.first().key.isEmpty()) {
        errors.add({path, entries.first().line}, QStringLiteral("expected \"%1\" before the first key").arg(pageSeparator));
        return std::nullopt;
    }
    while (at < entries.size()) {
        const SourcePlace place{path, entries.at(at).line};
        qsizetype end = at + 1;
        while (end < entries.size() && !entries.at(end).key.isEmpty())
            ++end;
        if (const std::optional<SourcePage> page = readPage(entries.mid(at + 1, end - at - 1), place, folder, errors))
            paper.pages.append(*page);
        at = end;
    }
    if (errors.count() != errorsBefore)
        return std::nullopt;
    if (paper.pages.isEmpty()) {
        errors.add(paper.place, QStringLiteral("the paper has no pages"));
        return std::nullopt;
    }
    if (paper.slotCount() > CourseSource::MaxSlotsPerPaper) {
        errors.add(paper.place, QStringLiteral("the paper has %1 blanks; at most %2 fit a paper")
                                    .arg(paper.slotCount())
                                    .arg(CourseSource::MaxSlotsPerPaper));
        return std::nullopt;
    }
    return paper;
}

QString paperFileName(int paperIndex)
{
    return QStringLiteral("paper%1.txt").arg(paperIndex, 2, 10, QLatin1Char('0'));
}

void readPapers(SourceSubject &subject, Errors &errors)
{
    const QDir folder(subject.folder);
    const int paperCount = int(subject.topics.size()) * CourseSource::PapersPerTopic;
    for (int index = 1; index <= paperCount; ++index) {
        const QString path = folder.filePath(paperFileName(index));
        if (!QFileInfo::exists(path)) {
            errors.add({path, 0}, QStringLiteral("missing: the %1 topics of %2 need papers 01 to %3")
                                      .arg(subject.topics.size())
                                      .arg(subject.name)
                                      .arg(paperCount, 2, 10, QLatin1Char('0')));
            continue;
        }
        if (const std::optional<SourcePaper> paper = readPaper(path, errors))
            subject.papers.append(*paper);
    }
    static const QRegularExpression paperName(QStringLiteral("^paper(\\d+)\\.txt$"));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = paperName.match(name);
        if (match.hasMatch() && (match.captured(1).toInt() > paperCount || name != paperFileName(match.captured(1).toInt())))
            errors.add({folder.filePath(name), 0},
                       QStringLiteral("is not one of the papers 01 to %1 of the subject's %2 topics")
                           .arg(paperCount, 2, 10, QLatin1Char('0'))
                           .arg(subject.topics.size()));
    }
}

bool checkName(const QString &text, const SourcePlace &place, const QString &what, Errors &errors)
{
    if (text.isEmpty()) {
        errors.add(place, QStringLiteral("the %1 is empty").arg(what));
        return false;
    }
    return checkFieldText(text, place, QStringLiteral("the ") + what, errors);
}

} // namespace

QList<SourceSlot> SourcePage::answerSlots() const
{
    QList<SourceSlot> result;
    switch (layout) {
    case Layout::Question:
        result.append({answer, kind, marks});
        break;
    case Layout::Passage:
        for (const QString &blank : passageBlanks)
            result.append({blank, kind, marks});
        break;
    case Layout::Items:
        for (const SourceItem &item : items) {
            if (!item.group) {
                result.append({item.answers.value(0), item.kind, item.marks});
                continue;
            }
            result.append({u';' + item.answers.join(u';'), item.kind, item.marks});
            for (int i = 1; i < item.count; ++i)
                result.append({QStringLiteral(" "), item.kind, item.marks});
        }
        break;
    }
    return result;
}

int SourcePage::marksTotal() const
{
    int total = 0;
    for (const SourceSlot &slot : answerSlots())
        total += slot.marks;
    return total;
}

int SourcePaper::slotCount() const
{
    int count = 0;
    for (const SourcePage &page : pages)
        count += int(page.answerSlots().size());
    return count;
}

std::optional<CourseSource> CourseSource::read(const QString &folder, QStringList *errorList)
{
    Errors errors(errorList);
    const qsizetype errorsBefore = errors.count();
    const QDir dir(folder);
    const QString path = dir.filePath(QStringLiteral("course.txt"));
    const std::optional<QStringList> lines = readSourceLines(path, errors);
    if (!lines)
        return std::nullopt;
    static const QStringList keys = {QStringLiteral("name"), QStringLiteral("code"), QStringLiteral("subject"),
                                     QStringLiteral("folder"), QStringLiteral("topic")};
    CourseSource course;
    SourcePlace nameAt{path, 0};
    SourcePlace codeAt{path, 0};
    for (const Entry &entry : readEntries(*lines, path, keys, {}, false, errors)) {
        const SourcePlace place{path, entry.line};
        if (entry.key == u"name" || entry.key == u"code") {
            SourcePlace &at = entry.key == u"name" ? nameAt : codeAt;
            if (at.line)
                errors.add(place, QStringLiteral("a second %1 line").arg(quoted(entry.key + u':')));
            at = place;
            (entry.key == u"name" ? course.name : course.code) = entry.value;
        } else if (entry.key == u"subject") {
            if (course.subjects.size() == MaxSubjects)
                errors.add(place, QStringLiteral("a course has at most %1 subjects").arg(MaxSubjects));
            course.subjects.append({place, entry.value, QString(), {}, {}});
            checkName(entry.value, place, QStringLiteral("subject name"), errors);
        } else if (course.subjects.isEmpty()) {
            errors.add(place, QStringLiteral("%1 belongs to a subject; put it after a \"subject:\" line")
                                  .arg(quoted(entry.key + u':')));
        } else if (entry.key == u"folder") {
            SourceSubject &subject = course.subjects.last();
            if (!subject.folder.isEmpty())
                errors.add(place, QStringLiteral("a second \"folder:\" line for %1").arg(subject.name));
            subject.folder = dir.filePath(entry.value);
            if (!QFileInfo(subject.folder).isDir())
                errors.add(place, QStringLiteral("the folder %1 does not exist").arg(quoted(subject.folder)));
        } else {
            SourceSubject &subject = course.subjects.last();
            if (subject.topics.size() == MaxTopics)
                errors.add(place, QStringLiteral("a subject has at most %1 topics").arg(MaxTopics));
            checkName(entry.value, place, QStringLiteral("topic name"), errors);
            subject.topics.append(entry.value);
        }
    }
    if (!nameAt.line)
        errors.add(nameAt, QStringLiteral("the course has no \"name:\" line"));
    else
        checkName(course.name, nameAt, QStringLiteral("course name"), errors);
    static const QRegularExpression codePattern(QStringLiteral("^[A-Za-z0-9]+$"));
    if (!codeAt.line)
        errors.add(codeAt, QStringLiteral("the course has no \"code:\" line"));
    else if (!codePattern.match(course.code).hasMatch())
        errors.add(codeAt, QStringLiteral("the course code %1 is not letters and digits").arg(quoted(course.code)));
    if (course.subjects.isEmpty())
        errors.add({path, 0}, QStringLiteral("the course has no \"subject:\" line"));
    for (const SourceSubject &subject : std::as_const(course.subjects)) {
        if (subject.folder.isEmpty())
            errors.add(subject.place, QStringLiteral("the subject %1 has no \"folder:\" line").arg(quoted(subject.name)));
        if (subject.topics.isEmpty())
            errors.add(subject.place, QStringLiteral("the subject %1 has no \"topic:\" line").arg(quoted(subject.name)));
    }
    if (errors.count() != errorsBefore)
        return std::nullopt;

    for (SourceSubject &subject : course.subjects)
        readPapers(subject, errors);
    if (errors.count() != errorsBefore)
        return std::nullopt;
    return course;
}
