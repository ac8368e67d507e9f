#include "jobsfolder.h"

#include "commanderror.h"

#include <QDir>
#include <QFileInfo>

QString JobsFolder::path() const
{
    return m_folder.file(QStringLiteral("ulozene"));
}

bool JobsFolder::exists() const
{
    return QFileInfo(path()).isDir();
}

QString JobsFolder::ensure() const
{
    if (exists())
        return path();
    const QString created = m_folder.path() + QStringLiteral("Ulozene");
    if (!QDir().mkdir(created))
        throw CommandError(QStringLiteral("Unable to create directory \"%1\"")
                               .arg(QDir::toNativeSeparators(created)));
    return created;
}

bool JobsFolder::remove() const
{
    if (!exists())
        return false;
    return QDir(path()).removeRecursively();
}
