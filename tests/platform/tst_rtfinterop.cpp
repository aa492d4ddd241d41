// Interplay with LibreOffice, the writer most of our users' other files come
// from: RTF that LibreOffice writes today reads as the checked-in files do,
// and RTF that we write, opened in LibreOffice and written again by it, keeps
// every character's text, colour, font, size, bold and italic. Skipped where
// soffice is not installed.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

Q_DECLARE_METATYPE(platform::StyledText)

namespace {

const QString kDataDir = QStringLiteral(KOLORAT_TEST_DATA "/rtf");

StyledText readRtfFile(const QString &path)
{
    QFile f(path);
    const textcore::Result<StyledText> read = readRtf(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    if (!read.ok()) {
        qWarning("%s: %s", qPrintable(path), qPrintable(messageOf(read)));
        return {};
    }
    return read.value();
}

// One line per character, so that a difference names its place. A line
// break carries no character format of its own in LibreOffice; font names
// of files LibreOffice writes from its own sources depend on the fonts
// installed.
QStringList characters(const StyledText &text, bool withFonts)
{
    QStringList out;
    for (const StyledRun &run : text) {
        const CharFormat &f = run.format;
        for (QChar c : run.text) {
            if (c == u'\r' || c == u'\n') {
                out << QString(c);
                continue;
            }
            QString line = QStringLiteral("%1 colour %2").arg(c).arg(f.colour);
            if (withFonts)
                line += QStringLiteral(" '%1' %2 pt%3%4")
                            .arg(f.fontName)
                            .arg(f.pointSize)
                            .arg(f.bold ? QStringLiteral(" bold") : QString(),
                                 f.italic ? QStringLiteral(" italic") : QString());
            out << line;
        }
    }
    return out;
}

} // namespace

class TestRtfInterop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void libreOfficeRtfReadsAsTheCheckedInFiles_data();
    void libreOfficeRtfReadsAsTheCheckedInFiles();
    void ourRtfSurvivesLibreOffice_data();
    void ourRtfSurvivesLibreOffice();

private:
    // Converts `input` to RTF in a folder of its own; a private profile keeps
    // parallel test runs from locking each other out.
    QString convert(const QString &input);

    QString m_office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QTemporaryDir profile_;
    QTemporaryDir m_work;
};

QString TestRtfInterop::convert(const QString &input)
{
    const QString outDir = m_work.filePath(QStringLiteral("out"));
    QDir().mkpath(outDir);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(m_office,
            {QStringLiteral("-env:UserInstallation=file://") + profile_.path(), QStringLiteral("--headless"),
             QStringLiteral("--convert-to"), QStringLiteral("rtf"), QStringLiteral("--outdir"), outDir, input});
    if (!p.waitForFinished(180000) || p.exitCode() != 0)
        qWarning("soffice failed: %s", p.readAll().constData());
    return outDir + u'/' + QFileInfo(input).completeBaseName() + QStringLiteral(".rtf");
}

void TestRtfInterop::initTestCase()
{
    if (m_office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the interop tests need "
              "libreoffice-writer-nogui (scripts/install-deps.sh installs it)");
    QVERIFY(profile_.isValid() && m_work.isValid());
}

void TestRtfInterop::libreOfficeRtfReadsAsTheCheckedInFiles_data()
{
    QTest::addColumn<QString>("source");
    const QDir sources(kDataDir + QStringLiteral("/sources"));
    for (const QString &f : sources.entryList({QStringLiteral("*.fodt")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(f)) << sources.filePath(f);
}

void TestRtfInterop::libreOfficeRtfReadsAsTheCheckedInFiles()
{
    // The checked-in RTF may come from another LibreOffice version than the
    // one installed: convert afresh and compare with it.
    QFETCH(QString, source);
    const StyledText fresh = readRtfFile(convert(source));
    const StyledText checkedIn = readRtfFile(kDataDir + u'/' + QFileInfo(source).completeBaseName() + u".rtf"_qs);
    QVERIFY(!fresh.empty());
    QCOMPARE(characters(fresh, false), characters(checkedIn, false));
}

void TestRtfInterop::ourRtfSurvivesLibreOffice_data()
{
    QTest::addColumn<StyledText>("text");
    auto f = [](textcore::Colour c, const char *font, double size, bool b = false, bool i = false) {
        return CharFormat{c, QString::fromLatin1(font), size, b, i};
    };
    QTest::newRow("sound-coloured syllables")
        << StyledText{{u"Wil"_qs, f(255, "DejaVu Sans", 14)},
                      {u"\u00AD"_qs, f(8421504, "DejaVu Sans", 14)},
                      {u"kom"_qs, f(16711680, "DejaVu Serif", 16.5, true)},
                      {u"\u00AD"_qs, f(8421504, "DejaVu Sans", 14)},
                      {u"men bei "_qs, f(32768, "DejaVu Sans", 9, false, true)},
                      {u"Ko\u00ADlo\u00ADrat!"_qs, f(0, "DejaVu Sans Mono", 12, true, true)}};
    QTest::newRow("lines, umlauts and characters beyond Latin-1")
        << StyledText{{u"Äpfel, Öl, Übermut, Straße: 5 €\r\n\r\n"_qs, f(33023, "DejaVu Serif", 12)},
                      {u"„Gänsefüßchen“ – Łódź Ωmega ★ 😀\r\n"_qs, f(8388736, "DejaVu Sans", 11)},
                      {u"10\u00A0kg\tund {Klammern} \\ Ende"_qs, f(16777215, "DejaVu Sans", 20)}};
    QTest::newRow("text ending with a line break") << StyledText{{u"Erste Zeile\r\n"_qs, f(255, "DejaVu Sans", 12)},
                                                                 {u"zweite Zeile\r\n"_qs, f(0, "DejaVu Serif", 12)}};
}

void TestRtfInterop::ourRtfSurvivesLibreOffice()
{
    QFETCH(StyledText, text);
    const QString ours = m_work.filePath(QStringLiteral("KOLORAT.RTF"));
    QVERIFY(saveDocument(ours, FileKind::Rtf, text).ok());
    QCOMPARE(characters(readRtfFile(convert(ours)), true), characters(text, true));
}

QTEST_GUILESS_MAIN(TestRtfInterop)
#include "tst_rtfinterop.moc"
