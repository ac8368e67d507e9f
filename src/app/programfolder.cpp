#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramFolder::ProgramFolder(const QString& path) : m_path(QDir::fromNativeSeparators(path))
{
    if (!m_path.endsWith(u'/'))
        m_path += u'/';
}

ProgramFolder ProgramFolder::ofExecutable()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::file(const QString& relative) const
{
    return resolve(m_path, relative);
}

QString ProgramFolder::resolve(const QString& folder, const QString& relative)
{
    QString current = QDir::fromNativeSeparators(folder);
    if (current.endsWith(u'/') && current.size() > 1)
        current.chop(1);
    const QStringList parts = QDir::fromNativeSeparators(relative).split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString exact = current + u'/' + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QString found = part;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        current += u'/' + found;
    }
    return current;
}
