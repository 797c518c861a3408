#pragma once

#include "pointersource.h"

#include <QList>
#include <QString>

#include <memory>

class PictureCache;
class QPrinter;
class QWidget;

// Every question and notice the windows put to the pupil goes through here,
// so that tests answer from a script instead of blocking on a modal dialog.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A Yes/No question in the pop-up dialog; false for No and for a dialog
    // closed without a button.
    virtual bool ask(QWidget *master, const QString &title, const QString &message) = 0;
    // A notice in the pop-up dialog with one OK button.
    virtual void tell(QWidget *master, const QString &title, const QString &message) = 0;
    // The system's message box with a warning icon.
    virtual void warn(QWidget *parent, const QString &title, const QString &message) = 0;
    // The print dialog before printing; false when it was cancelled.
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
    // The printer set-up dialog; the choice is kept in printer for the next printout.
    virtual bool setUpPrinter(QPrinter &printer, QWidget *parent) = 0;
};

// The real dialogs: the skinned pop-up, the system's message box, Qt's print dialog.
class PopUpDialogs : public Dialogs
{
public:
    PopUpDialogs(std::shared_ptr<PictureCache> pictures, PointerSource pointer);

    bool ask(QWidget *master, const QString &title, const QString &message) override;
    void tell(QWidget *master, const QString &title, const QString &message) override;
    void warn(QWidget *parent, const QString &title, const QString &message) override;
    bool choosePrinter(QPrinter &printer, QWidget *parent) override;
    bool setUpPrinter(QPrinter &printer, QWidget *parent) override;

private:
    bool popUp(QWidget *master, const QString &title, const QString &message, int buttons);

    std::shared_ptr<PictureCache> m_pictures;
    PointerSource m_pointer;
};

// Dialogs for tests: records every call and answers from a queue, never blocking.
class ScriptedDialogs : public Dialogs
{
public:
    struct Call
    {
        QString kind; // "ask", "tell", "warn", "print", "setup"
        QString title;
        QString message;
    };

    QList<Call> calls;
    // Answers for ask, choosePrinter and setUpPrinter, taken from the front;
    // an empty queue answers false.
    QList<bool> answers;
    // When set, an accepted print dialog sends the printout to this PDF file.
    QString printToFile;

    bool ask(QWidget *master, const QString &title, const QString &message) override;
    void tell(QWidget *master, const QString &title, const QString &message) override;
    void warn(QWidget *parent, const QString &title, const QString &message) override;
    bool choosePrinter(QPrinter &printer, QWidget *parent) override;
    bool setUpPrinter(QPrinter &printer, QWidget *parent) override;

private:
    bool nextAnswer();
};
