#include "platform/shell/Translations.h"

#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace Translations {

namespace {

const QString prefix = QStringLiteral("parlewind_");
const char *const inherited = "PARLEWIND_UI_LANGUAGE";

// Where the .qm files are: beside the help pages (the build tree's copy last).
// Looked for once: it does not move while the program runs.
QString Folder()
{
    static const QString found = [] {
        const QString help = ProgramPaths::DataFile(QStringLiteral("help/index.html"));
        QStringList candidates;
        if (!help.isEmpty())
            candidates << QFileInfo(help).absoluteDir().absoluteFilePath(QStringLiteral("../translations"));
        candidates << QStringLiteral(PARLEWIND_QM_DIR);
        for (const QString &c : candidates) {
            if (!QDir(c).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files).isEmpty())
                return QDir(c).absolutePath();
        }
        return QString();
    }();
    return found;
}

} // namespace

QStringList Shipped()
{
    // Listed once: a start asks twice (the desktop's language, the chosen one).
    static const QStringList codes = [] {
        const QString folder = Folder();
        QStringList found;
        if (folder.isEmpty())
            return found;
        for (const QString &file :
             QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
            found << file.mid(prefix.size()).chopped(3);
        return found;
    }();
    return codes;
}

QString Pick(const QString &chosen)
{
    const QStringList shipped = Shipped();
    if (!chosen.isEmpty())
        return shipped.contains(chosen) ? chosen : QString();
    // The user's languages in their order, as gettext takes them: LANGUAGE's list,
    // then the first of LC_ALL, LC_MESSAGES and LANG ("de_AT.UTF-8"). A dialect
    // shipped as such, else its language.
    QString locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    // Under the C locale (a script's, a test's) the list is not looked at.
    const QString base = locale.section(QLatin1Char('.'), 0, 0);
    QStringList wanted;
    if (!locale.isEmpty() && base != QLatin1String("C") && base != QLatin1String("POSIX"))
        wanted = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString &each : std::as_const(wanted)) {
        const QString code = each.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = code.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C") || language == QLatin1String("POSIX"))
            return {};
        for (const QString &candidate : {code, language}) {
            if (shipped.contains(candidate))
                return candidate;
        }
        // "pt_BR" shipped serves "pt" and "pt_PT" too; "zh_CN" serves "zh".
        for (const QString &s : shipped) {
            if (s.section(QLatin1Char('_'), 0, 0) == language)
                return s;
        }
    }
    return {};
}

bool Install(const QString &language)
{
    // What an earlier call installed gives way: English, or the new language.
    static QList<QTranslator *> installed;
    for (QTranslator *translator : std::as_const(installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    qunsetenv(inherited);
    const QString folder = Folder();
    if (language.isEmpty() || folder.isEmpty())
        return false;
    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(prefix + language, folder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    installed << own;
    // Qt's own words (OK, Cancel, the file dialog) in the same language.
    auto *qt = new QTranslator(QCoreApplication::instance());
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt->load(QStringLiteral("qtbase_") + language, qtFolder) ||
        qt->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), qtFolder)) {
        QCoreApplication::installTranslator(qt);
        installed << qt;
    } else {
        delete qt;
    }
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    // Children of the program (the document reader) report in the same language.
    qputenv(inherited, language.toUtf8());
    return true;
}

bool InstallInherited()
{
    return Install(qEnvironmentVariable(inherited));
}

QString NativeName(const QString &language)
{
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    // A language alone is named without the country its data comes from ("español",
    // not "español de España").
    const QString territory = locale.nativeTerritoryName();
    if (!language.contains(QLatin1Char('_')) && !territory.isEmpty() && name.endsWith(territory) &&
        name != territory)
        name = name.chopped(territory.size())
                   .remove(QRegularExpression(QStringLiteral("\\s+(de|do|da|\\()?\\s*$")));
    if (language.contains(QLatin1Char('_')))
        name += QStringLiteral(" (%1)").arg(territory);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace Translations
