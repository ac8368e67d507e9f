#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every modal box, file dialog, modal window and started program goes through
// this seam, so that tests can answer them with a scripted double.
class Dialogs
{
public:
    enum class Kind
    {
        Information,
        Warning,
        Confirmation,
        Error
    };
    enum class Button
    {
        Ok,
        Yes,
        No,
        Cancel
    };

    struct FileRequest
    {
        QString title;
        QString directory;
        QStringList filters; // e.g. "*.zpm"
        QString fileName;    // proposed or last chosen file
        QString defaultSuffix;
    };

    static const QString& applicationTitle();

    virtual ~Dialogs() = default;

    // Shows a box of the given kind with the buttons in the given order; returns the one pressed.
    virtual Button message(Kind kind, const QString& text, const QList<Button>& buttons) = 0;
    // Returns the chosen path, or an empty text when the user cancelled.
    virtual QString openFileName(const FileRequest& request) = 0;
    virtual QString saveFileName(const FileRequest& request) = 0;
    // Runs a window modally and returns its result code.
    virtual int execModal(QDialog& dialog) = 0;
    // Starts another program in a normal window without waiting for it.
    virtual bool startProgram(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory) = 0;

    void information(const QString& text) { message(Kind::Information, text, {Button::Ok}); }
    void warning(const QString& text) { message(Kind::Warning, text, {Button::Ok}); }
    // The default error box for failures that no handler catches.
    void error(const QString& text) { message(Kind::Error, text, {Button::Ok}); }
};

// The real boxes and dialogs, parented to a window.
class WidgetDialogs : public Dialogs
{
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Button message(Kind kind, const QString& text, const QList<Button>& buttons) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    int execModal(QDialog& dialog) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory) override;

private:
    QWidget* m_parent;
};
