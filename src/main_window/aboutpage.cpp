#include "aboutpage.h"

#include "skin/clickablelabel.h"
#include "skin/picturebox.h"

#include <QLabel>

QUrl AboutPage::makerPage()
{
    return QUrl(QStringLiteral("https://www.quorvale.example/"));
}

AboutPage::AboutPage(std::shared_ptr<PictureCache> pictures, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_About"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    setPalette(page);

    const int width = 401;
    auto *logo = new PictureBox(pictures, this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPicture(QStringLiteral("Logo.gif"));
    logo->setGeometry((width - 204) / 2, 28, 204, 23);

    const auto centred = [&](const QString &text, int y, int height) {
        auto *label = new QLabel(text, this);
        label->setGeometry(16, y, width - 32, height);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    };

    m_programName = centred(QString(), 72, 48);
    m_programName->setObjectName(QStringLiteral("ProgramName"));
    QFont large = font();
    large.setPointSizeF(15);
    large.setBold(true);
    m_programName->setFont(large);
    QPalette darkBlue = m_programName->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_programName->setPalette(darkBlue);

    centred(QStringLiteral("For Windows"), 124, 16);

    auto *link = new ClickableLabel(this);
    link->setObjectName(QStringLiteral("lbl_QVURL"));
    link->setText(makerPage().host());
    link->setHint(QStringLiteral("Go to Quorvale home page"));
    link->setFocusable(true);
    link->setCursor(Qt::PointingHandCursor);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    QPalette linkColour = link->palette();
    linkColour.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(linkColour);
    link->adjustSize();
    link->move((width - link->width()) / 2, 152);
    connect(link, &ClickableLabel::clicked, this, &AboutPage::linkClicked);

    QLabel *notice = centred(
        QStringLiteral("Warning: this program is protected by copyright law. Copying or distributing it, or any "
                       "part of it, without the permission of its maker may result in severe civil and criminal "
                       "penalties."),
        200, 64);
    QPalette grey = notice->palette();
    grey.setColor(QPalette::WindowText, QColor(80, 80, 80));
    notice->setPalette(grey);

    auto *version = new QLabel(QStringLiteral("Version 2.0"), this);
    version->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    version->setGeometry(width - 160, 377 - 28, 144, 16);
}

void AboutPage::setProgramName(const QString &name)
{
    m_programName->setText(name);
}
