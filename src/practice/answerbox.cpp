#include "answerbox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedLayout>

namespace {

// QLineEdit's own limit, standing for "no limit".
constexpr int unlimited = 32767;

const QColor borderColour(178, 217, 246);
const QColor tintColour(192, 192, 255);

} // namespace

AnswerBox::AnswerBox(QWidget *parent)
    : QWidget(parent)
    , m_line(new QLineEdit(this))
    , m_tallBox(new QPlainTextEdit(this))
{
    auto *stack = new QStackedLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(m_line);
    stack->addWidget(m_tallBox);
    m_tallBox->setTabChangesFocus(true);
    m_tallBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFocusProxy(m_line);
    setToolTip(tr("Enter your answer"));
    m_line->setToolTip(toolTip());
    m_tallBox->setToolTip(toolTip());
    m_line->setAccessibleName(toolTip());
    m_tallBox->setAccessibleName(toolTip());
    applyLook();
}

QString AnswerBox::text() const
{
    return m_tall ? m_tallBox->toPlainText() : m_line->text();
}

void AnswerBox::setText(const QString &text)
{
    if (m_tall)
        m_tallBox->setPlainText(text);
    else
        m_line->setText(text);
}

void AnswerBox::setTall(bool tall)
{
    if (tall == m_tall)
        return;
    const QString kept = text();
    m_tall = tall;
    auto *stack = static_cast<QStackedLayout *>(layout());
    stack->setCurrentWidget(editor());
    setFocusProxy(editor());
    setText(kept);
}

void AnswerBox::setMaxLength(int length)
{
    m_maxLength = length;
    m_line->setMaxLength(length > 0 ? length : unlimited);
}

void AnswerBox::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_line->setReadOnly(readOnly);
    m_tallBox->setReadOnly(readOnly);
}

void AnswerBox::setTinted(bool tinted)
{
    m_tinted = tinted;
    applyLook();
}

QWidget *AnswerBox::editor() const
{
    return m_tall ? static_cast<QWidget *>(m_tallBox) : m_line;
}

void AnswerBox::applyLook()
{
    const QString style = QStringLiteral("border: 1px solid %1; background: %2; color: black; padding: 0px 1px;")
                              .arg(borderColour.name(), (m_tinted ? tintColour : QColor(Qt::white)).name());
    m_line->setStyleSheet(style);
    m_tallBox->setStyleSheet(style);
}
