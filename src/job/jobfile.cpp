#include "jobfile.h"

#include "czechdate.h"
#include "linefile.h"

#include <QRegularExpression>

namespace JobFile {

QString baseName(const QString& gpNumber)
{
    QString name = gpNumber;
    name.replace(u'/', u'-');
    return name;
}

QString fileName(const QString& gpNumber)
{
    if (gpNumber.isEmpty())
        return {};
    return baseName(gpNumber) + QStringLiteral(".zpm");
}

QStringList copiesEntries()
{
    QStringList entries;
    for (int index = 0; index < copiesCount; ++index)
        entries.append(copiesEntry(index));
    return entries;
}

QString copiesEntry(int index)
{
    if (index <= 0 || index >= copiesCount)
        return {};
    // The list skips "15": up to index 15 the entry is one less than the index.
    return QString::number(index <= 15 ? index - 1 : index);
}

int copiesSelection(int storedIndex)
{
    return storedIndex >= 0 && storedIndex < copiesCount ? storedIndex : -1;
}

QString formatIndex(int index)
{
    return QString::number(index);
}

std::optional<int> parseIndex(const QString& line)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(line).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = line.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool ticks(const QString& caption)
{
    return caption != QStringLiteral("NE");
}

QString formatDate(const QDate& date)
{
    return CzechDate::format(date);
}

std::optional<QDate> parseDate(const QString& line)
{
    const QDate date = CzechDate::parse(line);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString Lines::line(int n) const
{
    return m_lines.value(n - 1);
}

Lines Lines::load(const QString& path)
{
    return Lines(LineFile::readLines(path));
}

void Lines::write(const QString& path) const
{
    LineFile::writeLines(path, m_lines);
}

} // namespace JobFile
