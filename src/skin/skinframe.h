#pragma once

#include "pointersource.h"

#include <QPoint>
#include <QPolygon>
#include <QWidget>

#include <memory>

class ImageButton;
class PictureBox;
class PictureCache;
class QLabel;

// The self-drawn frame of a borderless window: a picture title bar with icon,
// caption and buttons, thin picture borders, cut corners, drag-move by the
// title bar and a white title bar while the window is inactive.
//
// It lies under the window's own controls and covers the whole window,
// following its size; the window places its controls inside innerRect().
class SkinFrame : public QWidget
{
    Q_OBJECT

public:
    enum class Kind {
        Main,     // minimise and close; top corners cut
        Practice, // minimise, maximise/restore and close; top corners cut
        PopUp,    // no icon or buttons, always the active look; all corners cut
    };

    SkinFrame(Kind kind, std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *window);

    Kind kind() const { return m_kind; }

    QString title() const;
    void setTitle(const QString &title);
    QLabel *titleLabel() const { return m_title; }
    void setIcon(const QString &fileName);

    // The focus flag: true while the window shows its active look.
    bool isActiveLook() const { return m_active; }
    void setActiveLook(bool active);

    ImageButton *minimiseButton() const { return m_min; }
    ImageButton *maximiseButton() const { return m_max; }
    ImageButton *closeButton() const { return m_close; }

    static constexpr int TitleHeight = 28;
    // Inside the borders and below the title bar.
    QRect innerRect() const;

    // Places the pieces for the window's size and gives it its shape; runs on
    // every resize except while the window is minimised.
    void relayout();
    // The window's outline in its own pixels, filled with the winding rule.
    static QPolygon shape(Kind kind, const QSize &size);

    // Starts moving the window with the mouse, as a system title bar would.
    void moveWindow();

signals:
    void closeRequested();
    void activeLookChanged(bool active);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PictureBox *piece(const QString &name, bool stretched);
    ImageButton *titleButton(const QString &name, const QString &hint);
    void applyLook();
    void toggleMaximised();

    Kind m_kind;
    std::shared_ptr<PictureCache> m_pictures;
    QWidget *m_window;
    bool m_active = false;

    PictureBox *m_topLeft;
    PictureBox *m_topCentre;
    PictureBox *m_topRight;
    PictureBox *m_left;
    PictureBox *m_right;
    PictureBox *m_bottomLeft;
    PictureBox *m_bottom;
    PictureBox *m_bottomRight;
    PictureBox *m_icon = nullptr;
    QLabel *m_title;
    ImageButton *m_min = nullptr;
    ImageButton *m_max = nullptr;
    ImageButton *m_close = nullptr;

    bool m_dragging = false;
    QPoint m_dragOffset;
};
