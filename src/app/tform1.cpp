#include "tform1.h"

#include "applicationchecks.h"
#include "commanderror.h"
#include "czechdate.h"
#include "dialogs.h"
#include "focuschain.h"
#include "picklists.h"
#include "regionlookup.h"
#include "settingsfile.h"
#include "tform2.h"
#include "ui_tform1.h"
#include "version.h"
#include "yearsuffix.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace {

const QString nastaveni = QStringLiteral("Nastaveni");
const QString zadostGP = QStringLiteral("ZadostGP");

QString personKey(int index)
{
    return QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

TForm1::TForm1(const ProgramFolder& folder, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()), m_folder(folder), m_dialogs(dialogs)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(1018, 633);
    ui->BitBtn5->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    ui->BitBtn6->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    ui->StatusBar1->setSizeGripEnabled(false);

    m_checks = new ApplicationChecks(applicationChecks(), ui->CheckBox7, ui->CheckBox5, this);
    // "celý ZPMZ" starts ticked, as its caption says and the coupling with
    // the unticked "pouze návrh zobrazení změny" demands.
    ui->CheckBox5->setChecked(true);

    m_regionLookup = new RegionLookup(
        m_folder, m_dialogs,
        {ui->ComboBox4,
         ui->ComboBox1,
         ui->Comboku,
         ui->Comboob,
         {ui->Editcku1, ui->Editcku2, ui->Editcku3, ui->Editcku4, ui->Editcku5, ui->Editcku6}},
        this);
    m_pickLists = new PickLists(m_folder, m_dialogs, ui->Combodz, ui->Combozam, nullptr, this);
    connect(ui->BitBtn12, &QPushButton::clicked, m_pickLists, &PickLists::saveNewReason);
    connect(ui->BitBtn15, &QPushButton::clicked, m_pickLists, &PickLists::editReasons);

    setUpFocusChain();

    connect(ui->Button2, &QPushButton::clicked, this,
            [this] { ui->Editdatumovereni->setText(CzechDate::format(QDate::currentDate())); });
    connect(ui->Button3, &QPushButton::clicked, this,
            [this] { ui->Editdatum->setText(CzechDate::format(QDate::currentDate())); });
    connect(ui->Button4, &QPushButton::clicked, this,
            [this] { ui->Editdatum2->setText(CzechDate::format(QDate::currentDate())); });
    connect(ui->Button6, &QPushButton::clicked, this,
            [this] { ui->DateTimePicker1->setDate(QDate::currentDate()); });
    connect(ui->CheckBox3, &QCheckBox::toggled, this, &TForm1::showZpmzLogo);
    connect(ui->CheckBox4, &QCheckBox::toggled, this, &TForm1::showZpmzLogo);
    connect(ui->BitBtn10, &QPushButton::clicked, this, &TForm1::BitBtn10Click);
    connect(ui->BitTisk1, &QPushButton::clicked, this, &TForm1::BitTisk1Click);

    FormCreate();
}

TForm1::~TForm1() = default;

QList<QLineEdit*> TForm1::personEdits() const
{
    return {ui->Editprijmeni,   ui->Editjmeno,    ui->Edittitulpred, ui->Edittitulza,
            ui->Editnarozeni,   ui->Editulice,    ui->Editcpce,      ui->Editorient,
            ui->Editcastobce,   ui->Editobec,     ui->editpsc,       ui->Editposta,
            ui->Editcislo,      ui->Editkontakt,  ui->Editprijmeni2, ui->Editjmeno2,
            ui->Edittitulpred2, ui->Edittitulza2, ui->Editnarozeni2, ui->Editulice2,
            ui->Editcpce2,      ui->Editorient2,  ui->Editcastobce2, ui->Editobec2,
            ui->editpsc2,       ui->Editposta2};
}

QList<QCheckBox*> TForm1::applicationChecks() const
{
    return {ui->CheckBox5,  ui->CheckBox6,  ui->CheckBox7,  ui->CheckBox8,  ui->CheckBox9,
            ui->CheckBox10, ui->CheckBox11, ui->CheckBox19, ui->CheckBox20, ui->CheckBox21};
}

void TForm1::FormCreate()
{
    ui->PageControl1->setCurrentIndex(0);
    QDir::setCurrent(m_folder.path());

    SettingsFile settings(m_folder.settingsFile());

    // A pick list that cannot be read is reported and stays empty; the start
    // goes on, so the settings still reach the controls before the close
    // writes them back.
    runCommand(m_dialogs, [this] { m_pickLists->loadReasons(); });
    runCommand(m_dialogs, [this] { m_pickLists->loadSurveyors(); });

    ui->Editkp->setText(settings.readText(nastaveni, QStringLiteral("KP"), ui->Editkp->text()));
    ui->Editrok->setText(settings.readText(nastaveni, QStringLiteral("ROK"), ui->Editrok->text()));
    ui->ComboBox4->setEditText(
        settings.readText(nastaveni, QStringLiteral("Kraj"), ui->ComboBox4->currentText()));

    const QList<QLineEdit*> persons = personEdits();
    for (int i = 0; i < persons.size(); ++i)
        persons[i]->setText(settings.readText(zadostGP, personKey(i), persons[i]->text()));

    ui->ComboBox2->setCurrentIndex(4);

    loadLogosAtStart();

    ui->StatusBar1->showMessage(QDir::toNativeSeparators(m_folder.path()));

    ui->CheckBox12->setChecked(settings.readYesNo(nastaveni, QStringLiteral("Pamatovat"), true));
    ui->CheckBox1->setChecked(settings.readYesNo(nastaveni, QStringLiteral("Doplnovat"), true));
    ui->CheckBox4->setChecked(settings.readYesNo(nastaveni, QStringLiteral("Roztahnout"), true));
    ui->CheckBox3->setChecked(settings.readYesNo(nastaveni, QStringLiteral("Transparenti"), true));
    showZpmzLogo();

    settings.close();
}

void TForm1::loadLogosAtStart()
{
    QDir::setCurrent(m_folder.path());
    SettingsFile settings(m_folder.settingsFile());
    // One guarded step: the first failure skips the rest.
    bool loaded = m_coversLogo.load(settings.readText(nastaveni, QStringLiteral("Logo2"), {}));
    if (loaded)
        ui->Image2->setPixmap(m_coversLogo.pixmap(false));
    loaded = loaded && m_zpmzLogo.load(settings.readText(nastaveni, QStringLiteral("Logo1"), {}));
    if (!loaded)
        m_dialogs.warning(QStringLiteral("Soubor s logem nenalezen!"));
    showZpmzLogo();
}

void TForm1::showZpmzLogo()
{
    ui->Imagelogo->setScaledContents(ui->CheckBox4->isChecked());
    if (m_zpmzLogo.isNull())
        return;
    const QPixmap pixmap = m_zpmzLogo.pixmap(ui->CheckBox3->isChecked());
    ui->Imagelogo->setPixmap(pixmap);
    // The preview takes the size of its picture.
    ui->Imagelogo->resize(pixmap.size());
}

void TForm1::setUpFocusChain()
{
    m_focusChain = new FocusChain(this);
    using T = FocusChain::Trigger;
    FocusChain& chain = *m_focusChain;
    chain.add(ui->Comboku, T::Enter, ui->Editcz1);
    chain.add(ui->Editcz1, T::AnyKey, ui->Editcz2);
    chain.add(ui->Editcz2, T::AnyKey, ui->Editcz3);
    chain.add(ui->Editcz3, T::AnyKey, ui->Editcz4);
    chain.add(ui->Editcz4, T::AnyKey, ui->Editcz5);
    chain.add(ui->Editcz5, T::AnyKey, ui->Editcgp);
    chain.add(ui->Editcgp, T::Enter, ui->Combozam, [this] { appendYearSuffix(ui->Editcgp); });
    chain.add(ui->Combozam, T::Enter, ui->Editovereni);
    chain.add(ui->Combodz, T::Enter, ui->Editovereni);
    chain.add(ui->Editovereni, T::Enter, ui->Editdatumovereni,
              [this] { appendYearSuffix(ui->Editovereni); });
    chain.add(ui->Editdatumovereni, T::Enter, ui->BitTisk1);
    chain.add(ui->Button2, T::Enter, ui->BitTisk1);
    chain.add(ui->Editzdp, T::Enter, ui->Editzdp2);
    chain.add(ui->Editzdp2, T::Enter, ui->ComboKM);
}

void TForm1::appendYearSuffix(QLineEdit* field)
{
    if (ui->CheckBox1->isChecked())
        field->setText(withYearSuffix(field->text(), ui->Editrok->text()));
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    FormShow();
}

void TForm1::FormShow()
{
    m_regionLookup->loadOnShow();
    ui->Comboku->setFocus(Qt::OtherFocusReason);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    // A settings file that cannot be written is reported; the window closes anyway.
    runCommand(m_dialogs, [this] {
        SettingsFile versionSettings(m_folder.settingsFile());
        versionSettings.writeText(QStringLiteral("Programy"), QStringLiteral("ZRS"),
                                  programVersion());
        versionSettings.close();

        SettingsFile settings(m_folder.settingsFile());
        settings.writeText(nastaveni, QStringLiteral("ROK"), ui->Editrok->text());
        if (ui->CheckBox12->isChecked()) {
            settings.writeText(nastaveni, QStringLiteral("Kraj"), ui->ComboBox4->currentText());
            settings.writeText(nastaveni, QStringLiteral("KP"), ui->Editkp->text());
        }
        const QList<QLineEdit*> persons = personEdits();
        for (int i = 0; i < persons.size(); ++i)
            settings.writeText(zadostGP, personKey(i), persons[i]->text());
        settings.writeYesNo(nastaveni, QStringLiteral("Doplnovat"), ui->CheckBox1->isChecked());
        settings.writeYesNo(nastaveni, QStringLiteral("Roztahnout"), ui->CheckBox4->isChecked());
        settings.writeYesNo(nastaveni, QStringLiteral("Transparenti"), ui->CheckBox3->isChecked());
        settings.writeYesNo(nastaveni, QStringLiteral("Pamatovat"), ui->CheckBox12->isChecked());
        settings.close();
    });
}

void TForm1::BitBtn10Click()
{
    if (m_info)
        m_dialogs.execModal(*m_info);
}

ZpmzInputs TForm1::zpmzInputs() const
{
    ZpmzInputs in;
    in.Editrok = ui->Editrok->text();
    in.Editcz1 = ui->Editcz1->text();
    in.Editcz2 = ui->Editcz2->text();
    in.Editcz3 = ui->Editcz3->text();
    in.Editcz4 = ui->Editcz4->text();
    in.Editcz5 = ui->Editcz5->text();
    in.ComboBox4 = ui->ComboBox4->currentText();
    in.Editkp = ui->Editkp->text();
    in.Comboob = ui->Comboob->currentText();
    in.Comboku = ui->Comboku->currentText();
    in.Editcku1 = ui->Editcku1->text();
    in.Editcku2 = ui->Editcku2->text();
    in.Editcku3 = ui->Editcku3->text();
    in.Editcku4 = ui->Editcku4->text();
    in.Editcku5 = ui->Editcku5->text();
    in.Editcku6 = ui->Editcku6->text();
    in.ComboKM = ui->ComboKM->currentText();
    in.Editcgp = ui->Editcgp->text();
    in.Combozam = ui->Combozam->currentText();
    in.Editzdp = ui->Editzdp->text();
    in.Editzdp2 = ui->Editzdp2->text();
    in.Combodz = ui->Combodz->currentText();
    in.Editovereni = ui->Editovereni->text();
    in.Editdatumovereni = ui->Editdatumovereni->text();
    in.Editobj = ui->Editobj->text();
    in.DateTimePicker1 = ui->DateTimePicker1->date();
    in.CheckBox23 = ui->CheckBox23->isChecked();
    in.CheckBox24 = ui->CheckBox24->isChecked();
    in.CheckBox13 = ui->CheckBox13->isChecked();
    in.CheckBox18 = ui->CheckBox18->isChecked();
    in.CheckBox17 = ui->CheckBox17->isChecked();
    // The page prints the picture the window shows at this moment.
    in.Imagelogo = m_zpmzLogo.image();
    return in;
}

void TForm1::BitTisk1Click()
{
    if (m_zpmzReport)
        printZpmz(zpmzInputs(), *m_zpmzReport, m_dialogs);
}
