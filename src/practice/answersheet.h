#pragma once

#include "practice/paperattempt.h"

#include <QList>
#include <QWidget>

class AnswerBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class ResultMarkView;

// The answer sheet beside the question page: one row per answer blank of the
// page on show, each with its letter "(a)".."(t)", the answer box, the result
// mark and, in the second attempt, the first attempt's mark and the expected
// answer. Rows are stacked from the top with a small gap, or tightly once a
// page has 16 blanks or more; a sentence answer in the first row gets a tall
// box. When the rows outgrow the sheet it scrolls.
class AnswerSheet : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RowCount = 20;

    enum class Variant { FirstAttempt, SecondAttempt };

    explicit AnswerSheet(Variant variant, QWidget *parent = nullptr);

    Variant variant() const { return m_variant; }
    // Shown at the foot of the sheet on pages asking for a written form.
    void setInstructionPicture(const QPixmap &picture);

    // Fills and lays out the rows of a page; the rows beyond it are hidden.
    void showRows(const QList<SheetRow> &rows, bool instruction);
    int rowsShown() const { return m_shown; }
    // What the rows on show hold, row 1 first.
    QStringList pageAnswers() const;

    // Puts the keyboard focus into the first row; false when the page has none.
    bool focusFirstRow();

    // Gap between rows in pixels; negative gaps overlap the rows.
    static int rowGap(Variant variant, int rowsOnPage);

    QWidget *rowFrame(int row) const { return m_rows.at(row - 1).frame; }
    QLabel *rowLabel(int row) const { return m_rows.at(row - 1).label; }
    AnswerBox *answerBox(int row) const { return m_rows.at(row - 1).answer; }
    // The result of this attempt ("FR" in the first attempt, "SR" in the second).
    ResultMarkView *resultMark(int row) const;
    // The first attempt's result as the second attempt shows it.
    ResultMarkView *firstMark(int row) const { return m_rows.at(row - 1).first; }
    QLineEdit *modelAnswer(int row) const { return m_rows.at(row - 1).model; }
    QLabel *instruction() const { return m_instruction; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Row
    {
        QWidget *frame = nullptr;
        QLabel *label = nullptr;
        AnswerBox *answer = nullptr;
        ResultMarkView *first = nullptr;
        ResultMarkView *second = nullptr;
        QLineEdit *model = nullptr;
    };

    Row makeRow(int n, QWidget *parent);
    void fillRow(Row &row, const SheetRow &data, bool first);
    void layOutRows();
    void placeInstruction();

    Variant m_variant;
    QScrollArea *m_scroll;
    QWidget *m_rowsPanel;
    QLabel *m_instruction;
    QList<Row> m_rows;
    int m_shown = 0;
};
