// A figure of this process's status in KiB: "VmHWM" (peak resident memory), "VmRSS"
// (resident now); -1 where the system does not tell.
#pragma once

#include <QByteArray>
#include <QFile>

inline long procStatusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}
