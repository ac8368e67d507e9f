#include "jobfixture.h"

#include "czechdate.h"
#include "linefile.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>

namespace JobFixture {

const QStringList& fieldNames()
{
    // Written out from the line table of the job file, not taken from the code.
    static const QStringList names{"Editcku1",
                                   "Editcku2",
                                   "Editcku3",
                                   "Editcku4",
                                   "Editcku5",
                                   "Editcku6",
                                   "Editcz1",
                                   "Editcz2",
                                   "Editcz3",
                                   "Editcz4",
                                   "Editcz5",
                                   "Editzdp",
                                   "Editcgp",
                                   "Combodz",
                                   "Editrok",
                                   "ComboKM",
                                   "Combozam",
                                   "Comboob",
                                   "Comboku",
                                   "Editkp",
                                   "Editobj",
                                   "ComboBox3",
                                   "CheckBox5",
                                   "CheckBox6",
                                   "CheckBox7",
                                   "ComboBox4",
                                   "Editovereni",
                                   "Editdatumovereni",
                                   "Editprijmeni",
                                   "Editjmeno",
                                   "Edittitulpred",
                                   "Edittitulza",
                                   "Editnarozeni",
                                   "Editulice",
                                   "Editcpce",
                                   "Editorient",
                                   "Editcastobce",
                                   "Editobec",
                                   "editpsc",
                                   "Editposta",
                                   "Editcislo",
                                   "Editkontakt",
                                   "Editprijmeni2",
                                   "Editjmeno2",
                                   "Edittitulpred2",
                                   "Edittitulza2",
                                   "Editnarozeni2",
                                   "Editulice2",
                                   "Editcpce2",
                                   "Editorient2",
                                   "Editcastobce2",
                                   "Editobec2",
                                   "editpsc2",
                                   "Editposta2",
                                   "Editdatum",
                                   "Editkolek",
                                   "Editpoplatek",
                                   "Editdatum2",
                                   "Editjmenoaprijmeni",
                                   "CheckBox8",
                                   "CheckBox9",
                                   "CheckBox10",
                                   "CheckBox11",
                                   "CheckBox19",
                                   "CheckBox20",
                                   "Editzdp2",
                                   "DateTimePicker1"};
    return names;
}

QByteArray sampleBytes()
{
    QFile file(QStringLiteral(ZEMLAR_JOB_FIXTURES "/320-857-2007.zpm"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("job fixture missing: %s", qPrintable(file.fileName()));
    return file.readAll();
}

QStringList sampleLines()
{
    return LineFile::splitLines(sampleBytes());
}

namespace {

QWidget* field(TForm1& form, const QString& name)
{
    auto* widget = form.findChild<QWidget*>(name);
    if (!widget)
        qFatal("no field %s on the main window", qPrintable(name));
    return widget;
}

} // namespace

void setField(TForm1& form, const QString& name, const QString& line)
{
    QWidget* widget = field(form, name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(line);
    else if (auto* box = qobject_cast<QCheckBox*>(widget))
        box->setChecked(line == QStringLiteral("ANO"));
    else if (auto* date = qobject_cast<QDateEdit*>(widget))
        date->setDate(CzechDate::parse(line));
    else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable())
        combo->setCurrentIndex(line.toInt());
    else
        static_cast<QComboBox*>(widget)->setEditText(line);
}

void setFields(TForm1& form, const QStringList& lines)
{
    for (int i = 0; i < fieldNames().size(); ++i)
        setField(form, fieldNames().at(i), lines.value(i));
}

QString fieldLine(TForm1& form, const QString& name)
{
    QWidget* widget = field(form, name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* box = qobject_cast<QCheckBox*>(widget))
        return box->text();
    if (auto* date = qobject_cast<QDateEdit*>(widget))
        return CzechDate::format(date->date());
    auto* combo = static_cast<QComboBox*>(widget);
    return combo->isEditable() ? combo->currentText() : QString::number(combo->currentIndex());
}

std::unique_ptr<TForm1> mainWindow(const TestFolder& folder, ScriptedDialogs& dialogs)
{
    folder.copyShippedData();
    dialogs.expect(Dialogs::Kind::Warning, QStringLiteral("Soubor s logem nenalezen!"),
                   Dialogs::Button::Ok);
    return std::make_unique<TForm1>(folder.programFolder(), dialogs);
}

} // namespace JobFixture
