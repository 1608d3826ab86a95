#include "app/options/OptionControls.h"

#include "controls/NumEdit.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace OptionControls {

QButtonGroup *RadioGroup(QWidget *parent, const QString &title, const QStringList &choices, QBoxLayout *into,
                         const char *name)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name) + QStringLiteral("Box"));
    auto *layout = new QVBoxLayout(box);
    auto *group = new QButtonGroup(parent);
    group->setObjectName(QLatin1String(name));
    for (int i = 0; i < choices.size(); ++i) {
        auto *radio = new QRadioButton(choices.at(i), box);
        radio->setAccessibleDescription(QString(title).remove(QLatin1Char('&')));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    into->addWidget(box);
    return group;
}

QLabel *SheetHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter);
    // A serif heading, larger than the desktop's font in proportion.
    QFont font = label->font();
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setPointSizeF(font.pointSizeF() * 1.6);
    label->setFont(font);
    return label;
}

TNumEdit *NumberRow(QWidget *parent, QBoxLayout *into, const QString &before, const QString &after, const char *name,
                    const std::function<void(int)> &store, const std::function<void(const QString &)> &hint)
{
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(before, parent);
    auto *edit = new TNumEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), edit));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    edit->setAccessibleName(QString(before + QLatin1Char(' ') + after).remove(QLatin1Char('&')));
    label->setBuddy(edit);
    row->addWidget(label);
    row->addWidget(edit);
    row->addWidget(new QLabel(after, parent));
    row->addStretch(1);
    into->addLayout(row);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, store, hint, before, after] {
        int value = 0;
        if (edit->Number(value)) {
            store(value);
            edit->setToolTip(QString());
            return;
        }
        // No box on every keystroke: the stored value stays, the user is told why.
        const QString text = QCoreApplication::translate("OptionControls", "%1 … %2: type a whole number; until then the last one is kept")
                                 .arg(QString(before).remove(QLatin1Char('&')), after);
        edit->setToolTip(text);
        hint(text);
    });
    return edit;
}

QComboBox *LabeledCombo(QWidget *parent, QBoxLayout *into, const QString &caption, const QStringList &items,
                        const char *name)
{
    auto *label = new QLabel(caption, parent);
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    label->setBuddy(combo);
    into->addWidget(label);
    into->addWidget(combo);
    return combo;
}

} // namespace OptionControls
