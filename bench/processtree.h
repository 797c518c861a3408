#pragma once

#include <QList>

// A running process and its descendants (the web engine's helpers), read
// from /proc.
namespace ProcessTree {

QList<qint64> members(qint64 root);

// CPU time used so far by every thread of every member, in nanoseconds.
qint64 cpuNs(qint64 root);

// Summed proportional set size of every member, in kilobytes.
qint64 pssKb(qint64 root);

// SIGKILL to every member, the descendants first.
void kill(qint64 root);

} // namespace ProcessTree
