#pragma once

#include "skin/pointersource.h"

#include <QWidget>

#include <memory>

class ImageButton;
class PictureCache;
class QLabel;

// The page for erasing past results (Body_Trash): it asks, asks again, and
// reports the outcome. The erasing itself is the main window's.
class TrashPage : public QWidget
{
    Q_OBJECT

public:
    enum class State { Ask, Confirm, Done };

    TrashPage(std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *parent = nullptr);

    State state() const { return m_state; }
    void showAsk();
    // Done, with the outcome of the erasing in words.
    void showDone(const QString &outcome);

signals:
    void eraseConfirmed();

private:
    void showState(State state);

    State m_state = State::Ask;
    QLabel *m_ask;
    ImageButton *m_trash;
    QLabel *m_sure;
    ImageButton *m_yes;
    ImageButton *m_no;
    QLabel *m_done;
};
