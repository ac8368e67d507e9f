#include "scripteddialogs.h"

QString describe(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QStringLiteral("information");
    case Dialogs::Kind::Warning:
        return QStringLiteral("warning");
    case Dialogs::Kind::Confirmation:
        return QStringLiteral("confirmation");
    case Dialogs::Kind::Error:
        return QStringLiteral("error");
    }
    return {};
}

ScriptedDialogs& ScriptedDialogs::expect(Kind kind, const QString& text, Button answer,
                                         const QList<Button>& buttons)
{
    m_queue.append({Step::Box, kind, text, answer, buttons, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPrefix(Kind kind, const QString& prefix, Button answer)
{
    m_queue.append({Step::BoxPrefix, kind, prefix, answer, {}, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOpenFile(const QString& answer)
{
    m_queue.append({Step::OpenFile, Kind::Information, answer, Button::Ok, {}, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectSaveFile(const QString& answer)
{
    m_queue.append({Step::SaveFile, Kind::Information, answer, Button::Ok, {}, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectModal(std::function<int(QDialog&)> script)
{
    m_queue.append({Step::Modal, Kind::Information, {}, Button::Ok, {}, std::move(script)});
    return *this;
}

ScriptedDialogs::Expectation* ScriptedDialogs::next(Step step)
{
    if (m_queue.isEmpty() || m_queue.first().step != step)
        return nullptr;
    if (step == Step::Box && m_queue.first().step == Step::BoxPrefix)
        return nullptr;
    return &m_queue.first();
}

Dialogs::Button ScriptedDialogs::message(Kind kind, const QString& text,
                                         const QList<Button>& buttons)
{
    shown.append({kind, text, buttons});
    if (m_queue.isEmpty() ||
        (m_queue.first().step != Step::Box && m_queue.first().step != Step::BoxPrefix)) {
        m_problems << QStringLiteral("unexpected %1 box: \"%2\"").arg(describe(kind), text);
        return buttons.isEmpty() ? Button::Ok : buttons.last();
    }
    const Expectation expected = m_queue.takeFirst();
    const bool textMatches =
        expected.step == Step::Box ? text == expected.text : text.startsWith(expected.text);
    if (expected.kind != kind || !textMatches)
        m_problems << QStringLiteral("expected %1 box \"%2\", got %3 box \"%4\"")
                          .arg(describe(expected.kind), expected.text, describe(kind), text);
    if (!expected.buttons.isEmpty() && expected.buttons != buttons)
        m_problems << QStringLiteral("box \"%1\" has other buttons than expected").arg(text);
    if (!buttons.contains(expected.answer))
        m_problems << QStringLiteral("box \"%1\" has no button for the scripted answer").arg(text);
    return expected.answer;
}

QString ScriptedDialogs::openFileName(const FileRequest& request)
{
    fileRequests.append(request);
    if (!next(Step::OpenFile)) {
        m_problems << QStringLiteral("unexpected open dialog \"%1\"").arg(request.title);
        return {};
    }
    return m_queue.takeFirst().text;
}

QString ScriptedDialogs::saveFileName(const FileRequest& request)
{
    fileRequests.append(request);
    if (!next(Step::SaveFile)) {
        m_problems << QStringLiteral("unexpected save dialog \"%1\"").arg(request.title);
        return {};
    }
    return m_queue.takeFirst().text;
}

int ScriptedDialogs::execModal(QDialog& dialog)
{
    if (!next(Step::Modal)) {
        m_problems << QStringLiteral("unexpected modal window \"%1\"").arg(dialog.windowTitle());
        return QDialog::Rejected;
    }
    const auto script = m_queue.takeFirst().script;
    dialog.show();
    const int result = script(dialog);
    dialog.hide();
    return result;
}

bool ScriptedDialogs::startProgram(const QString& program, const QStringList& arguments,
                                   const QString&)
{
    startedPrograms << (QStringList{program} + arguments).join(u' ');
    return true;
}

QString ScriptedDialogs::problems() const
{
    QStringList all = m_problems;
    for (const Expectation& left : m_queue)
        all << QStringLiteral("expected but never shown: %1").arg(left.text);
    return all.join(u'\n');
}
