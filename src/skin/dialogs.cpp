#include "dialogs.h"

#include "popupdialog.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

PopUpDialogs::PopUpDialogs(std::shared_ptr<PictureCache> pictures, PointerSource pointer)
    : m_pictures(std::move(pictures))
    , m_pointer(std::move(pointer))
{
}

bool PopUpDialogs::popUp(QWidget *master, const QString &title, const QString &message, int buttons)
{
    // A fresh dialog each time, so no answer is ever left over from the last one.
    PopUpDialog dialog(m_pictures, m_pointer);
    dialog.CallPop(title, message, buttons, master);
    dialog.exec();
    return dialog.response();
}

bool PopUpDialogs::ask(QWidget *master, const QString &title, const QString &message)
{
    return popUp(master, title, message, 2);
}

void PopUpDialogs::tell(QWidget *master, const QString &title, const QString &message)
{
    popUp(master, title, message, 1);
}

void PopUpDialogs::warn(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox::warning(parent, title, message);
}

bool PopUpDialogs::choosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PopUpDialogs::setUpPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool ScriptedDialogs::nextAnswer()
{
    return answers.isEmpty() ? false : answers.takeFirst();
}

bool ScriptedDialogs::ask(QWidget *, const QString &title, const QString &message)
{
    calls.append({QStringLiteral("ask"), title, message});
    return nextAnswer();
}

void ScriptedDialogs::tell(QWidget *, const QString &title, const QString &message)
{
    calls.append({QStringLiteral("tell"), title, message});
}

void ScriptedDialogs::warn(QWidget *, const QString &title, const QString &message)
{
    calls.append({QStringLiteral("warn"), title, message});
}

bool ScriptedDialogs::choosePrinter(QPrinter &printer, QWidget *)
{
    calls.append({QStringLiteral("print"), {}, {}});
    const bool accepted = nextAnswer();
    if (accepted && !printToFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
    }
    return accepted;
}

bool ScriptedDialogs::setUpPrinter(QPrinter &, QWidget *)
{
    calls.append({QStringLiteral("setup"), {}, {}});
    return nextAnswer();
}
