// Interplay with LibreOffice, the writer most of our users' other files come
// from: RTF that LibreOffice writes today reads as the checked-in golden dumps
// say, and RTF that we write opens in LibreOffice with the same text, colours,
// fonts, sizes, bold and italic. Skipped where soffice is not installed.
#include "platform/documentfiles.h"
#include "platform/result.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <optional>

using namespace platform;

Q_DECLARE_METATYPE(platform::StyledText)

namespace {

const QString kDataDir = QStringLiteral(KOLORAT_TEST_DATA "/rtf");

// One character's format as a string, so that a difference names itself.
QString describe(const CharFormat &f)
{
    return QStringLiteral("colour %1, font '%2', %3 pt%4%5")
        .arg(f.colour)
        .arg(f.fontName)
        .arg(f.pointSize)
        .arg(f.bold ? QStringLiteral(", bold") : QString(), f.italic ? QStringLiteral(", italic") : QString());
}

// The text of a flat ODF document with every character's format, following
// the style chains (span styles, paragraph style, default paragraph style).
struct FlatText {
    QString text;
    std::vector<CharFormat> formats; // one per character of text
};

struct Props {
    std::optional<textcore::Colour> colour;
    std::optional<QString> font;
    std::optional<double> size;
    std::optional<bool> bold;
    std::optional<bool> italic;
    QString parent;

    void over(const Props &o) // o wins
    {
        if (o.colour)
            colour = o.colour;
        if (o.font)
            font = o.font;
        if (o.size)
            size = o.size;
        if (o.bold)
            bold = o.bold;
        if (o.italic)
            italic = o.italic;
    }
};

class OdtFlattener {
public:
    bool parse(const QByteArray &xml, QString *error)
    {
        QXmlStreamReader r(xml);
        QString currentStyle;
        QString currentFamily;
        bool inDefaultParagraph = false;
        bool firstParagraph = true;
        std::vector<Props> spanStack;
        int paragraphDepth = 0;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement()) {
                const auto a = r.attributes();
                const QStringView name = r.qualifiedName();
                if (name == u"style:font-face") {
                    QString family = a.value(QLatin1String("svg:font-family")).toString();
                    family.remove(u'\'');
                    fontFaces_.insert(a.value(QLatin1String("style:name")).toString(), family);
                } else if (name == u"style:default-style") {
                    inDefaultParagraph = a.value(QLatin1String("style:family")) == u"paragraph";
                } else if (name == u"style:style") {
                    currentStyle = a.value(QLatin1String("style:name")).toString();
                    currentFamily = a.value(QLatin1String("style:family")).toString();
                    styles_[key(currentFamily, currentStyle)].parent
                        = a.value(QLatin1String("style:parent-style-name")).toString();
                } else if (name == u"style:text-properties") {
                    Props p = readProps(a);
                    if (inDefaultParagraph)
                        defaults_.over(p);
                    else if (!currentStyle.isEmpty())
                        styles_[key(currentFamily, currentStyle)].over(p);
                } else if (name == u"text:p" || name == u"text:h") {
                    if (paragraphDepth == 0) {
                        if (!firstParagraph)
                            append(QStringLiteral("\r\n"), spanStack);
                        firstParagraph = false;
                        Props base = defaults_;
                        base.over(
                            resolve(QStringLiteral("paragraph"), a.value(QLatin1String("text:style-name")).toString()));
                        spanStack = {base};
                    }
                    ++paragraphDepth;
                } else if (paragraphDepth > 0 && name == u"text:span") {
                    Props p = spanStack.back();
                    p.over(resolve(QStringLiteral("text"), a.value(QLatin1String("text:style-name")).toString()));
                    spanStack.push_back(p);
                } else if (paragraphDepth > 0 && name == u"text:s") {
                    const int c
                        = a.hasAttribute(QLatin1String("text:c")) ? a.value(QLatin1String("text:c")).toInt() : 1;
                    append(QString(c, u' '), spanStack);
                } else if (paragraphDepth > 0 && name == u"text:tab") {
                    append(QStringLiteral("\t"), spanStack);
                } else if (paragraphDepth > 0 && name == u"text:line-break") {
                    append(QStringLiteral("\r\n"), spanStack);
                } else if (paragraphDepth > 0 && name == u"text:note") {
                    r.skipCurrentElement();
                }
            } else if (r.isEndElement()) {
                const QStringView name = r.qualifiedName();
                if (name == u"style:default-style")
                    inDefaultParagraph = false;
                else if (name == u"style:style")
                    currentStyle.clear();
                else if (name == u"text:p" || name == u"text:h")
                    --paragraphDepth;
                else if (paragraphDepth > 0 && name == u"text:span")
                    spanStack.pop_back();
            } else if (r.isCharacters() && paragraphDepth > 0) {
                append(r.text().toString(), spanStack);
            }
        }
        if (r.hasError()) {
            *error = r.errorString();
            return false;
        }
        return true;
    }

    FlatText result;

private:
    static QString key(const QString &family, const QString &name) { return family + u'/' + name; }

    Props readProps(const QXmlStreamAttributes &a) const
    {
        Props p;
        if (a.hasAttribute(QLatin1String("fo:color"))) {
            const QString c = a.value(QLatin1String("fo:color")).toString();
            const uint rgb = c.mid(1).toUInt(nullptr, 16);
            p.colour = ((rgb >> 16) & 0xFF) + 256 * ((rgb >> 8) & 0xFF) + 65536 * (rgb & 0xFF);
        } else if (a.value(QLatin1String("style:use-window-font-color")) == u"true") {
            p.colour = 0;
        }
        if (a.hasAttribute(QLatin1String("style:font-name"))) {
            const QString n = a.value(QLatin1String("style:font-name")).toString();
            p.font = fontFaces_.value(n, n);
        }
        if (a.hasAttribute(QLatin1String("fo:font-size"))) {
            QString s = a.value(QLatin1String("fo:font-size")).toString();
            if (s.endsWith(u"pt"))
                p.size = s.chopped(2).toDouble();
        }
        if (a.hasAttribute(QLatin1String("fo:font-weight")))
            p.bold = a.value(QLatin1String("fo:font-weight")) == u"bold"
                || a.value(QLatin1String("fo:font-weight")).toInt() >= 600;
        if (a.hasAttribute(QLatin1String("fo:font-style")))
            p.italic = a.value(QLatin1String("fo:font-style")) == u"italic"
                || a.value(QLatin1String("fo:font-style")) == u"oblique";
        return p;
    }

    Props resolve(const QString &family, const QString &name, int depth = 0) const
    {
        const auto it = styles_.constFind(key(family, name));
        if (name.isEmpty() || it == styles_.cend() || depth > 20)
            return {};
        Props p = resolve(family, it->parent, depth + 1);
        p.over(*it);
        return p;
    }

    void append(const QString &s, const std::vector<Props> &stack)
    {
        const Props &p = stack.empty() ? defaults_ : stack.back();
        CharFormat f;
        f.colour = p.colour.value_or(0);
        f.fontName = p.font.value_or(QString());
        f.pointSize = p.size.value_or(0);
        f.bold = p.bold.value_or(false);
        f.italic = p.italic.value_or(false);
        result.text += s;
        result.formats.insert(result.formats.end(), static_cast<std::size_t>(s.size()), f);
    }

    QHash<QString, QString> fontFaces_;
    QHash<QString, Props> styles_;
    Props defaults_;
};

class Office {
public:
    Office() { executable_ = QStandardPaths::findExecutable(QStringLiteral("soffice")); }
    bool available() const { return !executable_.isEmpty() && profile_.isValid(); }

    // Converts `input` into `format` (rtf or fodt) inside `outDir`; a private
    // profile keeps parallel test runs from locking each other out.
    QString convert(const QString &input, const QString &format, const QString &outDir, QString *error)
    {
        QProcess p;
        p.setProgram(executable_);
        p.setArguments({QStringLiteral("-env:UserInstallation=file://") + profile_.path(), QStringLiteral("--headless"),
                        QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), outDir, input});
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start();
        if (!p.waitForFinished(180000) || p.exitCode() != 0) {
            *error = QStringLiteral("soffice failed: ") + QString::fromLocal8Bit(p.readAll());
            p.kill();
            return {};
        }
        const QString out = outDir + u'/' + QFileInfo(input).completeBaseName() + u'.' + format;
        if (!QFile::exists(out))
            *error = QStringLiteral("soffice wrote no file: ") + QString::fromLocal8Bit(p.readAll());
        return out;
    }

private:
    QString executable_;
    QTemporaryDir profile_;
};

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRtfInterop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void libreOfficeRtfReadsAsTheGoldenFiles_data();
    void libreOfficeRtfReadsAsTheGoldenFiles();
    void ourRtfOpensInLibreOffice_data();
    void ourRtfOpensInLibreOffice();

private:
    Office office_;
    QTemporaryDir work_;
};

void TestRtfInterop::initTestCase()
{
    if (!office_.available())
        QSKIP("LibreOffice (soffice) is not installed: the interop tests need "
              "libreoffice-writer-nogui (scripts/install-deps.sh installs it)");
    QVERIFY(work_.isValid());
}

void TestRtfInterop::libreOfficeRtfReadsAsTheGoldenFiles_data()
{
    QTest::addColumn<QString>("source");
    for (const QString &f :
         QDir(kDataDir + QStringLiteral("/sources")).entryList({QStringLiteral("*.fodt")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(f)) << kDataDir + QStringLiteral("/sources/") + f;
}

void TestRtfInterop::libreOfficeRtfReadsAsTheGoldenFiles()
{
    // The checked-in RTF may come from another LibreOffice version than the
    // one installed: convert afresh and compare text and colours (font names
    // depend on the fonts installed, so they are left out here).
    QFETCH(QString, source);
    QString error;
    const QString rtf = office_.convert(source, QStringLiteral("rtf"), work_.path(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const textcore::Result<StyledText> read = readRtf(readFile(rtf));
    QVERIFY2(read.ok(), qPrintable(messageOf(read)));

    const QString golden = kDataDir + u'/' + QFileInfo(source).completeBaseName() + QStringLiteral(".jsonl");
    const QList<QByteArray> lines = readFile(golden).split('\n');
    QVERIFY(lines.size() >= 2);
    const QString expectedText = QJsonDocument::fromJson(lines[0]).object().value(QLatin1String("text")).toString();
    QCOMPARE(plainTextOf(read.value()), expectedText);

    std::vector<textcore::Colour> expectedColours;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QJsonObject run = QJsonDocument::fromJson(lines[i]).object();
        expectedColours.insert(expectedColours.end(),
                               static_cast<std::size_t>(run.value(QLatin1String("length")).toInt()),
                               static_cast<textcore::Colour>(run.value(QLatin1String("colour")).toInteger()));
    }
    qsizetype pos = 0;
    for (const StyledRun &run : read.value()) {
        for (qsizetype k = 0; k < run.text.size(); ++k, ++pos)
            QVERIFY2(run.format.colour == expectedColours.at(static_cast<std::size_t>(pos)),
                     qPrintable(QStringLiteral("colour differs at %1").arg(pos)));
    }
}

void TestRtfInterop::ourRtfOpensInLibreOffice_data()
{
    QTest::addColumn<StyledText>("text");
    auto f = [](textcore::Colour c, const char *font, double size, bool b = false, bool i = false) {
        CharFormat cf;
        cf.colour = c;
        cf.fontName = QString::fromLatin1(font);
        cf.pointSize = size;
        cf.bold = b;
        cf.italic = i;
        return cf;
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

void TestRtfInterop::ourRtfOpensInLibreOffice()
{
    QFETCH(StyledText, text);
    const QString rtfPath = work_.filePath(QStringLiteral("KOLORAT.RTF"));
    QCOMPARE(messageOf(saveDocument(rtfPath, FileKind::Rtf, text)), QString());
    QString error;
    const QString fodt = office_.convert(rtfPath, QStringLiteral("fodt"), work_.path(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    OdtFlattener flat;
    QVERIFY2(flat.parse(readFile(fodt), &error), qPrintable(error));

    const QString expected = plainTextOf(text);
    QCOMPARE(flat.result.text, expected);
    qsizetype pos = 0;
    for (const StyledRun &run : text) {
        for (qsizetype k = 0; k < run.text.size(); ++k, ++pos) {
            const QChar c = run.text.at(k);
            if (c == u'\r' || c == u'\n')
                continue; // a paragraph end carries no character format in ODF
            const CharFormat &theirs = flat.result.formats.at(static_cast<std::size_t>(pos));
            QVERIFY2(theirs == run.format,
                     qPrintable(QStringLiteral("character %1 ('%2'): we wrote %3, LibreOffice read %4")
                                    .arg(pos)
                                    .arg(c)
                                    .arg(describe(run.format), describe(theirs))));
        }
    }
}

QTEST_GUILESS_MAIN(TestRtfInterop)
#include "tst_rtfinterop.moc"
