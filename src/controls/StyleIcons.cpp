#include "controls/StyleIcons.h"

#include <QApplication>
#include <QCommonStyle>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <vector>

namespace {

// The pictures Qt's own styles (Fusion, Windows) draw for the standard pixmaps of the
// tool bars, by their names among Qt's resources; each comes in 16, 32 and often 128 px.
struct CommonPicture
{
    QStyle::StandardPixmap Which;
    const char *Name;
};
constexpr CommonPicture commonPictures[] = {
    {QStyle::SP_FileIcon, "file"},
    {QStyle::SP_FileDialogListView, "viewlist"},
    {QStyle::SP_FileDialogDetailedView, "viewdetailed"},
    {QStyle::SP_FileDialogContentsView, "filecontents"},
    {QStyle::SP_DialogOpenButton, "standardbutton-open"},
    {QStyle::SP_DialogSaveButton, "standardbutton-save"},
    {QStyle::SP_MediaPlay, "media-play"},
    {QStyle::SP_MediaPause, "media-pause"},
    {QStyle::SP_MediaStop, "media-stop"},
    {QStyle::SP_MediaSkipForward, "media-skip-forward"},
    {QStyle::SP_MediaSeekForward, "media-seek-forward"},
    {QStyle::SP_MediaSeekBackward, "media-seek-backward"},
};

// Square pictures in files, read when a size is first wanted and only the file that
// size needs, chosen and scaled as Qt's own icons do it: the smallest picture at least
// as large as asked for, else the largest. The style's own icon reads every size of
// every picture as it is made (36 pictures for the tool bars, the 128 px ones too),
// some 3 ms before the window could show.
class PictureFilesEngine : public QIconEngine
{
public:
    struct File
    {
        int Size;
        QString Path;
        QPixmap Picture; // null until first wanted
    };

    explicit PictureFilesEngine(std::vector<File> files) : m_Files(std::move(files)) {}

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode);
        Q_UNUSED(state);
        const File *best = Best(size);
        if (!best)
            return {};
        QSize actual(best->Size, best->Size);
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        for (const Made &made : m_Made) {
            if (made.Size == size && made.Mode == mode && made.State == state)
                return made.Picture;
        }
        File *best = Best(size);
        if (!best)
            return {};
        if (best->Picture.isNull())
            best->Picture = QPixmap(best->Path);
        QPixmap picture = best->Picture;
        if (picture.isNull())
            return {};
        const QSize actual = actualSize(size, mode, state);
        if (picture.size() != actual)
            picture = picture.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Disabled and selected pictures are the style's version of the normal one.
        if (mode != QIcon::Normal) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            const QPixmap generated =
                QApplication::style()->generatedIconPixmap(mode, picture, &option);
            if (!generated.isNull())
                picture = generated;
        }
        m_Made.push_back({size, mode, state, picture});
        return picture;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const File &file : m_Files)
                sizes << QSize(file.Size, file.Size);
        }
        return sizes;
    }

    bool isNull() override { return m_Files.empty(); }
    QIconEngine *clone() const override { return new PictureFilesEngine(*this); }
    QString key() const override { return QStringLiteral("PictureFilesEngine"); }

private:
    struct Made
    {
        QSize Size;
        QIcon::Mode Mode;
        QIcon::State State;
        QPixmap Picture;
    };

    File *Best(const QSize &size)
    {
        const int wanted = size.width() * size.height();
        File *best = nullptr;
        for (File &file : m_Files) {
            const int area = file.Size * file.Size;
            if (!best) {
                best = &file;
                continue;
            }
            const int bestArea = best->Size * best->Size;
            const bool larger = area >= wanted, bestLarger = bestArea >= wanted;
            if ((larger && (!bestLarger || area < bestArea)) ||
                (!larger && !bestLarger && area > bestArea))
                best = &file;
        }
        return best;
    }

    std::vector<File> m_Files;
    std::vector<Made> m_Made; // the pictures handed out, by size and mode
};

// The picture Qt's own style would give, read as it is first drawn; a null icon where
// the style is another or Qt has no such files.
QIcon CommonStyleIcon(const QStyle *style, QStyle::StandardPixmap which)
{
    const QString name = style->name();
    if (!qobject_cast<const QCommonStyle *>(style) ||
        (name.compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 &&
         name.compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0))
        return {};
    for (const CommonPicture &picture : commonPictures) {
        if (picture.Which != which)
            continue;
        std::vector<PictureFilesEngine::File> files;
        for (const int size : {16, 32, 128}) {
            const QString path =
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                    .arg(QLatin1String(picture.Name))
                    .arg(size);
            if (QFile::exists(path))
                files.push_back({size, path, {}});
        }
        if (files.empty())
            return {};
        return QIcon(new PictureFilesEngine(std::move(files)));
    }
    return {};
}

} // namespace

QIcon StyleIcon(const QWidget *widget, QStyle::StandardPixmap which)
{
    QStyle *style = widget->style();
    // Without a desktop icon theme Qt names hicolor, the theme that holds programs' own
    // icons and none of the style's. Asking it anyway made Qt read its index (55 KB
    // here) before the first tool bar could show: 4-5 ms of every start. The style's
    // own picture is taken instead, read when it is first drawn.
    if (QIcon::themeName() != QLatin1String("hicolor"))
        return style->standardIcon(which, nullptr, widget);
    if (QIcon icon = CommonStyleIcon(style, which); !icon.isNull())
        return icon;
    // Another style: the theme is searched for nowhere while it picks its picture.
    const QStringList searchPaths = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths({QStringLiteral(":/no-icon-theme")});
    QIcon icon = style->standardIcon(which, nullptr, widget);
    QIcon::setThemeSearchPaths(searchPaths);
    return icon;
}
