#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The folder that holds the pupil's progress, the skin's pictures and the page
// on show: the per-user application data folder unless the command line names
// another. Only one copy of the program may work on a folder at a time, or two
// copies would overwrite each other's progress.
class DataFolder
{
public:
    enum class Lock { Taken, HeldByAnother, Failed };

    explicit DataFolder(QString path);
    ~DataFolder();

    static QString defaultPath();

    QString path() const { return m_path; }

    // Creates the folder with any missing parents; false when it cannot be
    // created or written to.
    bool create(QString *error = nullptr) const;

    // Takes the folder's lock for as long as this object lives. A lock left by
    // a copy that crashed is taken over.
    Lock lock();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
