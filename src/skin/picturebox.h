#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <memory>

class PictureCache;

// A picture from the Graphics folder, drawn at its own size from the top-left
// corner or stretched over the whole box. Without its picture the box shows
// its fallback colour, or nothing when it has none.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(std::shared_ptr<PictureCache> pictures, QWidget *parent = nullptr);

    QString pictureName() const { return m_name; }
    void setPicture(const QString &fileName);
    void setStretched(bool stretched);
    void setFallbackColour(const QColor &colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<PictureCache> m_pictures;
    QString m_name;
    bool m_stretched = false;
    QColor m_fallback;
};
