#include "markingcourse.h"

#include <QDir>
#include <QFile>

namespace {

struct Slot
{
    const char *key;
    const char *kind;
    const char *marks;
    const char *right;
    const char *wrong;
};

// Ten slots that make up half a page; the last two are a group.
const Slot pattern[] = {
    {"12.5", "N", "1", "12.50", "12"},
    {"took", "T", "1", " Took", "take"},
    {"3", "Q", "1", "3", "2"},
    {"The cat sat on the mat.", "L", "2", "the cat sat on the mat.", "The cat sat."},
    {"a b", "R", "1", "a  b", "ab c"},
    {"1 2/3", "F", "2", "1 2 / 3", "5/3"},
    {"x+1", "X", "1", "x + 1", "x-1"},
    {"blue", "T", "1", "blue", "red"},
    {";2;3;4;6", "G", "1", "4", "5"},
    {" ", "G", "1", "6", "4"},
};
constexpr int patternSize = int(std::size(pattern));
constexpr int slotsPerPage = 20;
constexpr int papers = 5;

int pagesOf(int paperIndex)
{
    return paperIndex == 2 ? 4 : 1;
}

int firstPageOf(int paperIndex)
{
    int page = 15001;
    for (int p = 1; p < paperIndex; ++p)
        page += pagesOf(p);
    return page;
}

int slotsOn(int paperIndex)
{
    return paperIndex <= 2 ? slotsPerPage : 1;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray lines(const QList<QByteArray> &rows, bool endLast = true)
{
    QByteArray bytes = QByteArrayList(rows).join("\r\n");
    return endLast ? bytes + "\r\n" : bytes;
}

QByteArray page(int pageId)
{
    return lines({"MIME-Version: 1.0",
                  "Content-Type: multipart/related; boundary=\"----=_part\"; type=\"text/html\"", "", "------=_part",
                  "Content-Type: text/html; charset=utf-8", "Content-Location: https://quorvale.invalid/page.html", "",
                  "<html><body><h1>Page " + QByteArray::number(pageId) + "</h1></body></html>", "------=_part--"});
}

} // namespace

namespace MarkingCourse {

void write(const QString &folder)
{
    QDir().mkpath(folder);
    const auto path = [&](int number) -> QString { return folder + u'/' + QString::number(number); };
    writeFile(path(30000), lines({"...", "#NME#>Marking Course", "#COD#>MK", "#LAH#>Bench", "#LBH#>", "#LCH#>",
                                  "#TT1#>1", "#TP1#>5", "#TN1#>Marking", "..."}));

    QList<QByteArray> pageLists{"..."}, keys{"..."}, kinds{"..."}, marks{"..."}, rows{"..."};
    for (int paper = 1; paper <= papers; ++paper) {
        QByteArray list = "#" + QByteArray::number(100 + paper) + "#";
        for (int p = 0; p < pagesOf(paper); ++p) {
            const int pageId = firstPageOf(paper) + p;
            list += ">" + QByteArray::number(pageId);
            QByteArray key = "#" + QByteArray::number(pageId) + "#", kind = key, mark = key;
            for (int s = 0; s < slotsOn(paper); ++s) {
                const Slot &slot = pattern[s % patternSize];
                key += QByteArray(">") + slot.key;
                kind += QByteArray(">") + slot.kind;
                mark += QByteArray(">") + slot.marks;
            }
            keys += key;
            kinds += kind;
            marks += mark;
            writeFile(path(pageId), page(pageId));
        }
        pageLists += list;
        rows += "#" + QByteArray::number(100 + paper) + "#" + QByteArray(pagesOf(paper) * slotsOn(paper), '>');
    }
    for (QList<QByteArray> *table : {&pageLists, &keys, &kinds, &marks})
        *table += "...";
    writeFile(path(30012), lines(pageLists));
    writeFile(path(30013), lines(keys));
    writeFile(path(30014), lines(kinds));
    writeFile(path(30015), lines(marks));

    QList<QByteArray> marksTemplate{"..."};
    for (const char *record : {"FSE", "SSE", "LTM", "CDD"})
        marksTemplate += "#" + QByteArray(record) + "#" + QByteArray(papers, '>');
    for (const char *record : {"FST", "SST"})
        marksTemplate += "#" + QByteArray(record) + "#" + QByteArray(">0").repeated(papers);
    marksTemplate += "...";
    writeFile(path(30111), lines(marksTemplate));
    rows += "...";
    for (int file = 30112; file <= 30115; ++file)
        writeFile(path(file), lines(rows, false));
    writeFile(path(30116), "#TRD#\r\n");
}

QStringList answers(int paperIndex)
{
    QStringList texts;
    const int count = pagesOf(paperIndex) * slotsOn(paperIndex);
    for (int s = 0; s < count; ++s) {
        const Slot &slot = pattern[s % patternSize];
        texts.append(QString::fromLatin1((s / patternSize) % 2 == 0 ? slot.right : slot.wrong));
    }
    return texts;
}

} // namespace MarkingCourse
