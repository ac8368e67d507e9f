#pragma once

#include <QString>
#include <exception>
#include <functional>

class Dialogs;

// A failure that no handler expects: it stops the running command and is shown
// in the default error box with the platform's own text.
class CommandError : public std::exception
{
public:
    explicit CommandError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    static CommandError cannotOpen(const QString& path, const QString& reason);
    static CommandError cannotCreate(const QString& path, const QString& reason);
    static CommandError unableToWrite(const QString& path);

private:
    QString m_text;
    QByteArray m_utf8;
};

// Runs one user command; a CommandError escaping it ends the command and is
// reported in the default error box, as the platform did for unhandled failures.
void runCommand(Dialogs& dialogs, const std::function<void()>& command);
