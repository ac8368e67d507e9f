#include "linefile.h"

#include "commanderror.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace LineFile {

namespace {

QTextCodec* codec()
{
    static QTextCodec* const windows1250 = QTextCodec::codecForName("windows-1250");
    Q_ASSERT(windows1250);
    return windows1250;
}

} // namespace

QString decode(const QByteArray& bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return codec()->toUnicode(zero < 0 ? bytes : bytes.left(zero));
}

QByteArray encode(const QString& text)
{
    return codec()->fromUnicode(text);
}

QStringList splitLines(const QByteArray& bytes)
{
    const QString text = decode(bytes);
    QStringList lines;
    QString current;
    bool pending = false; // a line has started and not yet ended
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

QByteArray joinLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CommandError::cannotOpen(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CommandError::cannotOpen(path, file.errorString());
    return bytes;
}

QStringList readLines(const QString& path)
{
    return splitLines(readBytes(path));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    // A read-only file is never replaced, as on Windows, even though the atomic
    // rename would be allowed by the folder.
    if (QFile::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner))
        throw CommandError::cannotCreate(path, QStringLiteral("Permission denied"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw CommandError::cannotCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw CommandError::cannotCreate(path, file.errorString());
}

void writeLines(const QString& path, const QStringList& lines)
{
    writeBytes(path, joinLines(lines));
}

} // namespace LineFile
