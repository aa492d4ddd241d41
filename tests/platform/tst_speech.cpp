// The German voice itself (words at their places in the text, the rate,
// stopping), and the speaking rate kept between runs.
#include "platform/espeaksynthesizer.h"
#include "platform/readaloud.h"
#include "support/fakespeechengine.h"

#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using platform::EspeakSynthesizer;
using textcore::SpeechRate;

namespace {

struct Spoken {
    double seconds = 0;
    int chunks = 0;
    QStringList words;
    QList<int> milliseconds;
};

Spoken synthesize(const QString &text, SpeechRate rate, bool phonemes = false, int chunkLimit = -1)
{
    Spoken spoken;
    const auto take = [&](const platform::SpeechChunk &chunk) {
        spoken.seconds += double(chunk.sampleCount) / EspeakSynthesizer::kSampleRate;
        for (const platform::SpokenWord &word : chunk.words) {
            spoken.words << text.mid(qsizetype(word.start), qsizetype(word.length));
            spoken.milliseconds << word.milliseconds;
        }
        return ++spoken.chunks != chunkLimit;
    };
    if (!EspeakSynthesizer::synthesize(text.toStdU16String(), phonemes, textcore::WordsPerMinute(rate), take))
        qFatal("the German voice of eSpeak NG is not installed");
    return spoken;
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void germanVoice();
    void rateIsKeptBetweenRunsAndMenusFollowIt();
};

void TestSpeech::germanVoice()
{
    // The text, then the words the voice must report at their places in it.
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/platform/vorlesen.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n').filter(QRegularExpression("^[^#]"));
    QCOMPARE(lines.size(), 2);

    const Spoken normal = synthesize(lines[0], SpeechRate::Normal);
    QCOMPARE(normal.words, lines[1].split(u' '));
    QList<int> ascending = normal.milliseconds;
    std::sort(ascending.begin(), ascending.end());
    QCOMPARE(normal.milliseconds, ascending);
    QVERIFY2(normal.seconds > 2 && normal.seconds < 8, qPrintable(QString::number(normal.seconds)));

    const double slower = synthesize(lines[0], SpeechRate::Slow).seconds / normal.seconds;
    QVERIFY2(slower > 1.25 && slower < 1.6, qPrintable(QString::number(slower)));
    const Spoken stopped = synthesize(lines[0], SpeechRate::Normal, false, 1);
    QVERIFY(stopped.chunks == 1 && stopped.seconds < normal.seconds / 4);

    // A letter's sound in phoneme notation is heard, not spelled out.
    const double letter
        = synthesize(QString::fromStdU16String(std::u16string(textcore::LetterSound(u'm'))), SpeechRate::Normal, true)
              .seconds;
    QVERIFY2(letter > 0.1 && letter < 1, qPrintable(QString::number(letter)));
}

void TestSpeech::rateIsKeptBetweenRunsAndMenusFollowIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kolorat.ini"));
    testsupport::FakeSpeechEngine first;
    platform::rememberSpeechRate(first, new QSettings(path, QSettings::IniFormat));
    QWidget window;
    QMenu *editorMenu = platform::ReadAloud::rateMenu(first, &window);
    QMenu *trainerMenu = platform::ReadAloud::rateMenu(first, &window);
    QStringList captions;
    for (QAction *entry : editorMenu->actions())
        captions << entry->text() + (entry->isChecked() ? QStringLiteral("*") : QString());
    QCOMPARE(captions, (QStringList{"langsam", "mittel", "normal*"}));

    editorMenu->actions().at(0)->trigger();
    QCOMPARE(first.rate(), SpeechRate::Slow);
    QVERIFY(trainerMenu->actions().at(0)->isChecked() && !trainerMenu->actions().at(2)->isChecked());

    testsupport::FakeSpeechEngine next;
    platform::rememberSpeechRate(next, new QSettings(path, QSettings::IniFormat));
    QCOMPARE(next.rate(), SpeechRate::Slow);
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
