#include "popupdialog.h"

#include "buttonticker.h"
#include "clickablelabel.h"
#include "imagebutton.h"
#include "picturebox.h"
#include "skinframe.h"
#include "twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

constexpr int InnerWidth = 265;  // 3975 twips
constexpr int InnerHeight = 150; // 2250 twips
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 25;
constexpr int Margin = 16; // 240 twips

} // namespace

PopUpDialog::PopUpDialog(std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPopUp"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    resize(InnerWidth, InnerHeight);

    m_frame = new SkinFrame(SkinFrame::Kind::PopUp, pictures, pointer, this);
    m_ticker = new ButtonTicker(this, pointer);

    m_info = new PictureBox(pictures, this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    m_info->setPicture(QStringLiteral("info_mark.gif"));
    m_info->setGeometry(Margin, SkinFrame::TitleHeight + Margin, 32, 27);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font;
    font.setFamilies({QStringLiteral("Arial")});
    font.setPointSizeF(8.25);
    m_message->setFont(font);
    m_message->move(m_info->x() + m_info->width() + twips(150), m_info->y());

    const auto makeButton = [&](const QString &name) {
        auto *button = new ImageButton(pictures, this);
        button->setObjectName(name);
        button->setPointerSource(pointer);
        button->setPictures({QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"), {}, {}});
        button->resize(ButtonWidth, ButtonHeight);
        button->addCaption(name + QStringLiteral("_lbl"), QString(), button->rect());
        return button;
    };
    m_first = makeButton(QStringLiteral("But1"));
    m_second = makeButton(QStringLiteral("But2"));
    connect(m_first, &ImageButton::clicked, this, [this] { answer(true); });
    connect(m_second, &ImageButton::clicked, this, [this] { answer(false); });
}

void PopUpDialog::CallPop(const QString &title, const QString &message, int numberOfButtons, QWidget *master)
{
    m_response = false;
    m_frame->setTitle(title);
    setAccessibleName(title);
    m_message->setText(message);
    m_message->setAccessibleName(message);

    // A one-line message sits level with the middle of the picture.
    const int messageTop = m_info->y() + (message.size() < 33 ? 7 : 0);
    const int messageWidth = twips(2880);
    const int messageHeight = m_message->heightForWidth(messageWidth);
    m_message->setGeometry(m_message->x(), messageTop, messageWidth, messageHeight);

    // Messages of the program's own fit the design height; a longer one makes
    // the dialog taller rather than running behind the buttons.
    const int needed = messageTop + messageHeight + Margin + ButtonHeight + Margin;
    resize(InnerWidth, qMax(InnerHeight, needed));

    const int buttonTop = height() - ButtonHeight - Margin;
    if (numberOfButtons == 1) {
        m_first->move((width() - ButtonWidth) / 2, buttonTop);
        m_first->setVisible(true);
        m_second->setVisible(false);
        m_first->caption()->setText(QStringLiteral("OK"));
        m_first->setHint(QStringLiteral("OK"));
    } else {
        m_first->move(m_message->x(), buttonTop);
        m_second->move(m_first->x() + ButtonWidth + 10, buttonTop);
        m_first->setVisible(true);
        m_second->setVisible(true);
        m_first->caption()->setText(QStringLiteral("Yes"));
        m_first->setHint(QStringLiteral("Yes"));
        m_second->caption()->setText(QStringLiteral("No"));
        m_second->setHint(QStringLiteral("No"));
    }

    const QRect over = master ? master->frameGeometry()
                              : (screen() ? screen()->availableGeometry() : QRect(0, 0, width(), height()));
    move(over.x() + (over.width() - width()) / 2, over.y() + (over.height() - height()) / 2);
}

void PopUpDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ticker->start();
    m_first->setFocus(Qt::OtherFocusReason);
}

void PopUpDialog::answer(bool response)
{
    m_response = response;
    m_ticker->stop();
    if (response)
        accept();
    else
        reject();
}
