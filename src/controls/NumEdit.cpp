#include "controls/NumEdit.h"

#include <QRegularExpressionValidator>

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]{0,9}")), this));
    setAlignment(Qt::AlignRight);
}

void TNumEdit::SetNumber(int value) { setText(QString::number(value)); }

bool TNumEdit::Number(int &value) const
{
    bool ok = false;
    const int number = text().trimmed().toInt(&ok, 10);
    if (ok)
        value = number;
    return ok;
}
