#include "czechdate.h"
#include "jobcommands.h"
#include "linefile.h"
#include "regionlookup.h"
#include "scripteddialogs.h"
#include "settingsfile.h"
#include "singleinstance.h"
#include "testfolder.h"
#include "tform1.h"
#include "tform2.h"
#include "tform3.h"
#include "tform6.h"
#include "ui_tform1.h"
#include "zemlar.h"

#include <QAccessible>
#include <QDateEdit>
#include <QFile>
#include <QtTest>

using Kind = Dialogs::Kind;
using Button = Dialogs::Button;

namespace {

const QString logoMissing = QStringLiteral("Soubor s logem nenalezen!");

// A program folder with the shipped lists and a settings file.
struct Start
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Zemlar> zemlar;

    explicit Start(const QByteArray& settings = {})
    {
        folder.copyShippedData();
        if (!settings.isNull())
            folder.write("zr.ini", settings);
    }
    TForm1& run()
    {
        zemlar = std::make_unique<Zemlar>(folder.programFolder(), dialogs);
        return zemlar->form1();
    }
    Ui::TForm1& ui() { return zemlar->form1().controls(); }
    QByteArray closeAndReadSettings()
    {
        zemlar->form1().close();
        return folder.read("zr.ini");
    }
};

void showAndActivate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWithoutSettings();
    void settingsReachTheControls();
    void logosAreLoadedAtStart_data();
    void logosAreLoadedAtStart();
    void storedRegionIsLoadedWhenShown();
    void unreadablePickListIsReportedAndStartGoesOn();
    void yesNoOptionsNeedExactlyAno_data();
    void yesNoOptionsNeedExactlyAno();
    void firstCloseWritesTheSectionsInOrder();
    void closeRemembersRegionOnlyWhenAsked_data();
    void closeRemembersRegionOnlyWhenAsked();
    void closeReportsAnUnwritableSettingsFile();
    void focusChain_data();
    void focusChain();
    void yearSuffix_data();
    void yearSuffix();
    void checkBoxRules();
    void todaysDateButtons();
    void copiesComboOffersNoFifteen();
    void infoOpensTheInfoWindowModally();
    void printButtonPreviewsTheZpmzPage();
    void jobButtonsSaveClearAndReopenTheJob();
    void everyFieldHasAnAccessibleName_data();
    void everyFieldHasAnAccessibleName();
    void secondInstanceIsRefused();
};

void TestMainWindow::firstStartWithoutSettings()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok, {Button::Ok});
    TForm1& window = start.run();
    VERIFY_DIALOGS(start.dialogs);
    QCOMPARE(start.dialogs.shown.size(), 1);
    auto& ui = start.ui();
    QCOMPARE(ui.PageControl1->currentWidget(), ui.TabSheet1);
    QVERIFY(ui.CheckBox12->isChecked());
    QVERIFY(ui.CheckBox1->isChecked());
    QVERIFY(ui.CheckBox4->isChecked());
    QVERIFY(ui.CheckBox3->isChecked());
    QVERIFY(ui.Imagelogo->hasScaledContents());
    QCOMPARE(ui.ComboBox2->currentText(), QStringLiteral("5"));
    QCOMPARE(ui.StatusBar1->currentMessage(), QDir::toNativeSeparators(start.folder.path()));
    QCOMPARE(ui.ComboBox4->currentText(), QString());
    QCOMPARE(ui.Comboku->count(), 0);
    QCOMPARE(ui.DateTimePicker1->date(), QDate(2014, 1, 1));
    QVERIFY(ui.CheckBox5->isChecked());
    QCOMPARE(ui.CheckBox5->text(), QStringLiteral("ANO"));
    QCOMPARE(ui.CheckBox7->text(), QStringLiteral("NE"));
    QCOMPARE(ui.Edit1->text(), QStringLiteral("elektronicky podepsáno"));
    QCOMPARE(QDir::currentPath() + u'/', start.folder.path());
    showAndActivate(window);
    QCOMPARE(QApplication::focusWidget(), ui.Comboku);
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::settingsReachTheControls()
{
    Start start;
    start.folder.write(
        "zr.ini",
        LineFile::joinLines({"[Nastaveni]", "KP= Mělník ", "ROK=2014", "Kraj=Prahu", "Pamatovat=NE",
                             "Doplnovat=ANO", "Roztahnout=NE", "Transparenti=NE", "[ZadostGP]",
                             "01=Dvořák", "13=", "26=Říčany"}));
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    QCOMPARE(ui.Editkp->text(), QStringLiteral("Mělník"));
    QCOMPARE(ui.Editrok->text(), QStringLiteral("2014"));
    QCOMPARE(ui.ComboBox4->currentText(), QStringLiteral("Prahu"));
    QCOMPARE(ui.Editprijmeni->text(), QStringLiteral("Dvořák"));
    QCOMPARE(ui.Editcislo->text(), QString());
    QCOMPARE(ui.Editposta2->text(), QStringLiteral("Říčany"));
    QVERIFY(!ui.CheckBox12->isChecked());
    QVERIFY(ui.CheckBox1->isChecked());
    QVERIFY(!ui.CheckBox4->isChecked());
    QVERIFY(!ui.CheckBox3->isChecked());
    QVERIFY(!ui.Imagelogo->hasScaledContents());
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::logosAreLoadedAtStart_data()
{
    QTest::addColumn<QString>("logo1");
    QTest::addColumn<QString>("logo2");
    QTest::addColumn<bool>("zpmzShown");
    QTest::addColumn<bool>("coversShown");
    QTest::addColumn<bool>("warned");
    QTest::newRow("both, relative to the program folder")
        << "loga/zpmz.bmp"
        << "loga/desky.jpg" << true << true << false;
    QTest::newRow("ZPMZ logo missing") << "loga/none.bmp"
                                       << "loga/desky.jpg" << false << true << true;
    QTest::newRow("covers logo missing skips the ZPMZ logo")
        << "loga/zpmz.bmp"
        << "loga/none.jpg" << false << false << true;
    QTest::newRow("not a picture") << "loga/broken.bmp"
                                   << "loga/desky.jpg" << false << true << true;
}

void TestMainWindow::logosAreLoadedAtStart()
{
    QFETCH(QString, logo1);
    QFETCH(QString, logo2);
    QFETCH(bool, zpmzShown);
    QFETCH(bool, coversShown);
    QFETCH(bool, warned);
    Start start(LineFile::joinLines(
        {"[Nastaveni]", "Logo1=" + logo1, "Logo2=" + logo2, "Transparenti=ANO"}));
    QDir(start.folder.path()).mkpath("loga");
    // A white bitmap with a red square: transparency leaves out the white.
    QImage zpmz(40, 20, QImage::Format_RGB32);
    zpmz.fill(Qt::white);
    for (int x = 10; x < 20; ++x)
        for (int y = 5; y < 15; ++y)
            zpmz.setPixel(x, y, qRgb(255, 0, 0));
    QVERIFY(zpmz.save(start.folder.file("loga/zpmz.bmp"), "BMP"));
    QImage covers(75, 12, QImage::Format_RGB32);
    covers.fill(Qt::blue);
    QVERIFY(covers.save(start.folder.file("loga/desky.jpg"), "JPG"));
    start.folder.write("loga/broken.bmp", "not a picture");
    if (warned)
        start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    QCOMPARE(!ui.Imagelogo->pixmap().isNull(), zpmzShown);
    QCOMPARE(!ui.Image2->pixmap().isNull(), coversShown);
    if (zpmzShown) {
        // The preview takes the size of its picture and leaves the bitmap's white out.
        QCOMPARE(ui.Imagelogo->size(), QSize(40, 20));
        const QImage shown = ui.Imagelogo->pixmap().toImage();
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(shown.pixel(15, 10)), 255);
        ui.CheckBox3->setChecked(false);
        QCOMPARE(qAlpha(ui.Imagelogo->pixmap().toImage().pixel(0, 0)), 255);
    }
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::storedRegionIsLoadedWhenShown()
{
    Start start(LineFile::joinLines({"[Nastaveni]", "Kraj=Prahu"}));
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    TForm1& window = start.run();
    QCOMPARE(start.ui().Comboku->count(), 0);
    showAndActivate(window);
    auto& ui = start.ui();
    QCOMPARE(ui.Comboku->count(), 112);
    QCOMPARE(ui.Comboob->count(), 112);
    QCOMPARE(ui.ComboBox1->count(), 112);
    QCOMPARE(ui.Comboku->currentText(), QString());
    QCOMPARE(start.zemlar->form1().regionLookup().regionFileName(), QStringLiteral("praha.txt"));
    QCOMPARE(QApplication::focusWidget(), ui.Comboku);
    QVERIFY(ui.Combodz->count() > 0);
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::unreadablePickListIsReportedAndStartGoesOn()
{
    const QByteArray settings =
        LineFile::joinLines({"[Nastaveni]", "ROK=2014", "KP=Kolín", "Pamatovat=ANO", "Doplnovat=NE",
                             "Roztahnout=ANO", "Transparenti=ANO", "[ZadostGP]", "01=Horák"});
    Start start(settings);
    QFile::remove(start.folder.file("duvod/duvod.txt"));
    start.dialogs.expectPrefix(
        Kind::Error, QStringLiteral("Cannot open file \"%1\". ")
                         .arg(QDir::toNativeSeparators(start.folder.file("duvod/duvod.txt"))));
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    QCOMPARE(ui.Combodz->count(), 0);
    QCOMPARE(ui.Editprijmeni->text(), QStringLiteral("Horák"));
    QVERIFY(!ui.CheckBox1->isChecked());
    // Closing writes back what was read, not empty fields.
    start.closeAndReadSettings();
    SettingsFile after(start.folder.file("zr.ini"));
    QCOMPARE(after.readText("ZadostGP", "01", {}), QStringLiteral("Horák"));
    QCOMPARE(after.readText("Nastaveni", "KP", {}), QStringLiteral("Kolín"));
    QCOMPARE(after.readText("Nastaveni", "Doplnovat", {}), QStringLiteral("NE"));
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::yesNoOptionsNeedExactlyAno_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("checked");
    QTest::newRow("ANO") << QByteArray("ANO") << true;
    QTest::newRow("ano") << QByteArray("ano") << false;
    QTest::newRow("Ano") << QByteArray("Ano") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("quoted ANO") << QByteArray("\"ANO\"") << true;
}

void TestMainWindow::yesNoOptionsNeedExactlyAno()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, checked);
    Start start("[Nastaveni]\r\nPamatovat=" + value + "\r\nDoplnovat=" + value +
                "\r\nRoztahnout=" + value + "\r\nTransparenti=" + value + "\r\n");
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    for (QCheckBox* box : {ui.CheckBox12, ui.CheckBox1, ui.CheckBox4, ui.CheckBox3})
        QCOMPARE(box->isChecked(), checked);
}

void TestMainWindow::firstCloseWritesTheSectionsInOrder()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    ui.Editrok->setText("2014");
    ui.ComboBox4->setEditText("Vysočinu");
    ui.Editkp->setText("Jihlava");
    ui.Editprijmeni->setText("Šťastný");
    ui.CheckBox3->setChecked(false);
    QStringList expected{"[Programy]",      "ZRS=3.02",      "[Nastaveni]",   "ROK=2014",
                         "Kraj=Vysočinu",   "KP=Jihlava",    "Doplnovat=ANO", "Roztahnout=ANO",
                         "Transparenti=NE", "Pamatovat=ANO", "[ZadostGP]",    "01=Šťastný"};
    for (int key = 2; key <= 26; ++key)
        expected << QStringLiteral("%1=").arg(key, 2, 10, QLatin1Char('0'));
    QCOMPARE(start.closeAndReadSettings(), LineFile::joinLines(expected));
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::closeRemembersRegionOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("workplace");
    QTest::newRow("remembered") << true << "Zlínský kraj"
                                << "Zlín";
    QTest::newRow("not remembered: earlier values stay") << false << "Prahu"
                                                         << "Praha";
}

void TestMainWindow::closeRemembersRegionOnlyWhenAsked()
{
    QFETCH(bool, remember);
    QFETCH(QString, region);
    QFETCH(QString, workplace);
    Start start(LineFile::joinLines({"[Nastaveni]", "Kraj=Prahu", "KP=Praha", "ROK=2013"}));
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    ui.CheckBox12->setChecked(remember);
    ui.ComboBox4->setEditText("Zlínský kraj");
    ui.Editkp->setText("Zlín");
    ui.Editrok->setText("2014");
    start.closeAndReadSettings();

    SettingsFile settings(start.folder.file("zr.ini"));
    QCOMPARE(settings.readText("Nastaveni", "Kraj", {}), region);
    QCOMPARE(settings.readText("Nastaveni", "KP", {}), workplace);
    QCOMPARE(settings.readText("Nastaveni", "ROK", {}), QStringLiteral("2014"));
    QCOMPARE(settings.readText("Nastaveni", "Pamatovat", {}),
             remember ? QStringLiteral("ANO") : QStringLiteral("NE"));

    // The next start shows what was stored.
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    QCOMPARE(start.ui().ComboBox4->currentText(), region);
    QCOMPARE(start.ui().Editkp->text(), workplace);
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::closeReportsAnUnwritableSettingsFile()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    TForm1& window = start.run();
    showAndActivate(window);
    // A folder in place of the settings file cannot be replaced.
    QDir(start.folder.path()).mkdir("zr.ini");
    start.dialogs.expect(Kind::Error,
                         QStringLiteral("Unable to write to %1")
                             .arg(QDir::toNativeSeparators(start.folder.file("zr.ini"))),
                         Button::Ok);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::focusChain_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("fromText");
    const int enter = Qt::Key_Return;
    QTest::newRow("territory Enter") << "Comboku" << enter << "Editcz1"
                                     << "";
    QTest::newRow("record box 1 digit") << "Editcz1" << int(Qt::Key_7) << "Editcz2"
                                        << "7";
    QTest::newRow("record box 2 space") << "Editcz2" << int(Qt::Key_Space) << "Editcz3"
                                        << " ";
    QTest::newRow("record box 3 Backspace") << "Editcz3" << int(Qt::Key_Backspace) << "Editcz4"
                                            << "";
    QTest::newRow("record box 4 Enter") << "Editcz4" << enter << "Editcz5"
                                        << "";
    QTest::newRow("record box 5 letter") << "Editcz5" << int(Qt::Key_A) << "Editcgp"
                                         << "a";
    QTest::newRow("record box typed Tab moves once") << "Editcz1" << int(Qt::Key_Tab) << "Editcz2"
                                                     << "";
    QTest::newRow("GP number Enter") << "Editcgp" << enter << "Combozam"
                                     << "";
    QTest::newRow("surveyor Enter") << "Combozam" << enter << "Editovereni"
                                    << "";
    QTest::newRow("reason Enter") << "Combodz" << enter << "Editovereni"
                                  << "";
    QTest::newRow("verification Enter") << "Editovereni" << enter << "Editdatumovereni"
                                        << "";
    QTest::newRow("date Enter") << "Editdatumovereni" << enter << "BitTisk1"
                                << "";
    QTest::newRow("date button Enter") << "Button2" << enter << "BitTisk1"
                                       << "";
    QTest::newRow("parcels Enter") << "Editzdp" << enter << "Editzdp2"
                                   << "";
    QTest::newRow("second parcels line Enter") << "Editzdp2" << enter << "ComboKM"
                                               << "";
    QTest::newRow("GP number letter stays") << "Editcgp" << int(Qt::Key_A) << "Editcgp"
                                            << "a";
    QTest::newRow("year Enter stays") << "Editrok" << enter << "Editrok"
                                      << "";
}

void TestMainWindow::focusChain()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    QFETCH(QString, fromText);
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    TForm1& window = start.run();
    start.ui().CheckBox1->setChecked(false);
    showAndActivate(window);
    auto* source = window.findChild<QWidget*>(from);
    auto* target = window.findChild<QWidget*>(to);
    QVERIFY(source && target);
    source->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(source); edit && key == Qt::Key_Backspace) {
        edit->setText("9");
        edit->end(false);
    }
    QWidget* receiver = QApplication::focusWidget();
    QTest::keyClick(receiver, Qt::Key(key));
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused->parentWidget() && qobject_cast<QComboBox*>(focused->parentWidget()))
        focused = focused->parentWidget();
    QCOMPARE(focused ? focused->objectName() : QString(), to);
    if (auto* edit = qobject_cast<QLineEdit*>(source))
        QCOMPARE(edit->text(), fromText);
}

void TestMainWindow::yearSuffix_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("suffixOn");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("enters");
    QTest::addColumn<QString>("expected");
    QTest::newRow("GP number") << "Editcgp" << true << "2014"
                               << "257" << 1 << "257/2014";
    QTest::newRow("second Enter adds nothing") << "Editcgp" << true << "2014"
                                               << "257" << 2 << "257/2014";
    QTest::newRow("verification number") << "Editovereni" << true << "2014"
                                         << "12" << 1 << "12/2014";
    QTest::newRow("empty year gives a bare slash once") << "Editcgp" << true << ""
                                                        << "257" << 2 << "257/";
    QTest::newRow("switched off") << "Editcgp" << false << "2014"
                                  << "257" << 1 << "257";
    QTest::newRow("other year is appended") << "Editcgp" << true << "2014"
                                            << "257/2013" << 1 << "257/2013/2014";
}

void TestMainWindow::yearSuffix()
{
    QFETCH(QString, field);
    QFETCH(bool, suffixOn);
    QFETCH(QString, year);
    QFETCH(QString, typed);
    QFETCH(int, enters);
    QFETCH(QString, expected);
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    TForm1& window = start.run();
    showAndActivate(window);
    auto& ui = start.ui();
    ui.CheckBox1->setChecked(suffixOn);
    ui.Editrok->setText(year);
    auto* edit = window.findChild<QLineEdit*>(field);
    for (int i = 0; i < enters; ++i) {
        edit->setFocus();
        if (i == 0)
            QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QCOMPARE(edit->text(), expected);
}

void TestMainWindow::checkBoxRules()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    const QList<QCheckBox*> boxes = start.zemlar->form1().applicationChecks();
    QCOMPARE(boxes.size(), 10);
    for (QCheckBox* box : boxes) {
        if (box == ui.CheckBox5 || box == ui.CheckBox7)
            continue;
        QCOMPARE(box->text(), QStringLiteral("NE"));
        box->click();
        QCOMPARE(box->text(), QStringLiteral("ANO"));
        box->click();
        QCOMPARE(box->text(), QStringLiteral("NE"));
    }
    // Ticking "pouze návrh" unticks "celý ZPMZ", and the other way round.
    ui.CheckBox7->click();
    QCOMPARE(ui.CheckBox7->text(), QStringLiteral("ANO"));
    QVERIFY(!ui.CheckBox5->isChecked());
    QCOMPARE(ui.CheckBox5->text(), QStringLiteral("NE"));
    ui.CheckBox7->setChecked(false);
    QVERIFY(ui.CheckBox5->isChecked());
    QCOMPARE(ui.CheckBox5->text(), QStringLiteral("ANO"));
    // A change of CheckBox5 leaves CheckBox7 alone.
    ui.CheckBox5->click();
    QVERIFY(!ui.CheckBox7->isChecked());
    QCOMPARE(ui.CheckBox5->text(), QStringLiteral("NE"));
    // A caption set from the program changes no tick, and setting the same tick runs nothing.
    ui.CheckBox9->setText("ANO");
    QVERIFY(!ui.CheckBox9->isChecked());
    ui.CheckBox9->setChecked(false);
    QCOMPARE(ui.CheckBox9->text(), QStringLiteral("ANO"));
}

void TestMainWindow::todaysDateButtons()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    const QString today = CzechDate::format(QDate::currentDate());
    ui.Button2->click();
    ui.Button3->click();
    ui.Button4->click();
    ui.Button6->click();
    QCOMPARE(ui.Editdatumovereni->text(), today);
    QCOMPARE(ui.Editdatum->text(), today);
    QCOMPARE(ui.Editdatum2->text(), today);
    QCOMPARE(ui.DateTimePicker1->date(), QDate::currentDate());
    QVERIFY(!today.startsWith(u'0'));
    QVERIFY(today.endsWith(QString::number(QDate::currentDate().year())));
}

void TestMainWindow::copiesComboOffersNoFifteen()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    QCOMPARE(ui.ComboBox3->count(), 51);
    QCOMPARE(ui.ComboBox3->itemText(0), QString());
    QCOMPARE(ui.ComboBox3->itemText(1), QStringLiteral("0"));
    QCOMPARE(ui.ComboBox3->itemText(15), QStringLiteral("14"));
    QCOMPARE(ui.ComboBox3->itemText(16), QStringLiteral("16"));
    QCOMPARE(ui.ComboBox3->itemText(50), QStringLiteral("50"));
    QCOMPARE(ui.ComboBox3->findText("15"), -1);
    QVERIFY(!ui.ComboBox3->isEditable());
    QCOMPARE(ui.ComboBox2->count(), 10);
}

void TestMainWindow::infoOpensTheInfoWindowModally()
{
    Start start(LineFile::joinLines({"[Programy]", "ZRS=3.01"}));
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    QString title;
    start.dialogs.expectModal([&title](QDialog& dialog) {
        title = dialog.windowTitle();
        return int(QDialog::Accepted);
    });
    start.ui().BitBtn10->click();
    QCOMPARE(title, QStringLiteral("Info, update"));
    QCOMPARE(start.zemlar->form6().installedVersion(), QStringLiteral("3.01"));
    QCOMPARE(start.zemlar->form6().versionText(), QStringLiteral("3.02"));
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::printButtonPreviewsTheZpmzPage()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    start.run();
    auto& ui = start.ui();
    start.dialogs.expect(
        Kind::Information,
        QStringLiteral("Nejsou vyplněny všechny údaje! (číslo zpmz-vložit mezery)"), Button::Ok,
        {Button::Ok});
    ui.BitTisk1->click();
    QVERIFY(!start.zemlar->form3().isVisible());

    for (QLineEdit* edit :
         {ui.Editcku1, ui.Editcku2, ui.Editcku3, ui.Editcku4, ui.Editcku5, ui.Editcku6, ui.Editcz1,
          ui.Editcz2, ui.Editcz3, ui.Editcz4, ui.Editcz5})
        edit->setText("1");
    for (QLineEdit* edit :
         {ui.Editzdp, ui.Editcgp, ui.Editrok, ui.Editkp, ui.Editovereni, ui.Editdatumovereni})
        edit->setText("x");
    for (QComboBox* combo : {ui.Combodz, ui.ComboKM, ui.Combozam, ui.Comboob})
        combo->setEditText("y");
    ui.Comboku->setEditText("Nové Město");
    ui.BitTisk1->click();
    QVERIFY(start.zemlar->form3().isVisible());
    QCOMPARE(start.zemlar->form2().QuickRep1.page().label("QRLabelku").caption,
             QStringLiteral("Nové Město"));
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::jobButtonsSaveClearAndReopenTheJob()
{
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    TForm1& window = start.run();
    showAndActivate(window);
    auto& ui = start.ui();
    ui.ComboBox4->setEditText("Prahu");
    ui.Editcgp->setText("320-857/2007");
    ui.Comboku->setEditText("Nové Město");
    ui.CheckBox7->setChecked(true);
    ui.Bitulo->click();
    QVERIFY(start.zemlar->jobs().isSaved());
    QVERIFY(QFile::exists(start.folder.file("Ulozene/320-857-2007.zpm")));

    // Saved, so "Nový" clears without a question.
    ui.Bitcis1->click();
    QCOMPARE(ui.Editcgp->text(), QString());
    QCOMPARE(ui.Comboku->currentText(), QString());

    // "Poslední" brings the job back with the region's lists behind it.
    ui.BitBtn1->click();
    QCOMPARE(ui.Editcgp->text(), QStringLiteral("320-857/2007"));
    QCOMPARE(ui.Comboku->currentText(), QStringLiteral("Nové Město"));
    QCOMPARE(ui.Comboku->count(), 112);
    QVERIFY(ui.CheckBox7->isChecked());
    QVERIFY(!ui.CheckBox5->isChecked());
    VERIFY_DIALOGS(start.dialogs);
}

void TestMainWindow::everyFieldHasAnAccessibleName_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("ZPMZ") << 0;
    QTest::newRow("Desky GP") << 1;
    QTest::newRow("Žádost na potvrzení GP") << 2;
}

void TestMainWindow::everyFieldHasAnAccessibleName()
{
    QFETCH(int, tab);
    Start start;
    start.dialogs.expect(Kind::Warning, logoMissing, Button::Ok);
    TForm1& window = start.run();
    showAndActivate(window);
    auto& ui = start.ui();
    ui.PageControl1->setCurrentIndex(tab);
    QWidget* page = ui.PageControl1->widget(tab);
    QStringList names;
    int inputs = 0;
    const QList<QWidget*> widgets = page->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const bool input = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                           qobject_cast<QAbstractButton*>(widget) ||
                           qobject_cast<QDateEdit*>(widget);
        if (!input || !widget->isVisibleTo(page) || widget->objectName().startsWith("qt_"))
            continue;
        // The line edits inside combo boxes and date pickers speak through their owner.
        if (qobject_cast<QLineEdit*>(widget) &&
            (qobject_cast<QComboBox*>(widget->parentWidget()) ||
             qobject_cast<QAbstractSpinBox*>(widget->parentWidget())))
            continue;
        ++inputs;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        const QString name = accessible->text(QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(widget->objectName() + " has no name"));
        QVERIFY2(!names.contains(name),
                 qPrintable(QStringLiteral("two fields are called \"%1\"").arg(name)));
        names << name;
        if (widget->isEnabled())
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus,
                     qPrintable(widget->objectName() + " cannot be reached by Tab"));
    }
    QVERIFY(inputs > 10);
    // Captions beside the fields are their buddies, so a screen reader reads them with the field.
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->buddy())
            QVERIFY(label->buddy()->isVisibleTo(page));
    }
}

void TestMainWindow::secondInstanceIsRefused()
{
    TestFolder folder;
    SingleInstance first(folder.path());
    QVERIFY(first.acquire());
    SingleInstance second(folder.path());
    QVERIFY(!second.acquire());
    TestFolder other;
    SingleInstance elsewhere(other.path());
    QVERIFY(elsewhere.acquire());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
