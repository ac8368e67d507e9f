#pragma once

#include "dialogs.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

// Test double of the dialog seam: a queue of expected boxes and dialogs. Each
// box shown is recorded; one that nothing expected, or one whose kind, text or
// buttons differ from the next expectation, is recorded as a mismatch. Tests
// call verify() at the end (or use the ScriptedDialogs::check() helper) to
// fail when something unexpected was shown or an expected box never came.
class ScriptedDialogs : public Dialogs
{
public:
    struct Box
    {
        Kind kind;
        QString text;
        QList<Button> buttons;
    };

    // Expect a box; the text is compared exactly. Buttons are checked when given.
    ScriptedDialogs& expect(Kind kind, const QString& text, Button answer,
                            const QList<Button>& buttons = {});
    // Expect a box of the given kind whose text starts with prefix.
    ScriptedDialogs& expectPrefix(Kind kind, const QString& prefix, Button answer = Button::Ok);
    // Expect an open or save dialog; answer with this path (empty = cancel).
    ScriptedDialogs& expectOpenFile(const QString& answer);
    ScriptedDialogs& expectSaveFile(const QString& answer);
    // Expect a modal window; the script acts on it and returns its result code.
    ScriptedDialogs& expectModal(std::function<int(QDialog&)> script);

    Button message(Kind kind, const QString& text, const QList<Button>& buttons) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    int execModal(QDialog& dialog) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory) override;

    // Empty when everything expected came and nothing else did; otherwise says what went wrong.
    QString problems() const;

    QList<Box> shown;                // every box, in order
    QList<FileRequest> fileRequests; // every file dialog, in order
    QStringList startedPrograms;     // program + arguments joined by spaces

private:
    enum class Step
    {
        Box,
        BoxPrefix,
        OpenFile,
        SaveFile,
        Modal
    };
    struct Expectation
    {
        Step step;
        Kind kind = Kind::Information;
        QString text;
        Button answer = Button::Ok;
        QList<Button> buttons;
        std::function<int(QDialog&)> script;
    };
    Expectation* next(Step step);

    QList<Expectation> m_queue;
    QStringList m_problems;
};

QString describe(Dialogs::Kind kind);

// In a QtTest function: fails the test when the double saw anything unexpected.
#define VERIFY_DIALOGS(dialogs)                                                                    \
    do {                                                                                           \
        const QString problems_ = (dialogs).problems();                                            \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_));                                      \
    } while (false)
