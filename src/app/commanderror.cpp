#include "commanderror.h"

#include "dialogs.h"

#include <QDir>

CommandError CommandError::cannotOpen(const QString& path, const QString& reason)
{
    return CommandError(
        QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

CommandError CommandError::cannotCreate(const QString& path, const QString& reason)
{
    return CommandError(QStringLiteral("Cannot create file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), reason));
}

CommandError CommandError::unableToWrite(const QString& path)
{
    return CommandError(
        QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
}

void runCommand(Dialogs& dialogs, const std::function<void()>& command)
{
    try {
        command();
    } catch (const CommandError& error) {
        dialogs.error(error.text());
    }
}
