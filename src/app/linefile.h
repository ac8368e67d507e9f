#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of the program: single-byte windows-1250 text, read line by line.
// Every file the program reads or writes goes through here.
namespace LineFile {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// Splits at CR LF, a lone CR or a lone LF; a line end at the very end adds no
// empty line; the text ends at the first zero byte.
QStringList splitLines(const QByteArray& bytes);
// Every line followed by CR LF, the last one included.
QByteArray joinLines(const QStringList& lines);

// Throws CommandError "Cannot open file ..." when the file cannot be read.
QByteArray readBytes(const QString& path);
QStringList readLines(const QString& path);

// Atomic: the old file stays whole if anything fails. Throws CommandError
// "Cannot create file ..." when the file cannot be created or replaced.
void writeBytes(const QString& path, const QByteArray& bytes);
void writeLines(const QString& path, const QStringList& lines);

} // namespace LineFile
