#pragma once

#include "dialogs.h"
#include "programfolder.h"

#include <memory>

class JobCommands;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

// The program's windows, created once, in their fixed order, and alive
// until the program ends.
class Zemlar
{
public:
    Zemlar(const ProgramFolder& folder, Dialogs& dialogs);
    ~Zemlar();

    TForm1& form1() { return *m_form1; }
    TForm2& form2() { return *m_form2; }
    TForm3& form3() { return *m_form3; }
    TForm4& form4() { return *m_form4; }
    TForm5& form5() { return *m_form5; }
    TForm6& form6() { return *m_form6; }
    TForm7& form7() { return *m_form7; }
    TForm8& form8() { return *m_form8; }
    JobCommands& jobs() { return *m_jobs; }

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<TForm6> m_form6;
    std::unique_ptr<TForm7> m_form7;
    std::unique_ptr<TForm8> m_form8;
    std::unique_ptr<JobCommands> m_jobs;
};
