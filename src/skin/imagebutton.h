#pragma once

#include "pointersource.h"

#include <QAbstractButton>
#include <QPointer>
#include <QString>

#include <memory>

class ClickableLabel;
class PictureCache;
class PressFlag;

// The picture files of a button; empty names are states the button lacks.
struct ButtonPictures
{
    QString off;
    QString on;
    QString pressed;  // toolbar buttons only
    QString disabled; // shown while the button is disabled

    friend bool operator==(const ButtonPictures &a, const ButtonPictures &b)
    {
        return a.off == b.off && a.on == b.on && a.pressed == b.pressed && a.disabled == b.disabled;
    }
};

// A button drawn from pictures: "off", "on" while the pointer is over it,
// "pressed" while the pointer is over it and the window's press flag is held
// (toolbar buttons), and "disabled". Whether the pointer is over it is a plain
// test of its screen rectangle, so a window's tick can light up every button
// from one reading of the pointer, including while another button holds the
// mouse. The picture is repainted only when the look changes.
//
// It is a real button to the rest of the system: it takes keyboard focus,
// answers Space and Enter, and its hint is its tooltip and accessible name.
// A caption label may lie on it; a click on the label is a click on the button.
class ImageButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Look { Off, On, Pressed, Disabled };
    Q_ENUM(Look)

    ImageButton(std::shared_ptr<PictureCache> pictures, QWidget *parent = nullptr);

    ButtonPictures pictures() const { return m_names; }
    void setPictures(const ButtonPictures &pictures);

    QString hint() const { return toolTip(); }
    void setHint(const QString &hint);

    // Makes this a toolbar button of the window owning the flag.
    void setPressFlag(PressFlag *flag);
    void setPointerSource(PointerSource pointer);

    // A caption label on the button, with its own name and rectangle (in the
    // button's coordinates); its hint follows the button's.
    ClickableLabel *addCaption(const QString &objectName, const QString &text, const QRect &rect);
    ClickableLabel *caption() const { return m_caption; }

    // The window's tick: is the pointer (global coordinates) over the button?
    void refresh(const QPoint &globalPointer);

    bool isHovered() const { return m_hovered; }
    Look look() const;
    QString pictureName() const;

    QSize sizeHint() const override;

signals:
    // The pointer came onto the button, or the keyboard focus came to it.
    void approached();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refreshFromPointer();
    void updateLook();

    std::shared_ptr<PictureCache> m_cache;
    ButtonPictures m_names;
    QPointer<PressFlag> m_pressFlag;
    PointerSource m_pointer;
    ClickableLabel *m_caption = nullptr;
    bool m_hovered = false;
    Look m_shown = Look::Off;
};
