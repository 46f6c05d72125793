#include "contentkit/lecture_video.h"

#include "audio/pcm_shaping.h"
#include "contentkit/palette.h"
#include "contentkit/vowels.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace ejteto::contentkit {

namespace {
constexpr int kEnglishWpm = 135;
constexpr int kHungarianWpm = 150;
constexpr int kSamplesPerFrame = 22050 / kVideoFps;
constexpr int kStepTailMs = 250;

const char* const kOrdinals[17] = {"",
                                   "Első",
                                   "Második",
                                   "Harmadik",
                                   "Negyedik",
                                   "Ötödik",
                                   "Hatodik",
                                   "Hetedik",
                                   "Nyolcadik",
                                   "Kilencedik",
                                   "Tizedik",
                                   "Tizenegyedik",
                                   "Tizenkettedik",
                                   "Tizenharmadik",
                                   "Tizennegyedik",
                                   "Tizenötödik",
                                   "Tizenhatodik"};

QString slashed(int n) { return QLatin1Char('/') + vowelSymbol(n) + QLatin1Char('/'); }

QFont font(const QString& family, int px, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}
QFont gentium(int px) { return font(QStringLiteral("Gentium"), px); }
QFont gentiumPlus(int px, bool bold = false) { return font(QStringLiteral("Gentium Plus"), px, bold); }

// Background, header band with the lesson and its symbol, and a heading.
void slideBase(int lesson, const QString& heading, QPainter& p, QImage& img)
{
    img = QImage(kVideoWidth, kVideoHeight, QImage::Format_RGB32);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, 0, kVideoHeight);
    g.setColorAt(0, palette::practiceBlue().lighter(115));
    g.setColorAt(1, palette::practiceBlue().darker(140));
    p.fillRect(img.rect(), g);
    p.fillRect(QRect(0, 0, kVideoWidth, 40), palette::windowBrown());
    p.setPen(palette::cream());
    p.setFont(gentiumPlus(20, true));
    p.drawText(QRect(16, 0, 250, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1. lecke").arg(lesson));
    p.setFont(gentium(24));
    p.setPen(palette::amber());
    p.drawText(QRect(150, 0, 234, 40), Qt::AlignRight | Qt::AlignVCenter, slashed(lesson));
    if (!heading.isEmpty()) {
        p.setPen(palette::amber());
        p.setFont(gentiumPlus(21, true));
        p.drawText(QRect(20, 48, 360, 30), Qt::AlignLeft | Qt::AlignVCenter, heading);
    }
}

// Paragraphs top to bottom; the one at `current` stands out, the others recede.
QImage paragraphsSlide(int lesson, const QString& heading, const QStringList& paragraphs, int current)
{
    QImage img;
    QPainter p;
    slideBase(lesson, heading, p, img);
    // Shrink the text until every paragraph fits the body.
    const QRect body(22, 84, 356, 206);
    for (int px = 19; px >= 10; --px) {
        const QFont f = gentiumPlus(px);
        const QFontMetrics fm(f);
        int total = 0;
        for (const QString& para : paragraphs)
            total += fm.boundingRect(QRect(0, 0, body.width(), 10000), Qt::TextWordWrap, para).height() + 8;
        if (total <= body.height() || px == 10) {
            p.setFont(f);
            int y = body.top();
            for (int i = 0; i < paragraphs.size(); ++i) {
                const QRect r =
                    fm.boundingRect(QRect(body.left(), y, body.width(), 10000), Qt::TextWordWrap, paragraphs[i]);
                if (i == current)
                    p.fillRect(r.adjusted(-6, -3, 6, 3), QColor(255, 255, 255, 28));
                p.setPen(i == current ? palette::cream() : palette::lightBlue());
                p.drawText(QRect(body.left(), y, body.width(), r.height()), Qt::TextWordWrap, paragraphs[i]);
                y += r.height() + 8;
            }
            break;
        }
    }
    p.end();
    return img;
}

QImage titleSlide(const LectureScript& s, const QString& caption)
{
    QImage img;
    QPainter p;
    slideBase(s.lesson, QString(), p, img);
    p.setPen(palette::cream());
    p.setFont(gentium(104));
    p.drawText(QRect(0, 50, kVideoWidth, 140), Qt::AlignCenter, slashed(s.lesson));
    p.setPen(palette::amber());
    p.setFont(gentiumPlus(32, true));
    p.drawText(QRect(0, 190, kVideoWidth, 44), Qt::AlignCenter, s.keyWord);
    p.setPen(palette::lightBlue());
    p.setFont(gentiumPlus(20));
    p.drawText(QRect(0, 238, kVideoWidth, 44), Qt::AlignCenter, caption);
    p.end();
    return img;
}

// Rows of a left and a right column, e.g. spellings and their examples, or
// word pairs; the row at `current` is highlighted. The left column is at
// least `leftWidth` wide and grows to fit its widest entry.
QImage rowsSlide(int lesson, const QString& heading, const QString& leftHead, const QString& rightHead,
                 const std::vector<std::pair<QString, QString>>& rows, int current, int leftWidth)
{
    QImage img;
    QPainter p;
    slideBase(lesson, heading, p, img);
    int y = 84;
    if (!leftHead.isEmpty()) {
        p.setPen(palette::amber());
        p.setFont(gentium(24));
        p.drawText(QRect(24, y, leftWidth, 30), Qt::AlignLeft | Qt::AlignVCenter, leftHead);
        p.drawText(QRect(24 + leftWidth, y, 352 - leftWidth, 30), Qt::AlignLeft | Qt::AlignVCenter, rightHead);
        y += 34;
    }
    const int rowHeight = std::min(34, (290 - y) / std::max<int>(1, int(rows.size())));
    for (const auto& row : rows)
        leftWidth = std::max(
            leftWidth, QFontMetrics(gentiumPlus(std::min(21, rowHeight - 8), true)).horizontalAdvance(row.first) + 14);
    for (int i = 0; i < int(rows.size()); ++i) {
        const QRect band(16, y, 368, rowHeight);
        if (i == current)
            p.fillRect(band, QColor(255, 204, 0, 60));
        QFont left = gentiumPlus(std::min(21, rowHeight - 8), true);
        QFont right = gentiumPlus(std::min(21, rowHeight - 8));
        // Long example lists get a smaller face rather than running off the slide.
        while (QFontMetrics(right).horizontalAdvance(rows[size_t(i)].second) > 352 - leftWidth &&
               right.pixelSize() > 11)
            right.setPixelSize(right.pixelSize() - 1);
        p.setFont(left);
        p.setPen(i == current ? palette::amber() : palette::lightBlue());
        p.drawText(QRect(24, y, leftWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, rows[size_t(i)].first);
        p.setFont(right);
        p.setPen(i == current ? palette::cream() : palette::lightBlue());
        p.drawText(QRect(24 + leftWidth, y, 352 - leftWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   rows[size_t(i)].second);
        y += rowHeight;
    }
    p.end();
    return img;
}

NarrationPart hu(const QString& text) { return {NarrationPart::Hungarian, text, 0}; }
NarrationPart en(const QString& text) { return {NarrationPart::English, text, 0}; }
NarrationPart vowel() { return {NarrationPart::Vowel, QString(), 0}; }
NarrationPart pause(int ms) { return {NarrationPart::Pause, QString(), ms}; }
} // namespace

QString withArticle(const QString& phrase)
{
    static const QString vowels = QStringLiteral("aáeéiíoóöőuúüű");
    return (!phrase.isEmpty() && vowels.contains(phrase.front().toLower()) ? QStringLiteral("az ")
                                                                           : QStringLiteral("a ")) +
           phrase;
}

SpeechRequest wordRequest(const QString& word) { return {Voice::BritishEnglish, word, false, kEnglishWpm, {}}; }

SpeechRequest vowelRequest(int n) { return {vowelVoice(n), vowelPhoneme(n), true, kEnglishWpm, {}}; }

SpeechRequest narrationRequest(const NarrationPart& part, int lesson)
{
    switch (part.kind) {
    case NarrationPart::Hungarian:
        return {Voice::Hungarian, part.text, false, kHungarianWpm, {}};
    case NarrationPart::English:
        return wordRequest(part.text);
    case NarrationPart::Vowel:
        return vowelRequest(lesson);
    case NarrationPart::Pause:
        break;
    }
    return {};
}

LecturePlan planLecture(const LectureScript& s, const std::array<LectureScript, 17>& scripts)
{
    LecturePlan plan;
    plan.lesson = s.lesson;
    const int n = s.lesson;
    const auto step = [&](QImage picture, std::vector<NarrationPart> narration) {
        plan.steps.push_back({std::move(picture), std::move(narration)});
    };

    // Title: the symbol, the sound twice, the key word.
    step(titleSlide(s, s.soundName),
         {hu(QStringLiteral("%1 lecke: %2.").arg(QString::fromUtf8(kOrdinals[n]), withArticle(s.soundName))),
          pause(400), vowel(), pause(600), vowel(), pause(600), hu(QStringLiteral("Például:")), pause(150),
          en(s.keyWord), pause(300)});

    // How it is formed, sentence by sentence, then its nearest Hungarian sound.
    QStringList paragraphs = s.formation;
    if (!s.hungarian.isEmpty())
        paragraphs << s.hungarian;
    for (int i = 0; i < paragraphs.size(); ++i)
        step(paragraphsSlide(n, QStringLiteral("Így képezzük"), paragraphs, i), {hu(paragraphs[i]), pause(300)});

    // Spellings with their examples.
    std::vector<std::pair<QString, QString>> spellingRows;
    for (const Spelling& sp : s.spellings)
        spellingRows.emplace_back(sp.letters, sp.examples.join(QStringLiteral(", ")));
    step(rowsSlide(n, QStringLiteral("Írásmódok"), {}, {}, spellingRows, -1, 80),
         {hu(QStringLiteral("Így írjuk, példákkal.")), pause(300)});
    for (int i = 0; i < int(s.spellings.size()); ++i) {
        std::vector<NarrationPart> words;
        for (const QString& w : s.spellings[size_t(i)].examples) {
            words.push_back(en(w));
            words.push_back(pause(350));
        }
        step(rowsSlide(n, QStringLiteral("Írásmódok"), {}, {}, spellingRows, i, 80), words);
    }

    // Contrast with the two confusable sounds, most confused first.
    for (const Contrast& c : s.contrasts) {
        const QString heading = QStringLiteral("%1 vagy %2?").arg(slashed(n), slashed(c.sound));
        const QString otherName = scripts[size_t(c.sound)].soundName;
        step(rowsSlide(n, heading, slashed(n), slashed(c.sound), c.pairs, -1, 176),
             {hu(QStringLiteral("Figyeld a különbséget %1 és %2 között!")
                     .arg(withArticle(s.soundName), withArticle(otherName))),
              pause(300)});
        for (int i = 0; i < int(c.pairs.size()); ++i)
            step(rowsSlide(n, heading, slashed(n), slashed(c.sound), c.pairs, i, 176),
                 {en(c.pairs[size_t(i)].first), pause(500), en(c.pairs[size_t(i)].second), pause(400)});
    }

    // Closing: the sound once more, then off to practise.
    step(titleSlide(s, QStringLiteral("Gyakorold a Gyakorlat és a Teszt gombbal!")),
         {hu(QStringLiteral("Még egyszer:")), pause(300), vowel(), pause(500), en(s.keyWord), pause(500),
          hu(QStringLiteral("Most gyakorold a hangot a Gyakorlat és a Teszt gombbal!")), pause(800)});
    return plan;
}

std::vector<SpeechRequest> speechOf(const LecturePlan& plan)
{
    std::vector<SpeechRequest> out;
    for (const LectureStep& st : plan.steps)
        for (const NarrationPart& part : st.narration)
            if (part.kind != NarrationPart::Pause)
                out.push_back(narrationRequest(part, plan.lesson));
    return out;
}

AviMovie assembleLecture(const LecturePlan& plan, const std::function<PcmAudio(const SpeechRequest&)>& speech,
                         double* seconds)
{
    AviMovie movie;
    movie.width = kVideoWidth;
    movie.height = kVideoHeight;
    movie.framesPerSecond = kVideoFps;
    movie.sound.sampleRate = 22050;
    for (size_t i = 0; i < plan.steps.size(); ++i) {
        const LectureStep& st = plan.steps[i];
        PcmAudio track;
        track.sampleRate = 22050;
        for (const NarrationPart& part : st.narration)
            append(track,
                   part.kind == NarrationPart::Pause ? silence(part.ms) : speech(narrationRequest(part, plan.lesson)));
        append(track, silence(kStepTailMs));
        size_t frames = (track.samples.size() + kSamplesPerFrame - 1) / kSamplesPerFrame;
        if (i + 1 == plan.steps.size()) {
            const size_t soFar = movie.frames.size();
            frames = std::max(frames, size_t(kMinLectureSeconds * kVideoFps) -
                                          std::min(soFar, size_t(kMinLectureSeconds * kVideoFps)));
        }
        track.samples.resize(frames * kSamplesPerFrame, 0);
        append(movie.sound, track);
        movie.frames.insert(movie.frames.end(), frames, st.picture);
    }
    if (seconds)
        *seconds = double(movie.frames.size()) / kVideoFps;
    return movie;
}

} // namespace ejteto::contentkit
