#pragma once

#include "dialogs.h"
#include "programfolder.h"

#include <memory>

class TForm1;
class TForm6;
class TForm7;

// The program's windows, created once, in their fixed order, and alive
// until the program ends.
class Zemlar
{
public:
    Zemlar(const ProgramFolder& folder, Dialogs& dialogs);
    ~Zemlar();

    TForm1& form1() { return *m_form1; }
    TForm6& form6() { return *m_form6; }
    TForm7& form7() { return *m_form7; }

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm6> m_form6;
    std::unique_ptr<TForm7> m_form7;
};
