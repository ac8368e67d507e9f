#pragma once

#include "pagesetup.h"

#include <memory>

class QPrinter;

// The printer choices of one report form for the run of the program: the
// printer, copies, orientation and page range last chosen in the printer
// set-up dialog. Nothing of it is saved.
class PrinterSettings
{
public:
    explicit PrinterSettings(Orientation reportOrientation);
    ~PrinterSettings();
    PrinterSettings(const PrinterSettings&) = delete;
    PrinterSettings& operator=(const PrinterSettings&) = delete;

    // Made at first use, so that "the default printer" is the one of the
    // moment the user first prints: one copy, the report's own orientation.
    QPrinter& printer();
    // True when neither an installed printer nor a file was chosen or found.
    bool hasNoPrinter();

    // The report's own orientation until the set-up dialog changes it.
    Orientation orientation() const { return m_orientation; }
    void setOrientation(Orientation orientation) { m_orientation = orientation; }

private:
    std::unique_ptr<QPrinter> m_printer;
    Orientation m_orientation;
};
