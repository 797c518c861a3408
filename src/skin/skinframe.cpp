#include "skinframe.h"

#include "imagebutton.h"
#include "picturebox.h"
#include "picturecache.h"
#include "twips.h"

#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>
#include <QWindow>

namespace {

const QColor activeBar(43, 76, 140);
const QColor inactiveBar(232, 232, 232);
const QColor borderColour(43, 76, 140);

constexpr int ButtonSize = 19;

} // namespace

SkinFrame::SkinFrame(Kind kind, std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *window)
    : QWidget(window)
    , m_kind(kind)
    , m_pictures(std::move(pictures))
    , m_window(window)
{
    setObjectName(QStringLiteral("SkinFrame"));
    m_window->setWindowFlag(Qt::FramelessWindowHint);

    m_topLeft = piece(QStringLiteral("BTopLeft"), false);
    m_topCentre = piece(QStringLiteral("BTopCentre"), true);
    m_topRight = piece(QStringLiteral("BTopRight"), false);
    m_left = piece(QStringLiteral("BLeft"), true);
    m_right = piece(QStringLiteral("BRight"), true);
    m_bottomLeft = piece(QStringLiteral("BBotLeft"), false);
    m_bottom = piece(QStringLiteral("BBot"), true);
    m_bottomRight = piece(QStringLiteral("BBotRight"), false);
    for (PictureBox *border : {m_left, m_right, m_bottomLeft, m_bottom, m_bottomRight})
        border->setFallbackColour(borderColour);

    m_topLeft->resize(48, TitleHeight);
    m_topRight->resize(48, TitleHeight);
    m_topCentre->resize(1, TitleHeight);
    m_left->resize(twips(60), 1);
    m_right->resize(twips(60), 1);
    m_bottom->resize(1, twips(60));
    m_left->setPicture(QStringLiteral("border_left.bmp"));
    m_right->setPicture(QStringLiteral("border_right.bmp"));
    m_bottom->setPicture(QStringLiteral("border_bot.bmp"));
    if (kind == Kind::PopUp) {
        m_bottomLeft->resize(twips(90), twips(105));
        m_bottomRight->resize(twips(90), twips(105));
        m_bottomLeft->setPicture(QStringLiteral("Border_bot_left.gif"));
        m_bottomRight->setPicture(QStringLiteral("Border_bot_right.gif"));
    } else {
        m_bottomLeft->resize(twips(90), twips(60));
        m_bottomRight->resize(twips(90), twips(60));
        m_bottomLeft->setPicture(QStringLiteral("border_left_corners.bmp"));
        m_bottomRight->setPicture(QStringLiteral("border_right_corners.bmp"));
    }

    m_title = new QLabel(this);
    m_title->setObjectName(kind == Kind::PopUp ? QStringLiteral("lblTitle") : QStringLiteral("Title"));
    QFont font;
    font.setFamilies({QStringLiteral("Trebuchet MS"), QStringLiteral("Arial")});
    font.setPointSizeF(9.75);
    font.setBold(true);
    m_title->setFont(font);

    if (kind != Kind::PopUp) {
        m_icon = piece(QStringLiteral("ImgIco"), false);
        m_icon->resize(16, 16);
        m_min = titleButton(QStringLiteral("imgProgMin"), QStringLiteral("Minimize"));
        if (kind == Kind::Practice)
            m_max = titleButton(QStringLiteral("imgProgMax"), QStringLiteral("Restore"));
        m_close = titleButton(QStringLiteral("imgProgClose"), QStringLiteral("Close"));
        for (ImageButton *button : {m_min, m_max, m_close}) {
            if (button)
                button->setPointerSource(pointer);
        }
        connect(m_min, &ImageButton::clicked, m_window, &QWidget::showMinimized);
        if (m_max)
            connect(m_max, &ImageButton::clicked, this, &SkinFrame::toggleMaximised);
        connect(m_close, &ImageButton::clicked, this, &SkinFrame::closeRequested);
    }

    m_active = kind == Kind::PopUp;
    applyLook();
    m_window->installEventFilter(this);
    lower();
}

PictureBox *SkinFrame::piece(const QString &name, bool stretched)
{
    auto *box = new PictureBox(m_pictures, this);
    box->setObjectName(name);
    box->setStretched(stretched);
    // Presses on the pieces are the frame's: they move the window.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

ImageButton *SkinFrame::titleButton(const QString &name, const QString &hint)
{
    auto *button = new ImageButton(m_pictures, this);
    button->setObjectName(name);
    button->setHint(hint);
    button->resize(ButtonSize, ButtonSize);
    return button;
}

QString SkinFrame::title() const
{
    return m_title->text();
}

void SkinFrame::setTitle(const QString &title)
{
    m_title->setText(title);
    m_window->setWindowTitle(title);
    relayout();
}

void SkinFrame::setIcon(const QString &fileName)
{
    if (m_icon)
        m_icon->setPicture(fileName);
    m_window->setWindowIcon(QIcon(m_pictures->picture(fileName)));
}

void SkinFrame::setActiveLook(bool active)
{
    if (m_kind == Kind::PopUp || active == m_active)
        return;
    m_active = active;
    applyLook();
    emit activeLookChanged(active);
}

void SkinFrame::applyLook()
{
    const QString top = m_active ? QStringLiteral("border_top_") : QStringLiteral("border_white_top_");
    m_topLeft->setPicture(top + QStringLiteral("left.bmp"));
    m_topCentre->setPicture(top + QStringLiteral("center.bmp"));
    m_topRight->setPicture(top + QStringLiteral("right.bmp"));
    for (PictureBox *bar : {m_topLeft, m_topCentre, m_topRight})
        bar->setFallbackColour(m_active ? activeBar : inactiveBar);

    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, m_active ? QColor(255, 255, 255) : QColor(128, 128, 128));
    m_title->setPalette(palette);

    // An inactive window's title-bar buttons keep their white pictures
    // whatever the pointer does.
    const auto buttonPictures = [this](const QString &what) {
        if (!m_active)
            return ButtonPictures{u"prog_white_" + what + u".bmp", u"prog_white_" + what + u".bmp", {}, {}};
        return ButtonPictures{u"prog_blueoff_" + what + u".bmp", u"prog_blue_" + what + u".bmp", {}, {}};
    };
    if (m_min)
        m_min->setPictures(buttonPictures(QStringLiteral("min")));
    if (m_close)
        m_close->setPictures(buttonPictures(QStringLiteral("close")));
    if (m_max) {
        const bool maximised = m_window->isMaximized() && m_active;
        m_max->setPictures(buttonPictures(maximised ? QStringLiteral("norm") : QStringLiteral("max")));
    }
}

QRect SkinFrame::innerRect() const
{
    const QSize size = m_window->size();
    return QRect(m_left->width(), TitleHeight, size.width() - m_left->width() - m_right->width(),
                 size.height() - TitleHeight - m_bottom->height());
}

void SkinFrame::relayout()
{
    if (m_window->isMinimized())
        return;
    const int w = m_window->width();
    const int h = m_window->height();
    setGeometry(0, 0, w, h);

    m_topLeft->move(0, 0);
    m_topRight->move(w - m_topRight->width(), 0);
    m_topCentre->setGeometry(m_topLeft->width(), 0, qMax(0, m_topRight->x() - m_topLeft->width()), TitleHeight);
    m_bottomLeft->move(0, h - m_bottomLeft->height());
    m_left->setGeometry(0, TitleHeight, m_left->width(), qMax(0, m_bottomLeft->y() - TitleHeight));
    m_bottomRight->move(w - m_bottomRight->width(), h - m_bottomRight->height());
    m_right->setGeometry(w - m_right->width(), TitleHeight, m_right->width(),
                         qMax(0, m_bottomRight->y() - TitleHeight));
    m_bottom->setGeometry(m_bottomLeft->width(), h - m_bottom->height(),
                          qMax(0, m_bottomRight->x() - m_bottomLeft->width()), m_bottom->height());

    m_title->adjustSize();
    const int titleLeft = m_kind == Kind::Main ? twips(450) : m_kind == Kind::Practice ? himetric(800) : twips(240);
    m_title->move(titleLeft, (TitleHeight - m_title->height()) / 2);
    if (m_icon)
        m_icon->move(himetric(240), (TitleHeight - m_icon->height()) / 2);

    const int buttonTop = (TitleHeight - ButtonSize) / 2;
    if (m_kind == Kind::Main) {
        m_close->move(w - ButtonSize - twips(60), buttonTop);
        m_min->move(m_close->x() - ButtonSize - twips(30), buttonTop);
    } else if (m_kind == Kind::Practice) {
        m_close->move(w - ButtonSize - himetric(120), buttonTop);
        m_max->move(m_close->x() - ButtonSize - himetric(60), buttonTop);
        m_min->move(m_max->x() - ButtonSize - himetric(60), buttonTop);
    }

    m_window->setMask(QRegion(shape(m_kind, m_window->size()), Qt::WindingFill));
    lower();
}

QPolygon SkinFrame::shape(Kind kind, const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    QPolygon polygon;
    polygon << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0) << QPoint(w - 5, 0)
            << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3) << QPoint(w, 5);
    if (kind == Kind::PopUp) {
        polygon << QPoint(w, h - 7) << QPoint(w - 2, h - 3) << QPoint(w - 3, h - 2) << QPoint(w - 7, h)
                << QPoint(7, h) << QPoint(3, h - 2) << QPoint(2, h - 3) << QPoint(0, h - 7);
    } else {
        polygon << QPoint(w, h) << QPoint(0, h);
    }
    return polygon;
}

void SkinFrame::toggleMaximised()
{
    if (m_window->isMinimized())
        return;
    if (m_window->isMaximized())
        m_window->showNormal();
    else
        m_window->showMaximized();
}

void SkinFrame::moveWindow()
{
    QWindow *handle = m_window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    // No system move on this window system: follow the mouse ourselves.
    m_dragging = true;
    m_dragOffset = QCursor::pos() - m_window->frameGeometry().topLeft();
    grabMouse();
}

bool SkinFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Resize:
            relayout();
            break;
        case QEvent::ActivationChange:
            setActiveLook(m_window->isActiveWindow());
            break;
        case QEvent::WindowStateChange:
            applyLook();
            relayout();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SkinFrame::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const bool onTitleBar = at.y() < TitleHeight && !(m_icon && m_icon->geometry().contains(at));
    if (!onTitleBar) {
        event->ignore();
        return;
    }
    event->accept();
    moveWindow();
}

void SkinFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        event->ignore();
        return;
    }
    m_window->move(event->globalPosition().toPoint() - m_dragOffset);
}

void SkinFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        event->ignore();
        return;
    }
    m_dragging = false;
    releaseMouse();
}
