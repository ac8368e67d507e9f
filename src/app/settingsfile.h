#pragma once

#include <QString>
#include <QStringList>

// The settings file zr.ini: windows-1250 text with [Section] headers and
// key=value lines, read and written by the rules of the Windows profile
// functions the earlier program used.
//
// Open it, do one group of reads or writes, close it. Writes are kept in memory
// and put on disk atomically by close(), which throws "Unable to write to ..."
// when that fails.
class SettingsFile
{
public:
    explicit SettingsFile(QString path);
    ~SettingsFile();

    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    QString readText(const QString& section, const QString& key, const QString& fallback);
    int readInteger(const QString& section, const QString& key, int fallback);
    // Yes/no keys mean yes only when the value is exactly "ANO".
    bool readYesNo(const QString& section, const QString& key, bool fallback);

    void writeText(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeYesNo(const QString& section, const QString& key, bool value);

    void close();

    static constexpr int maxValueLength = 2047;
    // Parses a decimal, "0x"/"0X" or "$" hexadecimal integer; false for anything else.
    static bool parseInteger(const QString& text, int& value);

private:
    void load();
    // Index of the section's header line, or -1.
    int findSection(const QString& section) const;
    // Index of the key's line inside the section starting at header, or -1.
    int findKey(int header, const QString& key) const;
    int sectionEnd(int header) const;

    QString m_path;
    QStringList m_lines;
    bool m_loaded = false;
    bool m_dirty = false;
};
