#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// What a practice window asks of the view that shows its question pages.
//
// The view (QuestionView) lives in a library of its own, the only part of
// the program that links the web engine. The program loads it when a paper
// is about to open, so the main window starts and sits idle without the web
// engine in memory.
class PageView
{
public:
    // What the view tells its window.
    struct Listener
    {
        std::function<void(bool ok)> pageShown;
        // Copy, cut or the right mouse button inside the page, swallowed.
        std::function<void()> guardTriggered;
        std::function<void(bool printed)> printFinished;
    };

    // The view is a widget owned by its parent; deleting the widget deletes
    // the view.
    virtual QWidget *widget() = 0;

    // Shows the web archive at path, the only file the view may read from now on.
    virtual void showPage(const QString &path) = 0;
    // Prints the page on show; the printer must live until printFinished.
    virtual void print(QPrinter *printer) = 0;

protected:
    ~PageView() = default;
};

// Where the practice windows get their views from: the question view library
// in the program, the view linked straight in for tests.
struct PageViewSource
{
    // Makes ready to make views (loads the library, starts the web engine);
    // false, with the reason, when views cannot be made.
    std::function<bool(QString *problem)> prepare;
    // A view for a window; only after prepare() said true.
    std::function<PageView *(QWidget *parent, const PageView::Listener &listener)> create;
};

// The entry points of the question view library, found by these names.
namespace QuestionViewEntry {
using StartEngine = void (*)();
using CreateView = PageView *(*)(QWidget *parent, const PageView::Listener &listener);
inline constexpr char startEngine[] = "quorvaleStartWebEngine";
inline constexpr char createView[] = "quorvaleCreatePageView";
} // namespace QuestionViewEntry
