#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Only one Zemlar runs from one program folder: two would overwrite each
// other's settings file. The guard is a lock file in the temporary folder,
// named after the program folder; a lock left by a crashed run is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& programFolder);

    // False when another instance holds the program folder.
    bool acquire();

    static QString lockPath(const QString& programFolder);

private:
    std::unique_ptr<QLockFile> m_lock;
};
