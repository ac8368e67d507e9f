#pragma once

#include "programfolder.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// A fresh temporary program folder for one test, optionally filled with
// copies of the shipped data.
class TestFolder
{
public:
    TestFolder();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path() + u'/'; }
    ProgramFolder programFolder() const { return ProgramFolder(path()); }
    QString file(const QString& relative) const { return path() + relative; }

    // Writes raw bytes, creating folders on the way.
    void write(const QString& relative, const QByteArray& bytes) const;
    // Writes lines as windows-1250 with CR LF.
    void writeLines(const QString& relative, const QStringList& lines) const;
    QByteArray read(const QString& relative) const;
    // Copies the shipped data folder (ZEMLAR_DATA_DIR) into the program folder.
    void copyShippedData() const;

private:
    QTemporaryDir m_dir;
};
