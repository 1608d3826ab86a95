#pragma once

#include <QLineEdit>

// A text field that accepts whole numbers only (an optional leading minus, digits).
class TNumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    void SetNumber(int value);
    // False when the text is empty or not a whole number in range.
    bool Number(int &value) const;
};
