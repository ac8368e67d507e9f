#pragma once

#include <QString>

// The folder of the executable, with a trailing separator; every data file
// lies below it. Names are found whatever their letter case, as on Windows.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString& path);

    static ProgramFolder ofExecutable();

    const QString& path() const { return m_path; }
    // The program folder joined with a relative path such as "\duvod\duvod.txt"
    // or "ulozene"; doubled separators count as one and each existing name is
    // matched without regard to letter case.
    QString file(const QString& relative) const;
    QString settingsFile() const { return file(QStringLiteral("zr.ini")); }

    // Resolves every component of relative below folder case-insensitively; a
    // component that does not exist keeps the spelling given.
    static QString resolve(const QString& folder, const QString& relative);

private:
    QString m_path;
};
