#pragma once

#include "practice/answercheck.h"

#include <QWidget>

// A slot's result beside its answer: a red tick for right, a red cross for
// wrong, nothing for a slot that earns no mark. Drawn, so it does not depend
// on a symbol font being installed.
class ResultMarkView : public QWidget
{
    Q_OBJECT

public:
    explicit ResultMarkView(QWidget *parent = nullptr);

    ResultMark mark() const { return m_mark; }
    void setMark(ResultMark mark);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ResultMark m_mark = ResultMark::None;
};
