// Reading help-topic files, timed: a 1 MB file of 2,000 topics into the topic list
// and into the "&Audio Help" menu, one topic's text fetched again as a choice does,
// and 1,000 nested keys. The floor is reading and decoding the same bytes.
//   PARLEWIND_HOME=DIR parlewind_audiohelp_bench   (writes AudioHelp.chl into DIR)
#include "audiohelp/AudioHelp.h"
#include "audiohelp/GrabBaseClass.h"
#include "platform/shell/ProgramPaths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianMs(const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QByteArray Topics(int count, qsizetype bytes)
{
    QByteArray file = "<HelpTopics>" + QByteArray::number(count) + "</HelpTopics>\n";
    for (int i = 0; i < count; ++i)
        file += "<HelpTopics" + QByteArray::number(i) + ">Topic number " + QByteArray::number(i) + "</HelpTopics" +
                QByteArray::number(i) + ">\n";
    const qsizetype each = (bytes - file.size()) / count - 40;
    const QByteArray words = QByteArray("Every sentence of this topic is meant to be listened to. ").repeated(int(each / 57 + 1)).left(each);
    for (int i = 0; i < count; ++i)
        file += "<Topic number " + QByteArray::number(i) + ">\n" + words + "\n</Topic number " + QByteArray::number(i) + ">\n";
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's own folder comes first when the help file is looked for.
    const QString path = ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), QStringLiteral("AudioHelp.chl"));
    const QByteArray bytes = Topics(2000, 1024 * 1024);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return 1;
    out.close();
    if (TAudioHelp::HelpFile() != path) {
        std::fprintf(stderr, "set PARLEWIND_HOME to an empty folder\n");
        return 1;
    }
    std::printf("help file: %.2f MB, 2000 topics\n", double(bytes.size()) / (1024 * 1024));

    const double floor = MedianMs([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        volatile qsizetype n = QString::fromUtf8(file.readAll()).size();
        (void)n;
    });
    QStringList topics;
    const double list = MedianMs([&] {
        GrabBaseClass help;
        QString error;
        help.Load(path, error);
        help.GetList(QStringLiteral("/"), QStringLiteral("HelpTopics"), topics);
    });
    int entries = 0;
    const double menu = MedianMs([&] {
        QMenu parent;
        QObject owner;
        TAudioHelp::BuildHelpMenu(&parent, &owner, [](QAction *) {});
        entries = int(parent.actions().size());
    });
    qsizetype spoken = 0;
    const double topic = MedianMs([&] { spoken = TAudioHelp::GetTopicText(QStringLiteral("topic NUMBER 1999")).size(); });
    std::printf("read + decode (floor)        %7.2f ms\n", floor);
    std::printf("load + topic list            %7.2f ms  (%.1fx the floor; %lld topics)\n", list, list / floor,
                static_cast<long long>(topics.size()));
    std::printf("load + menu built            %7.2f ms  (%d entries; target < 20 ms)\n", menu, entries);
    std::printf("one topic's text (a choice)  %7.2f ms  (%lld characters)\n", topic, static_cast<long long>(spoken));

    // Nesting: the end of every key is found once, not by rescanning at each level.
    for (const int depth : {1000, 4000}) {
        QByteArray nested;
        for (int i = 0; i < depth; ++i)
            nested += "<key name=Level" + QByteArray::number(i) + "><Text" + QByteArray::number(i) + ">words at this level</Text" +
                      QByteArray::number(i) + ">\n";
        nested += QByteArray("</key>\n").repeated(depth);
        const double ms = MedianMs([&] {
            GrabBaseClass help;
            help.Parse(nested);
        });
        std::printf("%d nested keys (%lld KB)   %7.2f ms\n", depth, static_cast<long long>(nested.size() / 1024), ms);
    }
    return 0;
}
