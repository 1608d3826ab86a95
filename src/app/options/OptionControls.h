#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QLabel;
class QWidget;
class TNumEdit;

// Pieces the options pages are built from, each accessible by its caption.
namespace OptionControls {

// A group box of radio buttons; the group's ids are the choices' indexes.
QButtonGroup *RadioGroup(QWidget *parent, const QString &title, const QStringList &choices, QBoxLayout *into,
                         const char *name);

// The centred heading of a mode sheet.
QLabel *SheetHeading(const QString &text, QWidget *parent);

// A whole-number field between two texts ("Display Prompt for" [3] "seconds"):
// only digits can be typed; `store` gets every whole number typed. An emptied
// field keeps the stored value, and `hint` tells the user what is expected.
TNumEdit *NumberRow(QWidget *parent, QBoxLayout *into, const QString &before, const QString &after, const char *name,
                    const std::function<void(int)> &store, const std::function<void(const QString &)> &hint);

// A drop-down list with a label in front (the label is its buddy).
QComboBox *LabeledCombo(QWidget *parent, QBoxLayout *into, const QString &caption, const QStringList &items,
                        const char *name);

} // namespace OptionControls
