#pragma once

#include <QObject>

// "The mouse button is held on a toolbar button": one per window, shared by
// all its toolbar buttons, so that any of them under the pointer shows its
// pressed picture while the button is held, not only the one pressed.
class PressFlag : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isHeld() const { return m_held; }
    void setHeld(bool held);

signals:
    void changed(bool held);

private:
    bool m_held = false;
};
