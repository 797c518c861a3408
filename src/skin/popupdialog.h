#pragma once

#include "pointersource.h"

#include <QDialog>

#include <memory>

class ButtonTicker;
class ImageButton;
class PictureBox;
class PictureCache;
class QLabel;
class SkinFrame;

// The program's own message box, in the same skin as its windows: a title,
// the information picture, a message and one ("OK") or two ("Yes", "No")
// picture buttons. Fill it with CallPop, show it with exec(), read response().
class PopUpDialog : public QDialog
{
    Q_OBJECT

public:
    PopUpDialog(std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *parent = nullptr);

    // Sets title and message, shows one or two buttons and centres the dialog
    // over master (over the screen when there is none). Shows nothing.
    void CallPop(const QString &title, const QString &message, int numberOfButtons, QWidget *master);

    // True only when the first button closed the dialog; closed any other way
    // (the second button, Escape, the window system) it answers false.
    bool response() const { return m_response; }

    SkinFrame *frame() const { return m_frame; }
    ButtonTicker *ticker() const { return m_ticker; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void answer(bool response);

    SkinFrame *m_frame;
    ButtonTicker *m_ticker;
    PictureBox *m_info;
    QLabel *m_message;
    ImageButton *m_first;
    ImageButton *m_second;
    bool m_response = false;
};
