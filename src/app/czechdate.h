#pragma once

#include <QDate>
#include <QString>

// Dates as Czech users write them, d.M.yyyy (1.1.2014), whatever the system
// locale: two-digit years would read back in the wrong century.
namespace CzechDate {

QString format(const QDate& date);
// Accepts d.M.yyyy with or without leading zeros; an invalid date otherwise.
QDate parse(const QString& text);

} // namespace CzechDate
