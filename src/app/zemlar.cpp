#include "zemlar.h"

#include "jobcommands.h"
#include "picklists.h"
#include "regionlookup.h"
#include "tform1.h"
#include "tform2.h"
#include "tform3.h"
#include "tform4.h"
#include "tform5.h"
#include "tform6.h"
#include "tform7.h"
#include "tform8.h"

#include <QApplication>
#include <QFont>

namespace {

// The forms are laid out in the fonts of a Windows desktop; where those are
// missing their metric twins stand in, so texts keep their widths.
void substituteWindowsFonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // Style sheets stop fonts from passing down to child widgets, so the
    // forms' own font is also every widget's default.
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
}

} // namespace

Zemlar::Zemlar(const ProgramFolder& folder, Dialogs& dialogs)
{
    substituteWindowsFonts();
    // The main window comes first: it sets the program folder as the current
    // directory, which the later windows' creation relies on.
    m_form1 = std::make_unique<TForm1>(folder, dialogs);
    m_form2 = std::make_unique<TForm2>();
    m_form3 = std::make_unique<TForm3>(dialogs, folder);
    m_form4 = std::make_unique<TForm4>();
    m_form5 = std::make_unique<TForm5>();
    m_form6 = std::make_unique<TForm6>(folder, m_form1.get());
    m_form7 = std::make_unique<TForm7>(m_form1.get());
    m_form8 = std::make_unique<TForm8>();

    for (ReportForm* report : std::initializer_list<ReportForm*>{m_form2.get(), m_form4.get(),
                                                                 m_form5.get(), m_form8.get()})
        report->setPreviewWindow(*m_form3);
    m_form1->setInfoWindow(m_form6.get());
    m_form1->setZpmzReport(m_form2.get());
    m_form1->pickLists().setEditor(m_form7.get());

    TForm1* form1 = m_form1.get();
    m_jobs = std::make_unique<JobCommands>(
        *form1, [form1] { form1->regionLookup().restoreForJob(); },
        // The covers' purpose memo comes with the covers printout.
        [] {});
}

Zemlar::~Zemlar()
{
    // The dialogs are children of the main window, which deletes them.
    m_form7.release();
    m_form6.release();
}
