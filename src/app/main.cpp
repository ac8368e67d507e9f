#include "dialogs.h"
#include "programfolder.h"
#include "singleinstance.h"
#include "tform1.h"
#include "zemlar.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(Dialogs::applicationTitle());

    const ProgramFolder folder = ProgramFolder::ofExecutable();
    WidgetDialogs dialogs;

    SingleInstance instance(folder.path());
    if (!instance.acquire()) {
        dialogs.information(QStringLiteral("Zemlar je již spuštěn."));
        return 0;
    }

    Zemlar zemlar(folder, dialogs);
    dialogs.setParent(&zemlar.form1());
    zemlar.form1().show();
    return app.exec();
}
