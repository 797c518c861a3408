#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// The box a pupil types one answer into: a single line, or a tall box taking
// line breaks for a whole sentence. Either way the same text, length limit,
// lock and tint.
class AnswerBox : public QWidget
{
    Q_OBJECT

public:
    explicit AnswerBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    bool isTall() const { return m_tall; }
    void setTall(bool tall);

    // 0 for no limit; applies to the single line.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // Carried over from the first attempt.
    bool isTinted() const { return m_tinted; }
    void setTinted(bool tinted);

    // The editor in use, for focus and for typing into.
    QWidget *editor() const;

private:
    void applyLook();

    QLineEdit *m_line;
    QPlainTextEdit *m_tallBox;
    bool m_tall = false;
    int m_maxLength = 0;
    bool m_readOnly = false;
    bool m_tinted = false;
};
