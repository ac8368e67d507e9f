#include "settingsfile.h"

#include "commanderror.h"
#include "linefile.h"

#include <QFile>
#include <QRegularExpression>

namespace {

bool isSectionHeader(const QString& line, QString* name = nullptr)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return false;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = trimmed.mid(1, close - 1).trimmed();
    return true;
}

bool splitEntry(const QString& line, QString* key, QString* value)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return false;
    if (key)
        *key = line.left(equals).trimmed();
    if (value)
        *value = line.mid(equals + 1);
    return true;
}

QString cleanValue(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value.left(SettingsFile::maxValueLength);
}

} // namespace

SettingsFile::SettingsFile(QString path) : m_path(std::move(path))
{
}

SettingsFile::~SettingsFile()
{
    // Unwritten changes were the caller's to close; never throw from here.
    if (m_dirty) {
        try {
            close();
        } catch (const CommandError&) {
        }
    }
}

void SettingsFile::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_lines.clear();
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly))
        m_lines = LineFile::splitLines(file.readAll());
}

int SettingsFile::findSection(const QString& section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (isSectionHeader(m_lines.at(i), &name) &&
            name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int SettingsFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && !isSectionHeader(m_lines.at(i)))
        ++i;
    return i;
}

int SettingsFile::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    QString name;
    for (int i = header + 1; i < end; ++i) {
        if (splitEntry(m_lines.at(i), &name, nullptr) &&
            name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString SettingsFile::readText(const QString& section, const QString& key, const QString& fallback)
{
    load();
    const int header = findSection(section);
    if (header < 0)
        return fallback;
    const int line = findKey(header, key);
    if (line < 0)
        return fallback;
    QString value;
    splitEntry(m_lines.at(line), nullptr, &value);
    return cleanValue(value);
}

bool SettingsFile::parseInteger(const QString& text, int& value)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    static const QRegularExpression hexadecimal(QStringLiteral("^(0[xX]|\\$)([0-9A-Fa-f]+)$"));
    const QString trimmed = text.trimmed();
    bool ok = false;
    int parsed = 0;
    if (decimal.match(trimmed).hasMatch()) {
        parsed = trimmed.toInt(&ok, 10);
    } else if (const auto match = hexadecimal.match(trimmed); match.hasMatch()) {
        // Eight hex digits wrap round to a negative value, as a 32-bit integer does.
        const qulonglong wide = match.captured(2).toULongLong(&ok, 16);
        ok = ok && wide <= 0xFFFFFFFFull;
        parsed = static_cast<int>(static_cast<quint32>(wide));
    }
    if (ok)
        value = parsed;
    return ok;
}

int SettingsFile::readInteger(const QString& section, const QString& key, int fallback)
{
    const QString text = readText(section, key, QString());
    int value = fallback;
    if (!parseInteger(text, value))
        return fallback;
    return value;
}

bool SettingsFile::readYesNo(const QString& section, const QString& key, bool fallback)
{
    return readText(section, key, fallback ? QStringLiteral("ANO") : QStringLiteral("NE")) ==
           QLatin1String("ANO");
}

void SettingsFile::writeText(const QString& section, const QString& key, const QString& value)
{
    load();
    const QString entry = key + u'=' + value;
    m_dirty = true;
    const int header = findSection(section);
    if (header < 0) {
        m_lines.append(u'[' + section + u']');
        m_lines.append(entry);
        return;
    }
    const int line = findKey(header, key);
    if (line >= 0) {
        QString storedKey;
        splitEntry(m_lines.at(line), &storedKey, nullptr);
        m_lines[line] = storedKey + u'=' + value;
        return;
    }
    // After the section's last non-empty line, so blank separator lines stay between sections.
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, entry);
}

void SettingsFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeText(section, key, QString::number(value));
}

void SettingsFile::writeYesNo(const QString& section, const QString& key, bool value)
{
    writeText(section, key, value ? QStringLiteral("ANO") : QStringLiteral("NE"));
}

void SettingsFile::close()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    try {
        LineFile::writeLines(m_path, m_lines);
    } catch (const CommandError&) {
        m_loaded = false;
        throw CommandError::unableToWrite(m_path);
    }
}
