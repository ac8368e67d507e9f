#pragma once

#include "programfolder.h"

#include <QString>

// The folder of saved jobs directly inside the program folder. It is created
// as "Ulozene" and found whatever the letter case of its name, as the earlier
// Windows program found it.
class JobsFolder
{
public:
    explicit JobsFolder(ProgramFolder folder) : m_folder(std::move(folder)) {}

    // Where the folder is, or would be: the existing spelling when there is one.
    QString path() const;
    bool exists() const;
    // Creates the folder as "Ulozene" when it is missing and returns its path.
    // Throws CommandError when it cannot be created.
    QString ensure() const;
    // Removes the folder with everything in it; false when it is missing or
    // anything in it could not be removed.
    bool remove() const;

private:
    ProgramFolder m_folder;
};
