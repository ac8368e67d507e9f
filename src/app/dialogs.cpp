#include "dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

const QString& Dialogs::applicationTitle()
{
    static const QString title = QStringLiteral("Zemlar 3.00");
    return title;
}

namespace {

QString buttonText(Dialogs::Button button)
{
    switch (button) {
    case Dialogs::Button::Ok:
        return QStringLiteral("OK");
    case Dialogs::Button::Yes:
        return QStringLiteral("&Ano");
    case Dialogs::Button::No:
        return QStringLiteral("&Ne");
    case Dialogs::Button::Cancel:
        return QStringLiteral("Zrušit");
    }
    return {};
}

QMessageBox::ButtonRole buttonRole(Dialogs::Button button)
{
    switch (button) {
    case Dialogs::Button::Ok:
    case Dialogs::Button::Yes:
        return QMessageBox::AcceptRole;
    case Dialogs::Button::No:
        return QMessageBox::RejectRole;
    case Dialogs::Button::Cancel:
        return QMessageBox::RejectRole;
    }
    return QMessageBox::AcceptRole;
}

QMessageBox::Icon icon(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QMessageBox::Information;
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Confirmation:
        return QMessageBox::Question;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString filterText(const QStringList& filters)
{
    // "*.bmp" becomes "*.bmp (*.bmp)", so the dialog shows the pattern as its name.
    QStringList entries;
    for (const QString& filter : filters)
        entries << QStringLiteral("%1 (%1)").arg(filter);
    return entries.join(QStringLiteral(";;"));
}

} // namespace

Dialogs::Button WidgetDialogs::message(Kind kind, const QString& text, const QList<Button>& buttons)
{
    QMessageBox box(icon(kind), applicationTitle(), text, QMessageBox::NoButton, m_parent);
    QList<QPair<QAbstractButton*, Button>> made;
    for (Button button : buttons)
        made.append({box.addButton(buttonText(button), buttonRole(button)), button});
    if (!made.isEmpty())
        box.setDefaultButton(static_cast<QPushButton*>(made.first().first));
    box.exec();
    for (const auto& [widget, button] : made) {
        if (box.clickedButton() == widget)
            return button;
    }
    // Closed by Escape or the title bar: the last button is the refusing one.
    return buttons.isEmpty() ? Button::Cancel : buttons.last();
}

QString WidgetDialogs::openFileName(const FileRequest& request)
{
    QFileDialog dialog(m_parent, request.title, request.directory, filterText(request.filters));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WidgetDialogs::saveFileName(const FileRequest& request)
{
    QFileDialog dialog(m_parent, request.title, request.directory, filterText(request.filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int WidgetDialogs::execModal(QDialog& dialog)
{
    return dialog.exec();
}

bool WidgetDialogs::startProgram(const QString& program, const QStringList& arguments,
                                 const QString& workingDirectory)
{
    return QProcess::startDetached(program, arguments, workingDirectory);
}
