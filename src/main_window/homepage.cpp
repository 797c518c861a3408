#include "homepage.h"

#include "progress/numbertext.h"
#include "skin/clickablelabel.h"
#include "skin/imagebutton.h"
#include "skin/picturebox.h"
#include "skin/twips.h"

#include <QLabel>

namespace {

constexpr int MaxTopics = 10;
const int percentColumn = twips(5040);
const QColor headingText(0, 0, 128);

QLabel *heading(std::shared_ptr<PictureCache> pictures, QWidget *parent, const QString &name, const QString &picture,
                const QRect &rect, const QString &text)
{
    auto *box = new PictureBox(pictures, parent);
    box->setObjectName(name);
    box->setPicture(picture);
    box->setStretched(true);
    box->setFallbackColour(QColor(74, 107, 168));
    box->setGeometry(rect);
    auto *label = new QLabel(text, box);
    label->setGeometry(box->rect().adjusted(8, 0, 0, 0));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, headingText);
    label->setPalette(palette);
    return label;
}

} // namespace

HomePage::HomePage(std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Home"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    setPalette(page);

    const int leftWidth = 167;
    heading(pictures, this, QStringLiteral("ColHead1"), QStringLiteral("columnhead1.bmp"), QRect(0, 0, leftWidth, 24),
            QStringLiteral("Select a Topic"));
    heading(pictures, this, QStringLiteral("ColHead2"), QStringLiteral("columnhead2.bmp"),
            QRect(leftWidth, 0, 233, 24), QStringLiteral("Select a Paper"));

    for (int k = 1; k <= MaxTopics; ++k) {
        const int y = twips(600 + 480 * (k - 1));
        auto *bullet = new PictureBox(pictures, this);
        bullet->setObjectName(QStringLiteral("Bullet%1").arg(k));
        bullet->setPicture(QStringLiteral("bullet.bmp"));
        bullet->setGeometry(twips(120), y + 2, 13, 11);
        m_bullets.append(bullet);

        auto *topic = new ClickableLabel(this);
        topic->setObjectName(QStringLiteral("Topic%1").arg(k));
        topic->setGeometry(twips(360), y, twips(2040), twips(210) + 2);
        topic->setCursor(Qt::PointingHandCursor);
        topic->setHint(QStringLiteral("Click to select topic"));
        topic->setFocusable(true);
        topic->setAutoFillBackground(true);
        topic->setIndent(3);
        connect(topic, &ClickableLabel::clicked, this, [this, k] { emit topicClicked(k); });
        m_topics.append(topic);
    }

    const int right = leftWidth + 9;
    m_topicName = new QLabel(QStringLiteral("Select a Paper"), this);
    m_topicName->setObjectName(QStringLiteral("SubH1"));
    m_topicName->setGeometry(right, 27, 400 - right - 4, 34);
    m_topicName->setWordWrap(true);
    m_topicName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = m_topicName->font();
    bold.setBold(true);
    m_topicName->setFont(bold);
    QPalette darkBlue = m_topicName->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_topicName->setPalette(darkBlue);

    for (int n = 1; n <= Papers; ++n) {
        const int top = twips(960 * n);
        PaperRow row;
        row.title = new QLabel(QStringLiteral("Paper %1").arg(n), this);
        row.title->setObjectName(QStringLiteral("LblP%1").arg(n));
        row.title->setFont(bold);
        row.title->setGeometry(right, top, 100, 16);

        const auto line = [&](int offset, const QString &caption, const QString &buttonName, const QString &hint,
                              int attempt, const QString &scoreName) {
            const int y = top + 18 + offset;
            auto *text = new QLabel(caption, this);
            text->setGeometry(right + 8, y, 72, 14);
            auto *button = new ImageButton(pictures, this);
            button->setObjectName(buttonName);
            button->setPointerSource(pointer);
            button->setPictures({QStringLiteral("loadbutton_off.bmp"), QStringLiteral("loadbutton_on.bmp"), {}, {}});
            button->setHint(hint);
            button->setGeometry(right + 82, y, 35, 14);
            button->setCursor(Qt::PointingHandCursor);
            connect(button, &ImageButton::clicked, this, [this, n, attempt] { emit paperClicked(n - 1, attempt); });
            connect(button, &ImageButton::approached, this, &HomePage::paperApproached);
            auto *score = new QLabel(this);
            score->setObjectName(scoreName);
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The score stands right-aligned against the percent column, its
            // "%" in that column; an empty score shows neither.
            const int percentWidth = score->fontMetrics().horizontalAdvance(u'%');
            const int left = right + 122;
            score->setGeometry(left, y, percentColumn + percentWidth - left, 14);
            return std::pair{button, score};
        };
        std::tie(row.load, row.first) = line(0, QStringLiteral("1st Attempt:"), QStringLiteral("P%1a").arg(n),
                                              QStringLiteral("Load paper %1").arg(n), 1, QStringLiteral("MSA%1").arg(n));
        std::tie(row.again, row.second) =
            line(twips(240), QStringLiteral("2nd Attempt:"), QStringLiteral("P%1b").arg(n),
                 QStringLiteral("Try paper %1 again").arg(n), 2, QStringLiteral("MSB%1").arg(n));
        m_rows.append(row);
    }
}

void HomePage::showTopics(const QStringList &names, int topicCount)
{
    for (int k = 1; k <= MaxTopics; ++k) {
        m_topics[k - 1]->setText(names.value(k - 1));
        m_topics[k - 1]->setVisible(k <= topicCount);
        m_bullets[k - 1]->setVisible(k <= topicCount);
    }
}

void HomePage::TopicChoosing(const QString &topicName, const QStringList &firstScores, const QStringList &secondScores)
{
    for (int n = 0; n < Papers; ++n) {
        m_rows[n].firstScore = firstScores.value(n);
        m_rows[n].secondScore = secondScores.value(n);
    }
    m_topicName->setText(topicName);
    LayoutPaperRows();
}

void HomePage::Topicbuttoncolour(int topic)
{
    for (int k = 1; k <= MaxTopics; ++k) {
        ClickableLabel *entry = m_topics[k - 1];
        QPalette colours = entry->palette();
        const QColor highlightText = palette().color(QPalette::HighlightedText);
        if (k == topic) {
            colours.setColor(QPalette::Window, QColor(128, 128, 128));
            colours.setColor(QPalette::WindowText, highlightText);
        } else {
            colours.setColor(QPalette::Window, highlightText);
            colours.setColor(QPalette::WindowText, Qt::black);
        }
        entry->setPalette(colours);
    }
}

void HomePage::LayoutPaperRows()
{
    const auto shown = [](const QString &score) { return score.isEmpty() ? QString() : score + u'%'; };
    for (PaperRow &row : m_rows) {
        row.first->setText(shown(row.firstScore));
        row.second->setText(shown(row.secondScore));
        const std::optional<double> first = parseScore(row.firstScore);
        row.again->setVisible(first && *first <= 99);
        row.load->setVisible(true);
    }
}

QString HomePage::SubH1() const
{
    return m_topicName->text();
}
