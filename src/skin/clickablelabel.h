#pragma once

#include <QLabel>

// A label the pupil can click: topic entries, section bars, the web link and
// the captions lying on picture buttons. When focusable it also answers Space
// and Enter, so it can be used without a mouse.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    // The tooltip and the accessible description.
    void setHint(const QString &hint);
    void setFocusable(bool focusable);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
