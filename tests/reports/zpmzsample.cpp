#include "zpmzsample.h"

#include <QPainter>

QImage sampleLogo()
{
    QImage logo(345, 180, QImage::Format_RGB32);
    logo.fill(QColor(200, 0, 0));
    QPainter painter(&logo);
    painter.fillRect(QRect(173, 0, 172, 180), QColor(0, 0, 200));
    painter.fillRect(QRect(0, 0, 345, 36), QColor(0, 160, 0));
    return logo;
}

ZpmzInputs sampleZpmzInputs()
{
    ZpmzInputs in;
    in.Editrok = QStringLiteral("2007");
    in.Editcz1 = QStringLiteral("0");
    in.Editcz2 = QStringLiteral("0");
    in.Editcz3 = QStringLiteral("4");
    in.Editcz4 = QStringLiteral("2");
    in.Editcz5 = QStringLiteral("7");
    in.ComboBox4 = QStringLiteral("Jihočeský kraj");
    in.Editkp = QStringLiteral("České Budějovice");
    in.Comboob = QStringLiteral("Hluboká nad Vltavou");
    in.Comboku = QStringLiteral("Munice");
    in.Editcku1 = QStringLiteral("6");
    in.Editcku2 = QStringLiteral("3");
    in.Editcku3 = QStringLiteral("9");
    in.Editcku4 = QStringLiteral("8");
    in.Editcku5 = QStringLiteral("3");
    in.Editcku6 = QStringLiteral("5");
    in.ComboKM = QStringLiteral("KMD");
    in.Editcgp = QStringLiteral("320/857/2007");
    in.Combozam = QStringLiteral("Ing. Jan Novák");
    in.Editzdp = QStringLiteral("1234/5, 1234/6");
    in.Editzdp2 = QStringLiteral("1240/1");
    in.Combodz = QStringLiteral("rozdělení pozemku");
    in.Editovereni = QStringLiteral("125/2007");
    in.Editdatumovereni = QStringLiteral("12.3.2007");
    in.Editobj = QStringLiteral("Josef Dvořák");
    in.DateTimePicker1 = QDate(2007, 3, 14);
    in.CheckBox23 = true;
    in.CheckBox24 = true;
    in.Imagelogo = sampleLogo();
    return in;
}
