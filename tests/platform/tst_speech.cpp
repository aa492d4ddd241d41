// The German voice itself (words at their places in the text, the rate,
// stopping), and the speaking rate kept between runs.
#include "platform/espeaksynthesizer.h"
#include "platform/readaloud.h"
#include "support/fakespeechengine.h"

#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using platform::EspeakSynthesizer;
using platform::SpeechChunk;
using platform::SpokenWord;
using textcore::SpeechRate;

namespace {

struct Spoken {
    std::size_t samples = 0;
    int chunks = 0;
    std::vector<SpokenWord> words;
};

Spoken synthesize(const QString &text, SpeechRate rate, bool phonemes = false, int chunkLimit = -1)
{
    Spoken spoken;
    const bool loaded = EspeakSynthesizer::synthesize(text.toStdU16String(), phonemes, textcore::WordsPerMinute(rate),
                                                      [&](const SpeechChunk &chunk) {
                                                          spoken.samples += chunk.sampleCount;
                                                          spoken.words.insert(spoken.words.end(), chunk.words.begin(),
                                                                              chunk.words.end());
                                                          return ++spoken.chunks != chunkLimit;
                                                      });
    if (!loaded)
        qFatal("the German voice of eSpeak NG is not installed");
    return spoken;
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wordsStandAtTheirUtf16Places();
    void rateAndStopping();
    void rateIsKeptBetweenRunsAndMenusFollowIt();

private:
    QString m_text;
    QStringList m_words;
};

void TestSpeech::initTestCase()
{
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/platform/vorlesen.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    QCOMPARE(lines.size(), 2);
    m_text = lines[0];
    m_words = lines[1].split(u' ');
}

void TestSpeech::wordsStandAtTheirUtf16Places()
{
    const Spoken spoken = synthesize(m_text, SpeechRate::Normal);
    QStringList heard;
    int previousMs = -1;
    for (const SpokenWord &word : spoken.words) {
        heard << m_text.mid(qsizetype(word.start), qsizetype(word.length));
        QVERIFY2(word.milliseconds > previousMs, qPrintable(heard.last()));
        previousMs = word.milliseconds;
    }
    QCOMPARE(heard, m_words);
    // About as long as a person would take, not silence, not a minute.
    const double seconds = double(spoken.samples) / EspeakSynthesizer::kSampleRate;
    QVERIFY2(seconds > 2 && seconds < 8, qPrintable(QString::number(seconds)));
    QVERIFY(previousMs < seconds * 1000);

    // A letter's sound in phoneme notation is spoken, not spelled out.
    const Spoken letter = synthesize(QString::fromStdU16String(std::u16string(textcore::LetterSound(u'm'))),
                                     SpeechRate::Normal, true);
    const double letterSeconds = double(letter.samples) / EspeakSynthesizer::kSampleRate;
    QVERIFY2(letterSeconds > 0.1 && letterSeconds < 1, qPrintable(QString::number(letterSeconds)));
}

void TestSpeech::rateAndStopping()
{
    const Spoken normal = synthesize(m_text, SpeechRate::Normal);
    const Spoken slow = synthesize(m_text, SpeechRate::Slow);
    const double ratio = double(slow.samples) / double(normal.samples);
    QVERIFY2(ratio > 1.25 && ratio < 1.6, qPrintable(QString::number(ratio)));
    QCOMPARE(slow.words.size(), normal.words.size());

    const Spoken stopped = synthesize(m_text, SpeechRate::Normal, false, 1);
    QCOMPARE(stopped.chunks, 1);
    QVERIFY(stopped.samples < normal.samples / 4);
}

void TestSpeech::rateIsKeptBetweenRunsAndMenusFollowIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kolorat.ini"));
    testsupport::FakeSpeechEngine first;
    platform::rememberSpeechRate(first, new QSettings(path, QSettings::IniFormat));
    QCOMPARE(first.rate(), SpeechRate::Normal);
    QWidget window;
    QMenu *editorMenu = platform::ReadAloud::rateMenu(first, &window);
    QMenu *trainerMenu = platform::ReadAloud::rateMenu(first, &window);
    QCOMPARE(editorMenu->title(), QStringLiteral("Sprechtempo"));
    QStringList captions;
    for (QAction *entry : editorMenu->actions())
        captions << entry->text() + (entry->isChecked() ? QStringLiteral("*") : QString());
    QCOMPARE(captions, (QStringList{"langsam", "mittel", "normal*"}));

    editorMenu->findChild<QAction *>(QStringLiteral("speechRate_langsam"))->trigger();
    QCOMPARE(first.rate(), SpeechRate::Slow);
    QVERIFY(trainerMenu->findChild<QAction *>(QStringLiteral("speechRate_langsam"))->isChecked());
    QVERIFY(!trainerMenu->findChild<QAction *>(QStringLiteral("speechRate_normal"))->isChecked());

    testsupport::FakeSpeechEngine next;
    platform::rememberSpeechRate(next, new QSettings(path, QSettings::IniFormat));
    QCOMPARE(next.rate(), SpeechRate::Slow);
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
