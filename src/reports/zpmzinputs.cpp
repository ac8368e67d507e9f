#include "zpmzinputs.h"

#include <utility>

QStringList zpmzMissingFields(const ZpmzInputs& in)
{
    const std::pair<const char*, const QString*> required[] = {
        {"Editcku1", &in.Editcku1},       {"Editcku2", &in.Editcku2},
        {"Editcku3", &in.Editcku3},       {"Editcku4", &in.Editcku4},
        {"Editcku5", &in.Editcku5},       {"Editcku6", &in.Editcku6},
        {"Editcz1", &in.Editcz1},         {"Editcz2", &in.Editcz2},
        {"Editcz3", &in.Editcz3},         {"Editcz4", &in.Editcz4},
        {"Editcz5", &in.Editcz5},         {"Editzdp", &in.Editzdp},
        {"Editcgp", &in.Editcgp},         {"Combodz", &in.Combodz},
        {"Editrok", &in.Editrok},         {"ComboKM", &in.ComboKM},
        {"Combozam", &in.Combozam},       {"Comboob", &in.Comboob},
        {"Comboku", &in.Comboku},         {"Editkp", &in.Editkp},
        {"Editovereni", &in.Editovereni}, {"Editdatumovereni", &in.Editdatumovereni},
    };
    QStringList missing;
    for (const auto& [name, text] : required) {
        if (text->isEmpty())
            missing << QString::fromLatin1(name);
    }
    return missing;
}

Completeness zpmzCompleteness(const ZpmzInputs& inputs)
{
    return zpmzMissingFields(inputs).isEmpty() ? Completeness::Complete : Completeness::Incomplete;
}

QString zpmzIncompleteMessage()
{
    return QStringLiteral("Nejsou vyplněny všechny údaje! (číslo zpmz-vložit mezery)");
}
