#include "processtree.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <csignal>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The parent of pid: the field after the command, which may hold spaces.
qint64 parentOf(const QString &pid)
{
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    return close < 0 ? -1 : stat.mid(close + 2).split(' ').value(1).toLongLong();
}

} // namespace

namespace ProcessTree {

QList<qint64> members(qint64 root)
{
    QMultiMap<qint64, qint64> children;
    for (const QString &name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = name.toLongLong(&number);
        if (number)
            children.insert(parentOf(name), pid);
    }
    QList<qint64> tree{root};
    for (qsizetype i = 0; i < tree.size(); ++i)
        tree += children.values(tree.at(i));
    return tree;
}

qint64 cpuNs(qint64 root)
{
    qint64 total = 0;
    for (qint64 pid : members(root)) {
        const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
        for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            total += readAll(tasks + u'/' + task + QStringLiteral("/schedstat")).split(' ').value(0).toLongLong();
    }
    return total;
}

qint64 pssKb(qint64 root)
{
    qint64 total = 0;
    for (qint64 pid : members(root)) {
        for (const QByteArray &line : readAll(QStringLiteral("/proc/%1/smaps_rollup").arg(pid)).split('\n')) {
            if (line.startsWith("Pss:"))
                total += line.mid(4).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return total;
}

void kill(qint64 root)
{
    const QList<qint64> tree = members(root);
    for (qsizetype i = tree.size() - 1; i >= 0; --i)
        ::kill(pid_t(tree.at(i)), SIGKILL);
}

} // namespace ProcessTree
