#include "answersheet.h"

#include "practice/answerbox.h"
#include "practice/resultmarkview.h"
#include "skin/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Row geometry, drawn up in twips.
constexpr int sheetWidth = twips(4095);
constexpr int rowWidth = twips(3975);
constexpr int rowHeight = twips(375);
constexpr int tallRowHeight = twips(2100);
constexpr int firstRowTop = twips(50);
constexpr QRect letterRect(twips(30), twips(40), twips(285), twips(225));
constexpr QRect answerRect(twips(360), twips(40), twips(1575), twips(255));
constexpr QRect tallAnswerRect(twips(360), twips(40), rowWidth - twips(1000), twips(1000));
constexpr QRect markRect(twips(2040), 0, twips(435), twips(315));
constexpr QRect modelRect(twips(2400), twips(60), twips(1455), twips(255));
constexpr int tallGap = twips(100);
// The first attempt's mark of a carried-over slot stands this far right of its box.
constexpr int firstMarkGap = twips(105);
constexpr int tightFrom = 16;

const QColor modelTextColour(0, 0, 255);

QString rowLetter(int n)
{
    return QStringLiteral("(%1)").arg(QChar(u'a' + n - 1));
}

} // namespace

AnswerSheet::AnswerSheet(Variant variant, QWidget *parent)
    : QWidget(parent)
    , m_variant(variant)
    , m_scroll(new QScrollArea(this))
    , m_rowsPanel(new QWidget)
    , m_instruction(new QLabel(this))
{
    setObjectName(QStringLiteral("AnsBox"));
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, Qt::white);
    setPalette(look);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setFixedWidth(sheetWidth);

    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_rowsPanel);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_rowsPanel->setAutoFillBackground(false);

    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setAlignment(Qt::AlignCenter);
    m_instruction->hide();

    for (int n = 1; n <= RowCount; ++n)
        m_rows.append(makeRow(n, m_rowsPanel));
    layOutRows();
    placeInstruction();
}

AnswerSheet::Row AnswerSheet::makeRow(int n, QWidget *parent)
{
    Row row;
    row.frame = new QWidget(parent);
    row.frame->setObjectName(QStringLiteral("Frame%1").arg(n));
    row.frame->resize(rowWidth, rowHeight);
    row.label = new QLabel(rowLetter(n), row.frame);
    row.label->setObjectName(QStringLiteral("QL%1").arg(n));
    row.label->setGeometry(letterRect);
    row.answer = new AnswerBox(row.frame);
    row.answer->setObjectName(QStringLiteral("FA%1").arg(n));
    row.first = new ResultMarkView(row.frame);
    row.first->setObjectName(QStringLiteral("FR%1").arg(n));
    row.first->hide();
    if (m_variant == Variant::SecondAttempt) {
        row.second = new ResultMarkView(row.frame);
        row.second->setObjectName(QStringLiteral("SR%1").arg(n));
        row.second->hide();
    }
    row.model = new QLineEdit(row.frame);
    row.model->setObjectName(QStringLiteral("M%1").arg(n));
    row.model->setReadOnly(true);
    row.model->setFocusPolicy(Qt::NoFocus);
    row.model->setToolTip(tr("Expected answer"));
    row.model->setAccessibleName(row.model->toolTip());
    row.model->setStyleSheet(QStringLiteral("border: none; background: white; color: %1;").arg(modelTextColour.name()));
    row.model->hide();
    row.frame->hide();
    return row;
}

ResultMarkView *AnswerSheet::resultMark(int row) const
{
    const Row &r = m_rows.at(row - 1);
    return m_variant == Variant::SecondAttempt ? r.second : r.first;
}

void AnswerSheet::setInstructionPicture(const QPixmap &picture)
{
    m_instruction->setPixmap(picture);
    placeInstruction();
}

void AnswerSheet::showRows(const QList<SheetRow> &rows, bool instruction)
{
    m_shown = int(qMin<qsizetype>(rows.size(), RowCount));
    for (int n = 1; n <= RowCount; ++n) {
        Row &row = m_rows[n - 1];
        if (n <= m_shown)
            fillRow(row, rows.at(n - 1), n == 1);
        row.frame->setVisible(n <= m_shown);
    }
    m_rows.first().label->setVisible(m_shown >= 2);
    m_instruction->setVisible(instruction);
    layOutRows();
    placeInstruction();
    m_scroll->verticalScrollBar()->setValue(0);
}

void AnswerSheet::fillRow(Row &row, const SheetRow &data, bool first)
{
    const bool tall = first && data.tall;
    const QRect box = tall ? tallAnswerRect : answerRect;
    row.frame->resize(rowWidth, tall ? tallRowHeight : rowHeight);
    row.answer->setTall(tall);
    row.answer->setGeometry(box);
    // The limit is for typing: an answer stored longer stays as it was.
    row.answer->setMaxLength(data.maxLength > 0 ? qMax(data.maxLength, int(data.answer.size())) : 0);
    row.answer->setText(data.answer);
    row.answer->setReadOnly(!data.editable);
    row.answer->setTinted(data.tinted);

    const QRect mark = tall ? QRect(box.right() + 1 + tallGap, 0, markRect.width(), markRect.height()) : markRect;
    row.model->setGeometry(tall ? QRect(box.left(), box.bottom() + 1 + tallGap, rowWidth - twips(500), box.height())
                                : modelRect);
    row.model->setText(data.modelAnswer);
    row.model->setVisible(data.modelAnswerShown);

    row.first->setMark(data.firstMark);
    row.first->setVisible(data.firstMarkShown);
    if (m_variant == Variant::FirstAttempt) {
        row.first->setGeometry(mark);
    } else {
        row.first->setGeometry(box.right() + 1 + firstMarkGap, 0, markRect.width(), markRect.height());
        row.second->setGeometry(mark);
        row.second->setMark(data.secondMark);
        row.second->setVisible(data.secondMarkShown);
    }
}

int AnswerSheet::rowGap(Variant variant, int rowsOnPage)
{
    if (rowsOnPage < tightFrom)
        return twips(105);
    return variant == Variant::FirstAttempt ? twips(-10) : 0;
}

void AnswerSheet::layOutRows()
{
    const int gap = rowGap(m_variant, m_shown);
    const int left = (sheetWidth - rowWidth) / 2;
    int top = firstRowTop;
    int bottom = 0;
    for (int n = 1; n <= RowCount; ++n) {
        QWidget *frame = m_rows.at(n - 1).frame;
        frame->move(left, top);
        if (n <= m_shown)
            bottom = top + frame->height();
        top += frame->height() + gap;
    }
    m_rowsPanel->resize(sheetWidth, bottom + firstRowTop);
}

void AnswerSheet::placeInstruction()
{
    const int pictureHeight = m_instruction->isHidden() ? 0 : m_instruction->sizeHint().height();
    const int rowsHeight = qMax(0, height() - pictureHeight);
    m_scroll->setGeometry(0, 0, width(), rowsHeight);
    m_instruction->setGeometry(0, rowsHeight, width(), pictureHeight);
}

void AnswerSheet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeInstruction();
}

QStringList AnswerSheet::pageAnswers() const
{
    QStringList texts;
    for (int n = 1; n <= m_shown; ++n)
        texts.append(m_rows.at(n - 1).answer->text());
    return texts;
}

bool AnswerSheet::focusFirstRow()
{
    if (m_shown == 0)
        return false;
    m_scroll->ensureWidgetVisible(m_rows.first().frame);
    m_rows.first().answer->editor()->setFocus(Qt::OtherFocusReason);
    return true;
}
