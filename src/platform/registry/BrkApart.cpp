#include "platform/registry/BrkApart.h"

void TBrkApart::BreakApart()
{
    StringList.clear();
    if (BreakString.isEmpty()) {
        if (AllowEmptyString || !BaseString.isEmpty())
            StringList << BaseString;
        return;
    }
    const QStringList pieces = BaseString.split(BreakString, Qt::KeepEmptyParts);
    for (const QString &piece : pieces) {
        if (AllowEmptyString || !piece.isEmpty())
            StringList << piece;
    }
}
