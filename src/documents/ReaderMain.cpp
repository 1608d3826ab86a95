#include "documents/DocumentProcess.h"
#include "platform/shell/Translations.h"

#include <QCoreApplication>

// parlewind-reader: reads one document for the program, shut in, and hands it
// back on its standard output. Started by TDocumentProcess only.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Translations::InstallInherited();
    return TDocumentProcess::ChildMain(QCoreApplication::arguments().mid(1));
}
