#include "speech/EngineWarningForm.h"

#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/shell/ShellOpen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>

const QString TEngineWarningForm::SupportAddress = QStringLiteral("support@brivantatech.com");

namespace {

// A line of blue, underlined text that acts like a link.
class LinkLabel : public QLabel
{
public:
    LinkLabel(const QString &text, int pointSize, std::function<void()> onClick, QWidget *parent)
        : QLabel(text, parent), m_OnClick(std::move(onClick))
    {
        QFont f = font();
        f.setUnderline(true);
        if (pointSize > 0)
            f.setPointSize(pointSize);
        setFont(f);
        // The desktop's link colour stays readable in a dark theme.
        QPalette p = palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::Link));
        setPalette(p);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setAccessibleName(text);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        // Space follows the link; Return stays the dialog's default button.
        if (event->key() == Qt::Key_Space)
            m_OnClick();
        else
            QLabel::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_OnClick();
    }

private:
    std::function<void()> m_OnClick;
};

QPlainTextEdit *FixedText(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QPlainTextEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFrameStyle(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->viewport()->setAutoFillBackground(false);
    box->setFocusPolicy(Qt::NoFocus);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(line));
    // Every line whole: the box does not wrap or scroll.
    const int margins = 2 * int(box->document()->documentMargin()) + 2 * box->frameWidth() + 4;
    box->setMinimumWidth(widest + margins);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * int(lines.size()) + 8);
    return box;
}

} // namespace

TEngineWarningForm::TEngineWarningForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("EngineWarningForm"));
    setWindowTitle(tr("Text To Speech Engine not found"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(FixedText(QStringLiteral("Memo1"),
                                tr("A Text-To-Speech engine does not appear to be installed \n"
                                   "on your machine.  These engines, which perform actual \n"
                                   "speech synthesis, are required for Parlewind to operate.\n"
                                   "\n"
                                   "Installing a speech engine on your computer is easy.  Just \n"
                                   "visit our website for instructions."),
                                this));
    auto *download = new LinkLabel(tr("Click here to download Speech Engine"), 12,
                                   [this] { DownloadLinkClick(); }, this);
    download->setObjectName(QStringLiteral("DownloadLabel"));
    layout->addWidget(download, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(FixedText(QStringLiteral("Memo2"),
                                tr("If you are having problems or have any questions, please\n"
                                   "contact our support staff at"),
                                this));
    auto *support = new LinkLabel(SupportAddress, 0, [this] { SupportLinkClick(); }, this);
    support->setObjectName(QStringLiteral("SupportLabel"));
    layout->addWidget(support, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    ExitButton = new QPushButton(tr("Exit Parlewind MP3"), this);
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    ExitButton->setDefault(true);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ExitButton, 0, Qt::AlignHCenter);
    // At least the designed size; larger when the desktop's font or the language's
    // words are.
    resize(sizeHint().expandedTo(QSize(419, 339)));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TEngineWarningForm::DownloadAddress()
{
    // Our own help page explains how to install the engine on each system.
    const QString help = ProgramPaths::DataFile(QStringLiteral("help/index.html"));
    if (help.isEmpty())
        return QStringLiteral("http://www.brivantatech.com/speechengine");
    QUrl url = QUrl::fromLocalFile(help);
    url.setFragment(QStringLiteral("engine"));
    return url.toString();
}

void TEngineWarningForm::DownloadLinkClick()
{
    const QString address = DownloadAddress();
    if (!ShellOpen::Open(address))
        Messages::ShowError(tr("No web browser could be started for %1").arg(address));
}

void TEngineWarningForm::SupportLinkClick()
{
    if (!ShellOpen::Open(QStringLiteral("mailto:") + SupportAddress))
        Messages::ShowError(tr("No mail program could be started."));
}
