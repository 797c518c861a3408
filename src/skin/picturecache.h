#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// The skin's pictures from the Graphics folder, decoded once and kept. Names
// are matched without regard to case, so "Pencil.ico" finds pencil.ico. A
// picture that is missing or cannot be decoded is remembered as a null pixmap
// and not looked for again: the folder does not change while the program runs.
class PictureCache
{
public:
    explicit PictureCache(QString dataDir);

    QString dataDir() const { return m_dataDir; }

    QPixmap picture(const QString &fileName);

    // How many files have been read so far.
    int filesRead() const { return m_filesRead; }

private:
    QString m_dataDir;
    QHash<QString, QPixmap> m_pictures;
    int m_filesRead = 0;
};
