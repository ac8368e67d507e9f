#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>

SingleInstance::SingleInstance(const QString& programFolder)
    : m_lock(std::make_unique<QLockFile>(lockPath(programFolder)))
{
    m_lock->setStaleLockTime(0); // stale only when its process is gone
}

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}

QString SingleInstance::lockPath(const QString& programFolder)
{
    const QByteArray key = QDir::cleanPath(QDir(programFolder).absolutePath()).toUtf8();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
    return QDir::temp().filePath(QStringLiteral("zemlar-%1.lock").arg(hash));
}
