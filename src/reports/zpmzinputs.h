#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

// What the ZPMZ title page takes from the main window, one member per
// control, named after it. The main window copies its controls' texts in
// unchanged (no trimming), the five check boxes' states, the date and a copy
// of the logo picture.
struct ZpmzInputs
{
    QString Editrok;
    QString Editcz1, Editcz2, Editcz3, Editcz4, Editcz5;
    QString ComboBox4;
    QString Editkp;
    QString Comboob;
    QString Comboku;
    QString Editcku1, Editcku2, Editcku3, Editcku4, Editcku5, Editcku6;
    QString ComboKM;
    QString Editcgp;
    QString Combozam;
    QString Editzdp, Editzdp2;
    QString Combodz;
    QString Editovereni, Editdatumovereni;
    QString Editobj;
    QDate DateTimePicker1;
    bool CheckBox23 = true;  // "Tisknout datum"
    bool CheckBox24 = false; // "Tisknout objednatele, datum a razitko na ZPMZ"
    bool CheckBox13 = false; // smaller parcels lines
    bool CheckBox18 = false; // smaller kind of map sheet
    bool CheckBox17 = false; // smaller surveyor
    QImage Imagelogo;
};

enum class Completeness
{
    Complete,
    Incomplete
};

// The ZPMZ completeness rule: each required control holds at least one
// character (a space counts).
Completeness zpmzCompleteness(const ZpmzInputs& inputs);
// The required controls that are empty, in the order the rule lists them.
QStringList zpmzMissingFields(const ZpmzInputs& inputs);

QString zpmzIncompleteMessage();
