#include "testfolder.h"

#include "linefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() = default;

void TestFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
}

void TestFolder::writeLines(const QString& relative, const QStringList& lines) const
{
    write(relative, LineFile::joinLines(lines));
}

QByteArray TestFolder::read(const QString& relative) const
{
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

void TestFolder::copyShippedData() const
{
    const QString source = QStringLiteral(ZEMLAR_DATA_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(source).relativeFilePath(from);
        QDir().mkpath(QFileInfo(file(relative)).absolutePath());
        QFile::copy(from, file(relative));
    }
}
