#include "trashpage.h"

#include "skin/imagebutton.h"

#include <QLabel>

TrashPage::TrashPage(std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Trash"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    setPalette(page);

    const int width = 401;
    const auto text = [&](const QString &name, const QString &words) {
        auto *label = new QLabel(words, this);
        label->setObjectName(name);
        label->setGeometry(40, 96, width - 80, 48);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        return label;
    };
    const auto button = [&](const QString &name, const QString &caption, int x) {
        auto *button = new ImageButton(pictures, this);
        button->setObjectName(name);
        button->setPointerSource(pointer);
        button->setPictures({QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"), {}, {}});
        button->setGeometry(x, 160, 80, 25);
        button->setHint(caption);
        button->addCaption(name + QStringLiteral("lbl"), caption, button->rect());
        return button;
    };

    m_ask = text(QStringLiteral("Trashlbl1"),
                 QStringLiteral("Click on the button below if you wish to erase all your past results and reset the "
                                "program."));
    m_trash = button(QStringLiteral("ButTrash"), QStringLiteral("Trash"), (width - 80) / 2);
    m_sure = text(QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"));
    m_yes = button(QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"), width / 2 - 80 - 8);
    m_no = button(QStringLiteral("ButTrash_No"), QStringLiteral("No"), width / 2 + 8);
    m_done = text(QStringLiteral("Trashlbl3"), QStringLiteral("All your past results have been erased."));

    connect(m_trash, &ImageButton::clicked, this, [this] {
        if (m_state == State::Ask)
            showState(State::Confirm);
    });
    connect(m_no, &ImageButton::clicked, this, [this] {
        if (m_state == State::Confirm)
            showState(State::Ask);
    });
    connect(m_yes, &ImageButton::clicked, this, [this] {
        if (m_state == State::Confirm)
            emit eraseConfirmed();
    });
    showState(State::Ask);
}

void TrashPage::showAsk()
{
    showState(State::Ask);
}

void TrashPage::showDone(const QString &outcome)
{
    m_done->setText(outcome);
    showState(State::Done);
}

void TrashPage::showState(State state)
{
    m_state = state;
    m_ask->setVisible(state == State::Ask);
    m_trash->setVisible(state == State::Ask);
    m_sure->setVisible(state == State::Confirm);
    m_yes->setVisible(state == State::Confirm);
    m_no->setVisible(state == State::Confirm);
    m_done->setVisible(state == State::Done);
}
