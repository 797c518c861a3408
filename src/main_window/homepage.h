#pragma once

#include "skin/pointersource.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

class ClickableLabel;
class ImageButton;
class PictureBox;
class PictureCache;
class QLabel;

// The home page (Body_Home): the subject's topics on the left and, for the
// selected topic, its five papers with their scores, load and try-again
// buttons on the right. It shows what it is given; the main window holds the
// selection and opens the papers.
class HomePage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Papers = 5;

    HomePage(std::shared_ptr<PictureCache> pictures, PointerSource pointer, QWidget *parent = nullptr);

    // Topic entries 1..10 show the names; those beyond topicCount are hidden.
    void showTopics(const QStringList &names, int topicCount);
    // The five paper rows of the selected topic: its name and each paper's
    // stored first and second score texts (empty when not marked).
    void TopicChoosing(const QString &topicName, const QStringList &firstScores, const QStringList &secondScores);
    // Marks topic entry 1..10 as the selected one.
    void Topicbuttoncolour(int topic);
    // Places the score texts and offers a second attempt for every marked
    // paper whose first score is at most 99.
    void LayoutPaperRows();

    QString SubH1() const;

signals:
    void topicClicked(int topic);
    void paperClicked(int paperOffset, int attempt);
    // The pointer or the keyboard focus came to a load or try-again button.
    void paperApproached();

private:
    struct PaperRow
    {
        QLabel *title;
        ImageButton *load;
        ImageButton *again;
        QLabel *first;
        QLabel *second;
        QString firstScore;
        QString secondScore;
    };

    QList<ClickableLabel *> m_topics;
    QList<PictureBox *> m_bullets;
    QLabel *m_topicName;
    QList<PaperRow> m_rows;
};
