#pragma once

#include <QUrl>
#include <QWidget>

#include <memory>

class ClickableLabel;
class PictureCache;
class QLabel;

// The About page (Body_About): logo, the course's name, the maker's web
// address as a link, a copying notice and the version.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    static QUrl makerPage();

    AboutPage(std::shared_ptr<PictureCache> pictures, QWidget *parent = nullptr);

    void setProgramName(const QString &name);

signals:
    void linkClicked();

private:
    QLabel *m_programName;
};
