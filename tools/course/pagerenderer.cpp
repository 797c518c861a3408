#include "pagerenderer.h"

#include "coursesource.h"

#include <QFile>
#include <QRegularExpression>

namespace PageRenderer {

namespace {

const QByteArray styleSheetId = QByteArrayLiteral("page.css@quorvale.invalid");

// Options this short sit two to a row; longer ones get a row each.
constexpr qsizetype shortOption = 22;

QByteArray figureId(int index)
{
    return "figure" + QByteArray::number(index) + "@quorvale.invalid";
}

QString letter(int slotOnPage)
{
    return u'(' + QChar(u'a' + slotOnPage) + u')';
}

QString gap(const QString &label = QString())
{
    if (label.isEmpty())
        return QStringLiteral("<span class=\"gap\"></span>");
    return QStringLiteral("<span class=\"gap\"><span class=\"letter\">%1</span></span>").arg(label);
}

// Escaped text in which a run of three or more underscores is drawn as a gap.
QString inlineText(const QString &text)
{
    static const QRegularExpression underscores(QStringLiteral("_{3,}"));
    QString html;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : underscores.globalMatch(text)) {
        html += text.mid(at, match.capturedStart() - at).toHtmlEscaped() + gap();
        at = match.capturedEnd();
    }
    return html + text.mid(at).toHtmlEscaped();
}

// One <p> per paragraph of the author's text.
QString paragraphs(const QString &text, const QString &cssClass = QString())
{
    const QString open = cssClass.isEmpty() ? QStringLiteral("<p>") : QStringLiteral("<p class=\"%1\">").arg(cssClass);
    QString html;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n")))
        html += open + inlineText(paragraph) + QStringLiteral("</p>\n");
    return html;
}

QString marksText(int marks)
{
    return marks == 1 ? QStringLiteral("1 mark") : QStringLiteral("%1 marks").arg(marks);
}

QString figures(const SourcePage &page)
{
    if (page.images.isEmpty())
        return QString();
    QString html = QStringLiteral("<div class=\"figures\">\n");
    for (int i = 0; i < page.images.size(); ++i)
        html += QStringLiteral("<img src=\"cid:%1\" alt=\"\">\n").arg(QString::fromLatin1(figureId(i + 1)));
    return html + QStringLiteral("</div>\n");
}

QString question(const SourcePage &page)
{
    QString html = paragraphs(page.question, page.kind == u"L" ? QStringLiteral("question sentence")
                                                               : QStringLiteral("question"));
    if (page.options.isEmpty())
        return html;
    const bool allShort = std::all_of(page.options.cbegin(), page.options.cend(),
                                      [](const QString &option) { return option.size() <= shortOption; });
    html += allShort ? QStringLiteral("<ol class=\"options short\">\n") : QStringLiteral("<ol class=\"options\">\n");
    for (int i = 0; i < page.options.size(); ++i)
        html += QStringLiteral("<li><span class=\"number\">%1.</span> %2</li>\n").arg(i + 1).arg(inlineText(page.options.at(i)));
    return html + QStringLiteral("</ol>\n");
}

QString passage(const SourcePage &page)
{
    QString text;
    for (int i = 0; i < page.passageBlanks.size(); ++i)
        text += inlineText(page.passagePieces.at(i)) + gap(letter(i));
    text += inlineText(page.passagePieces.last());
    QString html = QStringLiteral("<div class=\"passage\">\n");
    for (const QString &paragraph : text.split(QStringLiteral("\n\n")))
        html += QStringLiteral("<p>") + paragraph + QStringLiteral("</p>\n");
    return html + QStringLiteral("</div>\n");
}

QString items(const SourcePage &page)
{
    QString html = QStringLiteral("<ol class=\"items\">\n");
    int slot = 0;
    for (const SourceItem &item : page.items) {
        QString text = inlineText(item.question);
        if (item.group) {
            QString gaps;
            for (int i = 0; i < item.count; ++i)
                gaps += gap(letter(slot + i));
            text += QStringLiteral("<span class=\"answers\">%1</span>").arg(gaps);
        }
        // A group's question stands by its first letter; its gaps carry them all.
        html += QStringLiteral("<li><span class=\"letter\">%1</span><span class=\"text\">%2</span></li>\n")
                    .arg(letter(slot), text);
        slot += item.count;
    }
    return html + QStringLiteral("</ol>\n");
}

} // namespace

QString html(const SourcePage &page, int number)
{
    const QString title = QStringLiteral("Question %1").arg(number);
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en-GB\">\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>%1</title>\n<link rel=\"stylesheet\" href=\"cid:%2\">\n</head>\n<body>\n")
                       .arg(title, QString::fromLatin1(styleSheetId));
    html += QStringLiteral("<header><h1>%1</h1><span class=\"marks\">%2</span></header>\n<main>\n")
                .arg(title, marksText(page.marksTotal()));
    if (!page.instruction.isEmpty())
        html += paragraphs(page.instruction, QStringLiteral("instruction"));
    html += figures(page);
    switch (page.layout) {
    case SourcePage::Layout::Question:
        html += question(page);
        break;
    case SourcePage::Layout::Passage:
        html += passage(page);
        break;
    case SourcePage::Layout::Items:
        html += items(page);
        break;
    }
    return html + QStringLiteral("</main>\n</body>\n</html>\n");
}

QByteArray styleSheet()
{
    QFile file(QStringLiteral(":/coursetool/page.css"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

MhtmlArchive archive(const SourcePage &page, int number, int pageId)
{
    MhtmlArchive archive;
    archive.subject = "Question " + QByteArray::number(number);
    const QByteArray location = "https://quorvale.invalid/pages/" + QByteArray::number(pageId) + ".html";
    archive.parts.append({"text/html; charset=utf-8", QByteArray(), location, html(page, number).toUtf8()});
    archive.parts.append({"text/css; charset=utf-8", styleSheetId, QByteArray(), styleSheet()});
    for (int i = 0; i < page.images.size(); ++i)
        archive.parts.append({page.images.at(i).mimeType, figureId(i + 1), QByteArray(), page.images.at(i).bytes});
    return archive;
}

} // namespace PageRenderer
