#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class ScriptedDialogs;
class TForm1;
class TestFolder;

// Shared by the job tests: the hand-written job file of the fixtures folder and
// the fields of a job addressed by their names in the main window.
namespace JobFixture {

// The 67 fields of a job file in the order of its lines, as named on the form.
const QStringList& fieldNames();

// The job of tests/job/fixtures/320-857-2007.zpm: its raw bytes and its lines.
QByteArray sampleBytes();
QStringList sampleLines();

// Sets a field as a user would leave it to store the given line: the text of
// an edit or combo box, the item index of the number of copies, the tick of a
// yes/no box ("ANO" ticks it), the covers date.
void setField(TForm1& form, const QString& name, const QString& line);
void setFields(TForm1& form, const QStringList& lines);
// A field's value as its line holds it: the text, the item index, the caption, the date.
QString fieldLine(TForm1& form, const QString& name);

// A main window in the given program folder, filled with the shipped lists; a
// folder without logos makes it show "Soubor s logem nenalezen!", which this expects.
std::unique_ptr<TForm1> mainWindow(const TestFolder& folder, ScriptedDialogs& dialogs);

} // namespace JobFixture
