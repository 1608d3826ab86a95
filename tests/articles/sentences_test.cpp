#include "articles/Sentences.h"
#include "audio/TimedText.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <set>

// Sentences as a reader marks them, in seven languages: news, novels, manuals.
// A "|" stands where a reader begins a new sentence.
namespace {

struct Marked
{
    const char *language;
    const char *text;
};

const Marked table[] = {
    // English: titles, months, Latin abbreviations, initials, times, quotes, numbers.
    {"en", "Mr. Smith went to Washington on Jan. 5 with Dr. Jones. |They met e.g. the mayor at 3 p.m. and left."},
    {"en", "The book was written by J. R. R. Tolkien in 1937. |It sold well."},
    {"en", "'Stop!' she said. |He did not stop."},
    {"en", "\"Is it far?\" he asked. |\"Not very,\" she said."},
    {"en", "Prices rose 3.5 percent in May. |Economists had expected 3.1 percent."},
    {"en", "See Fig. 4 for the wiring. |Then close the cover."},
    {"en", "The meeting is at 10 a.m. on Monday. |Please be on time."},
    {"en", "Acme Inc. reported a loss. |Its shares fell by 4 per cent."},
    {"en", "He lives at 12 Baker St. in London. |His neighbour is a doctor."},
    {"en", "Wait... what did you say? |I did not hear you."},
    {"en", "Item No. 7 is out of stock. |We expect more next week."},
    {"en", "The U.S. economy grew last year. |Growth slowed in the fourth quarter."},
    {"en", "She studied under Prof. Miller, i.e. the author of the report. |Later she moved to Boston."},
    {"en", "Press the red button. |Wait for the light to turn green. |Then open the door."},
    {"en", "It was George W. Bush who signed it. |The law took effect in 2002."},
    {"en", "They arrived at 5 p.m. |The hall was already full."},
    {"en", "Bring pens, paper, etc. |We will provide the rest."},
    {"en", "The answer is on page 5. |Then turn the page."},
    // German: abbreviations, ordinals with months and lower-case words, dates.
    {"de", "Das Treffen findet am 5. Mai in Berlin statt. |Alle sind eingeladen."},
    {"de", "Er kam z.B. mit dem Zug. |Sie nahm das Auto."},
    {"de", "Dr. Müller ist heute nicht da. |Bitte rufen Sie morgen an."},
    {"de", "Der 3. Versuch war erfolgreich. |Danach feierten alle."},
    {"de", "Die Kosten betragen ca. 200 Euro. |Das ist günstig."},
    {"de", "Siehe Abb. 3 und vgl. dazu S. 12. |Dort steht mehr."},
    {"de", "Das Haus steht in der Goethestr. 10 in Weimar. |Es ist alt."},
    {"de", "Herr Nr. 5 bitte zum Schalter. |Danke."},
    {"de", "Es regnete den ganzen Tag. |Am Abend klarte es auf. |Die Nacht war kalt."},
    {"de", "\"Komm her!\" rief sie. |Er kam sofort."},
    {"de", "Die Firma wurde am 1. Januar 1990 gegründet. |Heute hat sie 500 Mitarbeiter."},
    {"de", "Das geschah im Jahr 1990. |Danach zog er nach Hamburg."},
    {"de", "Wir brauchen Mehl, Zucker, Eier usw. |Den Rest haben wir."},
    // French.
    {"fr", "M. Dupont est arrivé hier soir. |Il repart demain."},
    {"fr", "Mme Martin habite à Paris. |Sa fille vit à Lyon."},
    {"fr", "Il a acheté des fruits, p.ex. des pommes et des poires. |Puis il est rentré."},
    {"fr", "Le musée ouvre à 9 h. |L'entrée est gratuite le dimanche."},
    {"fr", "« Venez vite ! » cria-t-il. |Personne ne bougea."},
    {"fr", "Le prix a augmenté de 2,5 %. |Les clients sont mécontents."},
    {"fr", "Voir le chap. 3 pour les détails. |La suite est au chap. 4."},
    {"fr", "Est-ce possible ? |Oui, c'est possible."},
    // Spanish.
    {"es", "El Sr. García llegó tarde. |La reunión ya había empezado."},
    {"es", "La Dra. López atiende los lunes. |Los martes no hay consulta."},
    {"es", "¿Dónde está la estación? |Está a dos calles de aquí."},
    {"es", "Compró frutas, p.ej. manzanas y peras. |Luego volvió a casa."},
    {"es", "¡Qué sorpresa! |No te esperaba."},
    {"es", "El precio subió un 3,2 por ciento. |Los analistas esperaban menos."},
    {"es", "Vive en la Avda. de la Constitución. |Es una calle muy larga."},
    {"es", "Ud. puede pasar ahora. |El doctor le espera."},
    // Russian.
    {"ru", "Он родился в 1990 г. в Москве. |Потом семья переехала в Казань."},
    {"ru", "Мы купили фрукты, т.е. яблоки и груши. |Потом пошли домой."},
    {"ru", "Встреча прошла на ул. Ленина. |Пришли все."},
    {"ru", "Цена выросла на 5 тыс. руб. за год. |Покупатели недовольны."},
    {"ru", "«Стой!» — крикнул он. |Никто не остановился."},
    {"ru", "Вы готовы? |Да, мы готовы."},
    {"ru", "Проф. Иванов прочитал лекцию. |Студенты слушали внимательно."},
    {"ru", "См. рис. 2 на стр. 15. |Там всё показано."},
    {"ru", "Купили хлеб, молоко и т.д. |Денег не осталось."},
    // Chinese: its own end marks, no spaces.
    {"zh", "今天天气很好。|我们去公园散步吧！|你觉得怎么样？"},
    {"zh", "他说：“我明天来。”|可是他没有来。"},
    {"zh", "这本书一共有三百页。|我已经读完了一半。"},
    {"zh", "请先关闭电源。|然后打开盖子。|最后取出电池。"},
    {"zh", "价格上涨了3.5%。|专家认为还会继续上涨。"},
    // Arabic: its question mark and full stop.
    {"ar", "ذهب أحمد إلى المدرسة. |ثم عاد إلى البيت."},
    {"ar", "هل أنت مستعد؟ |نعم، أنا مستعد."},
    {"ar", "ارتفعت الأسعار بنسبة 3.5 في المئة. |وتوقع الخبراء المزيد."},
    {"ar", "اضغط على الزر الأحمر. |انتظر حتى يضيء المصباح. |ثم افتح الباب."},
    {"ar", "قال المعلم: \"اجلسوا!\" |فجلس الطلاب."},
    // Lines end sentences, whatever comes before the break.
    {"en", "Chapter One\n|It was a cold morning. |Nobody was awake."},
    {"de", "Einkaufsliste\n|Brot, Milch, Eier"},
};

// The text without its marks, and where the marks stood in it.
std::pair<QString, std::set<int>> Unmark(const char *marked)
{
    const QString withMarks = QString::fromUtf8(marked);
    QString text;
    std::set<int> starts{0};
    for (const QChar c : withMarks) {
        if (c == QLatin1Char('|'))
            starts.insert(int(text.size()));
        else
            text += c;
    }
    return {text, starts};
}

TEST(SentencesTest, BoundariesAsAReaderMarksThemInSevenLanguages)
{
    int right = 0, wrong = 0;
    for (const Marked &m : table) {
        const auto [text, expected] = Unmark(m.text);
        const std::vector<int> found = Sentences::Starts(text, QLatin1String(m.language));
        const std::set<int> got(found.begin(), found.end());
        for (const int at : expected)
            got.count(at) ? ++right : ++wrong;
        for (const int at : got)
            wrong += expected.count(at) ? 0 : 1;
        EXPECT_EQ(got, expected) << m.language << ": " << text.toStdString();
    }
    EXPECT_GE(double(right) / (right + wrong), 0.97) << right << " right, " << wrong << " wrong";
    EXPECT_GE(std::size(table), 60u);
}

TEST(SentencesTest, TheTimedTextOfTwoSentencesHasTwoCues)
{
    // The words of two sentences, each spoken a second after the one before.
    const QString text = QStringLiteral(
        "Mr. Smith went to Washington on Jan. 5 with Dr. Jones. They met e.g. the mayor at 3 p.m. and left.");
    TTimedText timed;
    timed.BeginText(text, 0.0, QStringLiteral("en"));
    double at = 0.0;
    for (int i = 0; i < text.size(); ++i) {
        if (i == 0 || text.at(i - 1) == QLatin1Char(' '))
            timed.Word(i, at += 0.3);
    }
    timed.End(at + 1.0);
    const QString srt = QString::fromUtf8(timed.Render(TSubtitleFormat::Srt));
    EXPECT_EQ(srt.count(QStringLiteral(" --> ")), 2) << srt.toStdString();
    EXPECT_TRUE(srt.contains(QStringLiteral("Mr. Smith went to Washington on Jan. 5 with Dr. Jones.\n"))) << srt.toStdString();
}

} // namespace
