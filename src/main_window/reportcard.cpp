#include "reportcard.h"

#include "skin/clickablelabel.h"
#include "skin/picturebox.h"
#include "skin/twips.h"
#include "trendplot.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int Topics = 10;
const int barHeight = twips(255);

QLabel *label(QWidget *parent, const QString &text, const QRect &rect, const QString &name = {})
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

void setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget *panel(QWidget *parent, const QString &name)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    setColours(panel, Qt::white, Qt::black);
    return panel;
}

} // namespace

ReportCard::ReportCard(std::shared_ptr<PictureCache> pictures, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Report"));
    setColours(this, Qt::white, Qt::black);

    const QStringList captions = {QStringLiteral("Overall Results"), QStringLiteral("Topical Results"),
                                  QStringLiteral("Trend Analysis")};
    const QStringList hints = {QStringLiteral("Click to show overall results"),
                               QStringLiteral("Click to show topical results"),
                               QStringLiteral("Click to show past trends")};
    for (int i = 1; i <= 3; ++i) {
        auto *bar = new PictureBox(pictures, this);
        bar->setObjectName(QStringLiteral("RCBar%1").arg(i));
        bar->setPicture(QStringLiteral("bar.bmp"));
        bar->setStretched(true);
        bar->setFallbackColour(QColor(74, 107, 168));
        bar->resize(401, barHeight);
        // The caption covers its bar, so a click anywhere on the bar is the caption's.
        auto *caption = new ClickableLabel(bar);
        caption->setObjectName(QStringLiteral("lblRCBar%1").arg(i));
        caption->setText(captions.at(i - 1));
        caption->setHint(hints.at(i - 1));
        caption->setFocusable(true);
        caption->setCursor(Qt::PointingHandCursor);
        caption->setIndent(8);
        caption->setGeometry(bar->rect());
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
        caption->setPalette(palette);
        connect(caption, &ClickableLabel::clicked, this, [this, i] { setReportPos(i); });
        m_bars.append(bar);
    }

    buildOverall();
    buildTopical();
    buildTrend();
}

void ReportCard::buildOverall()
{
    QWidget *summary = panel(this, QStringLiteral("RC1Summary"));
    m_panels.append(summary);
    QFont bold = font();
    bold.setBold(true);

    const auto row = [&](int y, int height, const QString &caption, const QString &name) {
        QLabel *text = label(summary, caption, QRect(16, y, 180, 16));
        text->setFont(bold);
        QLabel *value = label(summary, QString(), QRect(200, y, 190, height), name);
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return value;
    };
    m_firstAverage = row(24, 16, QStringLiteral("First Attempt Average Score:"), QStringLiteral("OScore1"));
    m_secondAverage = row(56, 16, QStringLiteral("Second Attempt Average Score:"), QStringLiteral("OScore2"));
    m_completed = row(88, 16, QStringLiteral("Number of Papers Completed:"), QStringLiteral("PCNum"));
    m_weakest = row(120, 32, QStringLiteral("Weakest Topic:"), QStringLiteral("WT"));
    m_strongest = row(168, 32, QStringLiteral("Strongest Topic:"), QStringLiteral("ST"));
}

void ReportCard::buildTopical()
{
    QWidget *topical = panel(this, QStringLiteral("RC2Topical"));
    m_panels.append(topical);

    QFont small = font();
    small.setPointSizeF(7);
    small.setBold(true);
    const auto columnHead = [&](int x, const QString &text, const QColor &colour) {
        QLabel *head = label(topical, text, QRect(twips(x), twips(240), twips(1215), twips(375)));
        head->setAlignment(Qt::AlignCenter);
        head->setWordWrap(true);
        head->setFont(small);
        setColours(head, colour, Qt::white);
    };
    columnHead(3120, QStringLiteral("First Attempt results"), QColor(255, 128, 255));
    columnHead(4560, QStringLiteral("Second Attempt Score"), QColor(192, 0, 192));

    for (int k = 1; k <= Topics; ++k) {
        const int y = twips(720 + 360 * (k - 1));
        TopicRowControls row;
        row.name = label(topical, QString(), QRect(twips(120), y, twips(2895), twips(255)),
                         QStringLiteral("TopLab%1").arg(k));
        const auto track = [&](int x, const QString &suffix, const QColor &colour, QLabel *&bar, QLabel *&mark) {
            auto *back = new QFrame(topical);
            back->setObjectName(QStringLiteral("TBack%1%2").arg(k).arg(suffix));
            back->setFrameShape(QFrame::Box);
            back->setLineWidth(1);
            back->setGeometry(twips(x), y, twips(1215), twips(270));
            setColours(back, Qt::white, QColor(160, 160, 160));
            const QRect inner = back->contentsRect();
            bar = label(back, QString(), QRect(inner.x(), inner.y(), 0, inner.height()),
                        QStringLiteral("TBar%1%2").arg(k).arg(suffix));
            setColours(bar, colour, Qt::black);
            mark = label(back, QString(), QRect(twips(240), inner.y(), twips(690), inner.height()),
                         QStringLiteral("TMark%1%2").arg(k).arg(suffix));
            mark->setAlignment(Qt::AlignCenter);
            setColours(mark, Qt::transparent, Qt::black);
            mark->setAutoFillBackground(false);
            return back;
        };
        row.firstTrack = track(3120, QStringLiteral("A"), QColor(255, 192, 255), row.firstBar, row.firstMark);
        row.secondTrack = track(4560, QStringLiteral("B"), QColor(192, 192, 255), row.secondBar, row.secondMark);
        m_rows.append(row);
    }
}

void ReportCard::buildTrend()
{
    QWidget *trend = panel(this, QStringLiteral("RC3Trend"));
    m_panels.append(trend);
    m_plot = new TrendPlot(trend);
    m_plot->setGeometry(twips(720), twips(180), twips(5055), twips(3975));

    QFont small = font();
    small.setPointSizeF(7);
    const QRect area = m_plot->plotArea().translated(m_plot->pos());
    for (int level = 100; level >= 0; level -= 10) {
        const int y = area.y() + qRound((100 - level) * area.height() / 100.0);
        QLabel *axis = label(trend, QStringLiteral("%1%").arg(level), QRect(0, y - 7, m_plot->x() - 3, 14));
        axis->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        axis->setFont(small);
    }
    QLabel *caption = label(trend, QStringLiteral("Recent Papers Attempted"),
                            QRect(m_plot->x(), m_plot->geometry().bottom() + 4, m_plot->width(), 16));
    caption->setAlignment(Qt::AlignCenter);
}

void ReportCard::showFigures(const ReportFigures &figures, const QList<double> &trend)
{
    m_firstAverage->setText(figures.firstAverage);
    m_secondAverage->setText(figures.secondAverage);
    m_completed->setText(figures.papersCompleted);
    m_weakest->setText(figures.weakestTopic);
    m_strongest->setText(figures.strongestTopic);

    for (int k = 0; k < Topics; ++k) {
        const TopicRow topic = figures.rows.value(k);
        TopicRowControls &row = m_rows[k];
        row.name->setText(topic.name);
        const auto fill = [](QFrame *track, QLabel *bar, QLabel *mark, const QString &text, double fraction) {
            const QRect inner = track->contentsRect();
            bar->resize(qRound(inner.width() * qBound(0.0, fraction, 1.0)), inner.height());
            mark->setText(text);
        };
        fill(row.firstTrack, row.firstBar, row.firstMark, topic.firstText, topic.firstFraction);
        fill(row.secondTrack, row.secondBar, row.secondMark, topic.secondText, topic.secondFraction);
        row.name->setVisible(topic.visible);
        row.firstTrack->setVisible(topic.visible);
        row.secondTrack->setVisible(topic.visible);
    }

    m_plot->setValues(trend);
}

void ReportCard::setReportPos(int section)
{
    m_section = section;
    ArrangeReportSections();
}

void ReportCard::ArrangeReportSections()
{
    const int h = height();
    const int h1 = m_bars[0]->height();
    const int h2 = m_bars[1]->height();
    const int h3 = m_bars[2]->height();
    const int panelHeight = h - h1 - h2 - h3;
    const int open = (m_section == Overall || m_section == Topical) ? m_section : Trend;

    int panelTop = 0;
    switch (open) {
    case Overall:
        m_bars[0]->move(0, 0);
        panelTop = h1;
        m_bars[2]->move(0, h - h3);
        m_bars[1]->move(0, h - h3 - h2);
        break;
    case Topical:
        m_bars[0]->move(0, 0);
        m_bars[1]->move(0, h1);
        panelTop = h1 + h2;
        m_bars[2]->move(0, h - h3);
        break;
    default:
        m_bars[0]->move(0, 0);
        m_bars[1]->move(0, h1);
        m_bars[2]->move(0, h1 + h2);
        panelTop = h1 + h2 + h3;
        break;
    }

    for (int i = 0; i < m_panels.size(); ++i) {
        QWidget *sectionPanel = m_panels[i];
        const bool isOpen = i + 1 == open;
        sectionPanel->setVisible(isOpen);
        if (isOpen) {
            sectionPanel->setGeometry(0, panelTop, width(), panelHeight);
            sectionPanel->raise();
        }
    }
    for (PictureBox *bar : m_bars)
        bar->raise();
}
