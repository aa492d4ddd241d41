// The small platform services the windows use: Qt's boxes, keys, twips, the
// file list, timers, clipboard, icon and start folder, the colour fields'
// drags, and the German voice with its kept speaking rate.
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/dialogs.h"
#include "platform/espeaksynthesizer.h"
#include "platform/filelistbox.h"
#include "platform/keys.h"
#include "platform/readaloud.h"
#include "platform/timers.h"
#include "platform/twips.h"
#include "support/doubles.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace platform;

Q_DECLARE_METATYPE(platform::Buttons)
Q_DECLARE_METATYPE(platform::Icon)
Q_DECLARE_METATYPE(platform::ColourField::Role)

namespace {

// Runs `handle` on the first modal dialog that appears, from inside its exec().
void whenModalAppears(std::function<void(QWidget *)> handle)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            handle(modal);
        }
    });
    poll->start();
}

void touch(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}

bool enterAccepted(QWidget *target, const QMimeData *mime)
{
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

} // namespace

class ServicesTest : public QObject {
    Q_OBJECT
private slots:
    void qtMessageBox_data();
    void qtMessageBox();
    void qtInputBox();
    void keysAndTwips();
    void fileListMatching_data();
    void fileListMatching();
    void fileListReadsTheFolderAndReportsClicks();
    void clipboardAndIcon();
    void workingFolder_data();
    void workingFolder();
    void helpFileAndCentredWindow();
    void colourFieldDrops_data();
    void colourFieldDrops();
    void timersAndColourMixer();
    void germanVoice();
    void rateIsKeptBetweenRunsAndMenusFollowIt();
};

void ServicesTest::qtMessageBox_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<Answer>("requested");
    QTest::addColumn<int>("icon_");
    QTest::addColumn<Answer>("answer"); // what Enter gives
    QTest::newRow("question with No default")
        << Buttons::YesNo << Icon::Question << Answer::No << int(QMessageBox::Question) << Answer::No;
    QTest::newRow("question with Yes default")
        << Buttons::YesNo << Icon::Question << Answer::Yes << int(QMessageBox::Question) << Answer::Yes;
    QTest::newRow("Yes/No with OK asked for defaults to No")
        << Buttons::YesNo << Icon::None << Answer::Ok << int(QMessageBox::NoIcon) << Answer::No;
    QTest::newRow("critical") << Buttons::Ok << Icon::Critical << Answer::Ok << int(QMessageBox::Critical)
                              << Answer::Ok;
    QTest::newRow("exclamation") << Buttons::Ok << Icon::Exclamation << Answer::Ok << int(QMessageBox::Warning)
                                 << Answer::Ok;
}

void ServicesTest::qtMessageBox()
{
    QFETCH(Buttons, buttons);
    QFETCH(Icon, icon);
    QFETCH(Answer, requested);
    QFETCH(int, icon_);
    QFETCH(Answer, answer);
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!installGermanTranslation(*app))
        QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
    QStringList seen;
    whenModalAppears([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        for (const QMessageBox::StandardButton b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
            if (box->button(b))
                seen << box->button(b)->text().remove(u'&');
        seen << box->text() << box->windowTitle() << QString::number(int(box->icon()))
             << QString::number(box->textFormat() == Qt::PlainText);
        box->defaultButton()->click();
    });
    const Answer given = QtDialogs().message(MessageRequest{u"<b>BRIEF.RTF</b> wurde gespeichert.\rCR\r\nLF\n\r\r"_qs,
                                                            u"Textdatei sichern"_qs, buttons, icon, requested});
    QCOMPARE(given, answer);
    QStringList expected = buttons == Buttons::Ok ? QStringList{u"OK"_qs} : QStringList{u"Ja"_qs, u"Nein"_qs};
    expected << u"<b>BRIEF.RTF</b> wurde gespeichert.\nCR\nLF\n\n\n"_qs << u"Textdatei sichern"_qs
             << QString::number(icon_) << u"1"_qs;
    QCOMPARE(seen, expected);
}

void ServicesTest::qtInputBox()
{
    // Typed text comes back; Cancel gives nothing, whatever was typed.
    for (const bool accept : {true, false}) {
        QString label, proposal;
        whenModalAppears([&](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            label = dialog->labelText();
            proposal = dialog->textValue();
            dialog->setTextValue(u"brief.rtf"_qs);
            accept ? dialog->accept() : dialog->reject();
        });
        const QString answer = QtDialogs().input(u"Geben Sie einen Namen für die Datei ein.\rQuelltext"_qs,
                                                 u"Textseite speichern"_qs, u"KOLORAT.RTF"_qs);
        QCOMPARE(label, u"Geben Sie einen Namen für die Datei ein.\nQuelltext"_qs);
        QCOMPARE(proposal, u"KOLORAT.RTF"_qs);
        QCOMPARE(answer, accept ? u"brief.rtf"_qs : QString());
    }
}

void ServicesTest::keysAndTwips()
{
    // Qt's key and the program's code for it, in pairs.
    const int keys[] = {Qt::Key_Return, 13, Qt::Key_Enter, 13,  Qt::Key_Control, 17, Qt::Key_End,        35,
                        Qt::Key_Down,   40, Qt::Key_F12,   123, Qt::Key_Z,       90, Qt::Key_Adiaeresis, 0};
    for (std::size_t i = 0; i < std::size(keys); i += 2)
        QVERIFY2(virtualKey(keys[i]) == keys[i + 1], qPrintable(QString::number(keys[i])));
    QCOMPARE(virtualKey(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, u"A"_qs)), 65);

    // Rounding to the nearest pixel, symmetric around zero; whole pixels come back as they went.
    for (const auto &[twips, dpi, pixels] : std::initializer_list<std::tuple<int, qreal, int>>{
             {10900, 96, 727}, {1440, 120, 120}, {15, 144, 2}, {7, 96, 0}, {8, 96, 1}, {-8, 96, -1}})
        QVERIFY2(twipsToPixels(twips, dpi) == pixels, qPrintable(QString::number(twips)));
    QCOMPARE(pixelsToTwips(727, 96), 10905);
    // Two controls side by side whose widths do not divide evenly still touch.
    for (const qreal dpi : {96.0, 120.0})
        QCOMPARE(twipsToPixels(QRect(0, 0, 1310, 315), dpi).right() + 1,
                 twipsToPixels(QRect(1310, 0, 1310, 315), dpi).left());

    // Typed into whatever has the focus, nothing when nothing has.
    QWidget window;
    auto *edit = new QLineEdit(u"Rosine"_qs, &window);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->setCursorPosition(2);
    QVERIFY(sendKeystrokes(u"-ß~"_qs));
    QCOMPARE(edit->text(), u"Ro-ß~sine"_qs);
    window.hide();
    QTRY_VERIFY(!QApplication::focusWidget());
    QVERIFY(!sendKeystrokes(u"-"_qs));
}

void ServicesTest::fileListMatching_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    // Sorted ignoring case, names equal but for case in a fixed order.
    const QStringList both{"a+b.rtf", "a.rtf", "Anna.TXT", "B.RTF", "b.rtf", "KOLORAT.RTF", "notiz.Txt", "über.rtf"};
    QTest::newRow("RTF and TXT in any case") << "*.RTF;*.TXT" << both;
    QTest::newRow("TXT before RTF lists the same") << "*.txt;*.rtf" << both;
    QTest::newRow("star dot star lists everything, names without dot too")
        << "*.*" << QStringList{"a+b.rtf", "a.rtf",       "alt.rtf.bak", "Anna.TXT",  "B.RTF",
                                "b.rtf",   "KOLORAT.RTF", "LIESMICH",    "notiz.Txt", "über.rtf"};
    QTest::newRow("question mark is one character, blanks around patterns")
        << " ?.RTF ; *.TXT " << QStringList{"a.rtf", "Anna.TXT", "B.RTF", "b.rtf", "notiz.Txt"};
    QTest::newRow("a whole name, regex characters plain")
        << "kolorat.rtf;a+b.rtf" << QStringList{"a+b.rtf", "KOLORAT.RTF"};
    QTest::newRow("empty pattern lists nothing") << "" << QStringList{};
}

void ServicesTest::fileListMatching()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    const QStringList folder{"b.rtf",       "Anna.TXT", "KOLORAT.RTF", "notiz.Txt", "B.RTF",
                             "alt.rtf.bak", "LIESMICH", "a.rtf",       "a+b.rtf",   "über.rtf"};
    QCOMPARE(FileListBox::matching(folder, pattern), expected);
}

void ServicesTest::fileListReadsTheFolderAndReportsClicks()
{
    QTemporaryDir dir;
    for (const char *name : {"D.TXT", "B.RTF", "notiz.doc"})
        touch(dir.filePath(QString::fromLatin1(name)));
    QVERIFY(QDir(dir.path()).mkdir(u"ORDNER.RTF"_qs)); // a folder is no file to load
    FileListBox box;
    QCOMPARE(box.accessibleName(), u"Dateiauswahl"_qs);
    QSignalSpy clicks(&box, &FileListBox::fileClicked);
    box.setPath(dir.path());
    box.setPattern(u"*.ZAF"_qs);
    box.setPattern(u"*.RTF;*.TXT"_qs);
    QCOMPARE(box.fileNames(), (QStringList{"B.RTF", "D.TXT"}));
    QCOMPARE(box.fileName(2), QString());
    box.setSelectedIndex(1);
    QCOMPARE(box.selectedFileName(), u"D.TXT"_qs);
    // A file saved meanwhile appears after the refresh; the selection is gone.
    touch(dir.filePath(u"A.RTF"_qs));
    box.setPattern(u"*.ZAF"_qs);
    box.setPattern(u"*.RTF;*.TXT"_qs);
    QCOMPARE(box.fileNames(), (QStringList{"A.RTF", "B.RTF", "D.TXT"}));
    QCOMPARE(box.selectedIndex(), -1);
    QCOMPARE(clicks.count(), 1);
    // Showing and focusing the list chooses nothing (Qt makes a row current);
    // every click of the user chooses and says so, also on the same entry.
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QApplication::setActiveWindow(&box);
    box.setFocus();
    QTRY_VERIFY(box.hasFocus());
    QCOMPARE(box.selectedIndex(), -1);
    const QPoint third = box.visualItemRect(box.item(2)).center();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, third);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, third);
    QCOMPARE(box.selectedFileName(), u"D.TXT"_qs);
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.selectedFileName(), u"B.RTF"_qs);
    QCOMPARE(clicks.count(), 4);
}

void ServicesTest::clipboardAndIcon()
{
    QtClipboard().setText(u"Ro\u00ADsi\r\n\r\nHaus\rGrüße"_qs);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Ro\u00ADsi\n\nHaus\nGrüße"_qs);

    // A light K on a dark square at every size: inside the stem and both arms
    // light, left of the stem, between the arms and below the K dark.
    for (const int size : {16, 256}) {
        QVERIFY(windowIcon().availableSizes().contains(QSize(size, size)));
        const QImage image = windowIcon().pixmap(QSize(size, size)).toImage();
        auto at = [&](int x, int y) { return QColor(image.pixel(x * size / 256, y * size / 256)); };
        for (const QPoint light : {QPoint(85, 128), QPoint(85, 60), QPoint(200, 52), QPoint(200, 200)})
            QVERIFY(at(light.x(), light.y()).lightness() > 180);
        for (const QPoint dark : {QPoint(30, 128), QPoint(160, 128), QPoint(128, 240), QPoint(230, 128)})
            QVERIFY(at(dark.x(), dark.y()).lightness() < 90 && at(dark.x(), dark.y()).alpha() == 255);
    }
}

void ServicesTest::workingFolder_data()
{
    QTest::addColumn<QString>("current"); // "/", "home" or "texte"
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("documentsExist");
    QTest::addColumn<QString>("expected"); // "home", "documents" or "current"
    QTest::newRow("terminal keeps its folder") << "texte" << true << true << "current";
    QTest::newRow("terminal in home stays in home") << "home" << true << true << "home";
    QTest::newRow("menu start in home goes to documents") << "home" << false << true << "documents";
    QTest::newRow("menu start without documents stays home") << "home" << false << false << "home";
    QTest::newRow("menu start in root without documents goes home") << "/" << false << false << "home";
    QTest::newRow("launcher with its own folder keeps it") << "texte" << false << true << "current";
    QTest::newRow("root is never kept, not even from a terminal") << "/" << true << true << "documents";
}

void ServicesTest::workingFolder()
{
    QFETCH(QString, current);
    QFETCH(bool, terminal);
    QFETCH(bool, documentsExist);
    QFETCH(QString, expected);
    QTemporaryDir base;
    const QString home = base.filePath(u"home"_qs), documents = base.filePath(u"home/Dokumente"_qs);
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(base.filePath(u"texte"_qs)));
    if (documentsExist)
        QVERIFY(QDir().mkpath(documents));
    const QString start = current == u"/"_qs ? current : base.filePath(current);
    const QString want = expected == u"home"_qs ? home : expected == u"documents"_qs ? documents : start;
    QCOMPARE(chooseWorkingFolder(start, home, documents, terminal), want);
}

void ServicesTest::helpFileAndCentredWindow()
{
    // Without a copy in the folder: an installed or source copy, never one that does not exist.
    QTemporaryDir folder;
    const QString elsewhere = findHelpFile(folder.path());
    QVERIFY(elsewhere.isEmpty() || (QFileInfo(elsewhere).isFile() && !elsewhere.startsWith(folder.path())));
    touch(folder.filePath(u"KOLORATHELP.RTF"_qs));
    QCOMPARE(findHelpFile(folder.path()), QDir::cleanPath(folder.filePath(u"KOLORATHELP.RTF"_qs)));

    QWidget window;
    centreWindow(&window, 10900, 8900);
    const qreal dpi = window.screen()->logicalDotsPerInch();
    QCOMPARE(window.size(), QSize(twipsToPixels(10900, dpi), twipsToPixels(8900, dpi)));
    const QRect area = window.screen()->availableGeometry();
    QVERIFY(qAbs(window.x() - area.x() - (area.width() - window.width()) / 2) <= 1);
    QVERIFY(qAbs(window.y() - area.y() - (area.height() - window.height()) / 2) <= 1);
    QCOMPARE(screenSizeTwips().width(), pixelsToTwips(area.width(), dpi));
}

void ServicesTest::colourFieldDrops_data()
{
    // What a field of role `role` in window "FormA:1" makes of a drag carrying `payload`.
    QTest::addColumn<ColourField::Role>("role");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("named"); // what a drop reports
    const auto target = ColourField::Role::Target;
    QTest::newRow("target, same window") << target << QByteArray("FormA:1\nFarbe3\n16777215") << true << u"Farbe3"_qs;
    QTest::newRow("target, other window") << target << QByteArray("FormB:2\nFarbe3\n255") << false << u"Farbe3"_qs;
    QTest::newRow("source, same window") << ColourField::Role::Source << QByteArray("FormA:1\nFarbe3\n255") << false
                                         << u"Farbe3"_qs;
    QTest::newRow("caption, same window")
        << ColourField::Role::Caption << QByteArray("FormA:1\nFarbe3\n255") << false << u"Farbe3"_qs;
    QTest::newRow("empty") << target << QByteArray() << false << QString();
    QTest::newRow("two parts") << target << QByteArray("FormA:1\nFarbe3") << false << QString();
    QTest::newRow("colour not a number") << target << QByteArray("FormA:1\nFarbe3\nrot") << false << QString();
    QTest::newRow("colour above white") << target << QByteArray("FormA:1\nFarbe3\n16777216") << false << QString();
}

void ServicesTest::colourFieldDrops()
{
    QFETCH(ColourField::Role, role);
    QFETCH(QByteArray, payload);
    QFETCH(bool, accepted);
    QFETCH(QString, named);
    QMimeData mime;
    mime.setData(QString::fromLatin1(kColourFieldMimeType), payload);
    ColourField field(role, u"FormA:1"_qs);
    QCOMPARE(enterAccepted(&field, &mime), accepted);
    QCOMPARE(field.acceptDrops(), role == ColourField::Role::Target);
    // What a source field puts into a drag reads back whole.
    ColourField source(ColourField::Role::Source, u"FormA:1"_qs);
    source.setObjectName(u"Farbe3"_qs);
    source.setColour(0x12345678);
    const std::unique_ptr<QMimeData> dragged(source.createMimeData());
    QCOMPARE(dragged->data(QString::fromLatin1(kColourFieldMimeType)), QByteArray("FormA:1\nFarbe3\n3430008"));
    // The window recolours after every drop, so a drop of anything is
    // reported, with an empty name when it carries no field.
    QSignalSpy dropped(&field, &ColourField::dropped);
    field.acceptDrop(mime);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.at(0).at(1).toString(), named);
}

void ServicesTest::timersAndColourMixer()
{
    QtTimers timers;
    int runs = 0, orphanRuns = 0;
    QObject owner;
    timers.singleShot(20, &owner, [&] { ++runs; });
    {
        QObject gone;
        timers.singleShot(10, &gone, [&] { ++orphanRuns; });
    }
    QTRY_COMPARE(runs, 1);
    QCOMPARE(orphanRuns, 0);

    // The mixer's controls stand where its layout says, in its frame or in the window.
    const auto names = [](const char *prefix) {
        return std::array<QString, 3>{QLatin1String(prefix) + u'r', QLatin1String(prefix) + u'g',
                                      QLatin1String(prefix) + u'b'};
    };
    for (bool framed : {true, false}) {
        QWidget window;
        ColourMixer mixer({framed, QRect(120, 240, 1455, 3015), u"frame"_qs, u"caption"_qs, QSize(1335, 255),
                           u"number"_qs, u"custom"_qs, names("slider"), names("value")},
                          u"FormA:1"_qs, &window);
        QCOMPARE(mixer.numberField()->parentWidget(), framed ? static_cast<QWidget *>(&mixer) : &window);
        const QRect custom = twipsToPixels(QRect(240, 720, 1215, 345), mixer.logicalDpiX());
        const QPoint at = mixer.customColourField()->mapTo(&window, QPoint(0, 0));
        QVERIFY(qAbs(at.x() - custom.left()) <= 1 && qAbs(at.y() - custom.top()) <= 1);
        QCOMPARE(draggedSource(window, u"FormA:1"_qs, u"FormA:1"_qs, u"custom"_qs), mixer.customColourField());
        QCOMPARE(draggedSource(window, u"FormA:1"_qs, u"FormB:2"_qs, u"custom"_qs), nullptr);
    }
    // Captions and targets take clicks; a source drags instead; a release outside is no click.
    for (const auto role : {ColourField::Role::Caption, ColourField::Role::Target, ColourField::Role::Source}) {
        ColourField field(role, u"FormA:1"_qs);
        field.resize(40, 20);
        QSignalSpy clicks(&field, &ColourField::clicked);
        QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(&field, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&field, Qt::LeftButton, {}, QPoint(100, 5));
        QCOMPARE(clicks.count(), role == ColourField::Role::Source ? 0 : 1);
    }
}

void ServicesTest::germanVoice()
{
    // The text, then the words the voice must report at their places in it.
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/platform/vorlesen.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n').filter(QRegularExpression("^[^#]"));
    QCOMPARE(lines.size(), 2);
    struct Spoken {
        double seconds = 0;
        QStringList words;
        QList<int> milliseconds;
    };
    auto speak = [](const QString &text, textcore::SpeechRate rate, bool phonemes = false, int chunkLimit = -1) {
        Spoken spoken;
        int chunks = 0;
        const bool ok = EspeakSynthesizer::synthesize(
            text.toStdU16String(), phonemes, textcore::WordsPerMinute(rate), [&](const SpeechChunk &chunk) {
                spoken.seconds += double(chunk.sampleCount) / EspeakSynthesizer::kSampleRate;
                for (const SpokenWord &word : chunk.words) {
                    spoken.words << text.mid(qsizetype(word.start), qsizetype(word.length));
                    spoken.milliseconds << word.milliseconds;
                }
                return ++chunks != chunkLimit;
            });
        if (!ok)
            qFatal("the German voice of eSpeak NG is not installed");
        return spoken;
    };
    const Spoken normal = speak(lines[0], textcore::SpeechRate::Normal);
    QCOMPARE(normal.words, lines[1].split(u' '));
    QVERIFY(std::is_sorted(normal.milliseconds.begin(), normal.milliseconds.end()));
    QVERIFY2(normal.seconds > 2 && normal.seconds < 8, qPrintable(QString::number(normal.seconds)));
    const double slower = speak(lines[0], textcore::SpeechRate::Slow).seconds / normal.seconds;
    QVERIFY2(slower > 1.25 && slower < 1.6, qPrintable(QString::number(slower)));
    QVERIFY(speak(lines[0], textcore::SpeechRate::Normal, false, 1).seconds < normal.seconds / 4);
    // A letter's sound in phoneme notation is heard, not spelled out.
    const std::u16string m(textcore::LetterSound(u'm'));
    const double letter = speak(QString::fromStdU16String(m), textcore::SpeechRate::Normal, true).seconds;
    QVERIFY2(letter > 0.1 && letter < 1, qPrintable(QString::number(letter)));
}

void ServicesTest::rateIsKeptBetweenRunsAndMenusFollowIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kolorat.ini"_qs);
    testsupport::FakeSpeechEngine first, next;
    rememberSpeechRate(first, new QSettings(path, QSettings::IniFormat));
    QWidget window;
    QMenu *editorMenu = ReadAloud::rateMenu(first, &window);
    QMenu *trainerMenu = ReadAloud::rateMenu(first, &window);
    QVERIFY(editorMenu->actions().at(2)->isChecked()); // normal, until a rate is chosen
    editorMenu->actions().at(0)->trigger();
    QCOMPARE(first.rate(), textcore::SpeechRate::Slow);
    QVERIFY(trainerMenu->actions().at(0)->isChecked() && !trainerMenu->actions().at(2)->isChecked());
    rememberSpeechRate(next, new QSettings(path, QSettings::IniFormat));
    QCOMPARE(next.rate(), textcore::SpeechRate::Slow);
}

QTEST_MAIN(ServicesTest)
#include "tst_services.moc"
