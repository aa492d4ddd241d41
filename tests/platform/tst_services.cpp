// The small platform services the windows use: Qt's boxes, keys, twips, the
// file list, clipboard and start folder, the colour fields' drags and
// the shared colour panel, and the German voice with its kept speaking rate.
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/colourpanel.h"
#include "platform/dialogs.h"
#include "platform/espeaksynthesizer.h"
#include "platform/filelistbox.h"
#include "platform/keys.h"
#include "platform/readaloud.h"
#include "platform/twips.h"
#include "support/doubles.h"
#include "support/windowdump.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace platform;
using textcore::Colour;

namespace {

const QString kToken = QStringLiteral("FormA:1");

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

// A colour window's panel: palette field i holds colour i * 1000.
struct PanelWindow {
    QWidget widget;
    ColourPanel panel{[] {
                          ColourPanelLayout layout;
                          layout.mixer.numberName = u"number"_qs;
                          layout.paletteDragStart = ColourField::DragStart::OnPress;
                          for (std::size_t i = 0; i < layout.palette.size(); ++i)
                              layout.palette[i] = {Colour(i * 1000), u"palette%1"_qs.arg(i), QString(), QString()};
                          return layout;
                      }(),
                      kToken, &widget};
};

} // namespace

class ServicesTest : public QObject {
    Q_OBJECT
private slots:
    void qtBoxes();
    void keysTwipsAndClipboard();
    void fileListMatching();
    void fileListReadsTheFolderAndReportsClicks();
    void workingFolder();
    void colourFieldDrops();
    void colourMixer();
    void mouseDragCarriesThePaletteColour();
    void germanVoice();
    void rateIsKeptBetweenRunsAndMenusFollowIt();
};

// Qt's own boxes as the program shows them: German buttons, plain text
// with every line break form, the icon, what Enter gives; the input box's
// typed text, and nothing on Cancel. One transcript for all.
void ServicesTest::qtBoxes()
{
    if (!installGermanTranslation(*qobject_cast<QApplication *>(QCoreApplication::instance())))
        QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
    const std::tuple<Buttons, Icon, Answer> requests[] = {{Buttons::YesNo, Icon::Question, Answer::No},
                                                          {Buttons::YesNo, Icon::Question, Answer::Yes},
                                                          {Buttons::YesNo, Icon::None, Answer::Ok},
                                                          {Buttons::Ok, Icon::Critical, Answer::Ok},
                                                          {Buttons::Ok, Icon::Exclamation, Answer::Ok}};
    QStringList seen;
    for (const auto &[buttons, icon, requested] : requests) {
        whenModalAppears([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            for (QAbstractButton *button : box->buttons())
                seen << u"["_qs + button->text() + (button == box->defaultButton() ? u"]*"_qs : u"]"_qs);
            seen << box->windowTitle() << QString::number(int(box->icon())) << box->text().replace(u'\n', u'|')
                 << QString::number(box->textFormat() == Qt::PlainText);
            box->defaultButton()->click();
        });
        const Answer given = QtDialogs().message({u"<b>BRIEF.RTF</b> wurde gespeichert.\rCR\r\nLF\n\r\r"_qs,
                                                  u"Textdatei sichern"_qs, buttons, icon, requested});
        seen << u"-> "_qs + QStringList{u"Ok"_qs, u"Yes"_qs, u"No"_qs}.at(int(given)) + u'\n';
    }
    for (const bool accept : {true, false}) {
        whenModalAppears([&](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            seen << dialog->windowTitle() << dialog->labelText().replace(u'\n', u'|') << dialog->textValue();
            dialog->setTextValue(u"brief.rtf"_qs);
            accept ? dialog->accept() : dialog->reject();
        });
        seen << u"-> "_qs
                + QtDialogs().input(u"Geben Sie einen Namen für die Datei ein.\rQuelltext"_qs,
                                    u"Textseite speichern"_qs, u"KOLORAT.RTF"_qs)
                + u'\n';
    }
    KOLORAT_VERIFY_TRANSCRIPT(seen.join(u' ').replace(u"\n "_qs, u"\n"_qs), "platform/qt-boxes");
}

void ServicesTest::keysTwipsAndClipboard()
{
    QtClipboard().setText(u"Ro\u00ADsi\r\n\r\nHaus\rGrüße"_qs);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Ro\u00ADsi\n\nHaus\nGrüße"_qs);
    // Rounding to the nearest pixel, symmetric around zero; whole pixels come back as they went.
    for (const auto &[twips, dpi, pixels] : std::initializer_list<std::tuple<int, qreal, int>>{
             {10900, 96, 727}, {1440, 120, 120}, {15, 144, 2}, {7, 96, 0}, {8, 96, 1}, {-8, 96, -1}})
        QVERIFY2(twipsToPixels(twips, dpi) == pixels, qPrintable(QString::number(twips)));
    QCOMPARE(pixelsToTwips(727, 96), 10905);
    // Two controls side by side whose widths do not divide evenly still touch.
    for (const qreal dpi : {96.0, 120.0})
        QCOMPARE(twipsToPixels(QRect(0, 0, 1310, 315), dpi).right() + 1,
                 twipsToPixels(QRect(1310, 0, 1310, 315), dpi).left());
    // A window opens at its size in the middle of the screen's free area.
    QWidget window;
    centreWindow(&window, 10900, 8900);
    const QRect area = window.screen()->availableGeometry();
    QCOMPARE(window.width(), twipsToPixels(10900, window.screen()->logicalDotsPerInch()));
    QCOMPARE(window.pos(),
             QPoint(area.x() + (area.width() - window.width()) / 2, area.y() + (area.height() - window.height()) / 2));
    // Keystrokes go to whatever has the focus; with nothing focused they are lost, and said so.
    QVERIFY(!QApplication::focusWidget());
    QVERIFY(!sendKeystrokes(u"-"_qs));
    QCOMPARE(virtualKey(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, u"A"_qs)), 65);
}

void ServicesTest::fileListMatching()
{
    // Sorted ignoring case, names equal but for case in a fixed order; "*.*"
    // lists names without a dot too; "?" is one character; "+" is plain.
    const QStringList folder{"b.rtf",       "Anna.TXT", "KOLORAT.RTF", "notiz.Txt", "B.RTF",
                             "alt.rtf.bak", "LIESMICH", "a.rtf",       "a+b.rtf",   "über.rtf"};
    const std::pair<QString, QStringList> patterns[] = {
        {u"*.RTF;*.TXT"_qs, {"a+b.rtf", "a.rtf", "Anna.TXT", "B.RTF", "b.rtf", "KOLORAT.RTF", "notiz.Txt", "über.rtf"}},
        {u"*.*"_qs,
         {"a+b.rtf", "a.rtf", "alt.rtf.bak", "Anna.TXT", "B.RTF", "b.rtf", "KOLORAT.RTF", "LIESMICH", "notiz.Txt",
          "über.rtf"}},
        {u" ?.RTF ; *.TXT "_qs, {"a.rtf", "Anna.TXT", "B.RTF", "b.rtf", "notiz.Txt"}},
        {u"kolorat.rtf;a+b.rtf"_qs, {"a+b.rtf", "KOLORAT.RTF"}},
        {QString(), {}}};
    for (const auto &[pattern, expected] : patterns)
        QCOMPARE(FileListBox::matching(folder, pattern), expected);
}

void ServicesTest::fileListReadsTheFolderAndReportsClicks()
{
    QTemporaryDir dir;
    for (const char *name : {"D.TXT", "B.RTF", "notiz.doc"})
        QVERIFY(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    QVERIFY(QDir(dir.path()).mkdir(u"ORDNER.RTF"_qs)); // a folder is no file to load
    FileListBox box;
    QSignalSpy clicks(&box, &FileListBox::fileClicked);
    box.setPath(dir.path());
    box.setPattern(u"*.RTF;*.TXT"_qs);
    QCOMPARE(box.fileNames(), (QStringList{"B.RTF", "D.TXT"}));
    box.setSelectedIndex(1);
    // A file saved meanwhile appears after the refresh; the selection is gone.
    QVERIFY(QFile(dir.filePath(u"A.RTF"_qs)).open(QIODevice::WriteOnly));
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
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.fileName(box.selectedIndex()), u"B.RTF"_qs);
    QCOMPARE(clicks.count(), 4);
}

void ServicesTest::workingFolder()
{
    // Started in `current` ("/", "home" or "texte"), from a terminal or not,
    // with or without a documents folder: where the program works.
    const std::tuple<QString, bool, bool, QString> starts[]
        = {{u"texte"_qs, true, true, u"texte"_qs}, {u"home"_qs, true, true, u"home"_qs},
           {u"home"_qs, false, true, u"docs"_qs},  {u"home"_qs, false, false, u"home"_qs},
           {u"/"_qs, false, false, u"home"_qs},    {u"texte"_qs, false, true, u"texte"_qs},
           {u"/"_qs, true, true, u"docs"_qs}};
    for (const auto &[current, terminal, documentsExist, expected] : starts) {
        QTemporaryDir base;
        const QString home = base.filePath(u"home"_qs), documents = base.filePath(u"home/Dokumente"_qs);
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(base.filePath(u"texte"_qs)));
        QVERIFY(!documentsExist || QDir().mkpath(documents));
        const QString start = current == u"/"_qs ? current : base.filePath(current);
        QCOMPARE(chooseWorkingFolder(start, home, documents, terminal),
                 expected == u"docs"_qs ? documents : base.filePath(expected));
    }
}

void ServicesTest::colourFieldDrops()
{
    // What a field of `role` in window kToken makes of a drag carrying a
    // payload: whether it takes it, and what a drop reports. The window
    // recolours after every drop, so a drop of anything is reported, with
    // an empty name when it carries no field.
    const auto target = ColourField::Role::Target;
    const std::tuple<ColourField::Role, QByteArray, bool, QString> drags[]
        = {{target, "FormA:1\nFarbe3\n16777215", true, u"Farbe3"_qs},
           {target, "FormB:2\nFarbe3\n255", false, u"Farbe3"_qs},
           {ColourField::Role::Source, "FormA:1\nFarbe3\n255", false, u"Farbe3"_qs},
           {target, {}, false, {}},
           {target, "FormA:1\nFarbe3", false, {}},
           {target, "FormA:1\nFarbe3\nrot", false, {}},
           {target, "FormA:1\nFarbe3\n16777216", false, {}}};
    for (const auto &[role, payload, accepted, named] : drags) {
        QMimeData mime;
        mime.setData(QString::fromLatin1(kColourFieldMimeType), payload);
        ColourField field(role, kToken);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QCoreApplication::sendEvent(&field, &enter);
        QVERIFY2(enter.isAccepted() == accepted, payload.constData());
        QSignalSpy dropped(&field, &ColourField::dropped);
        field.acceptDrop(mime);
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.at(0).at(1).toString(), named);
    }
}

// The number field takes what is typed up to white and empties itself at
// anything else; a pasted number that is too long changes nothing.
void ServicesTest::colourMixer()
{
    const std::tuple<int, QString, QString, Colour> entries[]
        = {{128, u"255"_qs, u"255"_qs, Colour(255)},
           {0, u"12a"_qs, QString(), textcore::kBlack},
           {0, u"16777216"_qs, QString(), textcore::kBlack},
           {255, u"paste:123456789"_qs, u"123456789"_qs, textcore::rgb(0, 255, 0)}};
    for (const auto &[green, typed, number, custom] : entries) {
        PanelWindow w;
        ColourMixer &mixer = w.panel.mixer();
        mixer.slider(1)->setValue(green);
        QLineEdit *field = mixer.numberField();
        if (typed.startsWith(u"paste:"_qs))
            field->setText(typed.mid(6));
        else
            field->clear(), QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), number);
        QCOMPARE(mixer.customColour(), custom);
        QCOMPARE(mixer.valueField(1)->text(), QString::number(green));
    }
}

void ServicesTest::mouseDragCarriesThePaletteColour()
{
    // The offscreen platform ends every drag at once; CTest runs this case
    // once more on a virtual X display (platform_colourpanel_mouse_drag).
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("no drag and drop on the offscreen platform");
    PanelWindow w;
    w.widget.resize(800, 600);
    auto *target = new ColourField(ColourField::Role::Target, kToken, &w.widget);
    target->setGeometry(200, 300, 100, 30);
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    QSignalSpy dropped(target, &ColourField::dropped);
    QWindow *handle = w.widget.windowHandle();
    ColourField *source = w.panel.paletteField(13);
    const QPoint from = source->mapTo(&w.widget, source->rect().center());
    const QPoint to = target->mapTo(&w.widget, target->rect().center());
    // The drag runs its own event loop from the press on; the mouse moves
    // and is released from inside it.
    QTimer::singleShot(50, &w.widget, [&] {
        QTest::mouseMove(handle, from + QPoint(10, 0));
        QTest::mouseMove(handle, to);
        QTest::mouseMove(handle, to + QPoint(1, 1));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to + QPoint(1, 1));
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTRY_COMPARE(dropped.size(), 1);
    const ColourField *found
        = draggedSource(w.widget, kToken, dropped.at(0).at(0).toString(), dropped.at(0).at(1).toString());
    QCOMPARE(found, source);
    QCOMPARE(found->colour(), Colour(13000));
}

// The German voice reports every word at its place in the text and in time,
// speaks slower when asked, stops when told, and sounds a letter, not its name.
void ServicesTest::germanVoice()
{
    // The text, then the words the voice must report.
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/platform/vorlesen.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n').filter(QRegularExpression("^[^#]"));
    QStringList words;
    QList<int> milliseconds;
    auto seconds = [&](const QString &text, textcore::SpeechRate rate, bool phonemes = false, int chunkLimit = -1) {
        double sum = 0;
        int chunks = 0;
        words.clear();
        const bool ok = EspeakSynthesizer::synthesize(
            text.toStdU16String(), phonemes, textcore::WordsPerMinute(rate), [&](const SpeechChunk &chunk) {
                sum += double(chunk.sampleCount) / EspeakSynthesizer::kSampleRate;
                for (const SpokenWord &word : chunk.words)
                    words << text.mid(qsizetype(word.start), qsizetype(word.length)), milliseconds << word.milliseconds;
                return ++chunks != chunkLimit;
            });
        return ok ? sum : -1;
    };
    const double normal = seconds(lines[0], textcore::SpeechRate::Normal);
    QVERIFY2(normal > 2 && normal < 8, "the German voice of eSpeak NG speaks the text in 2 to 8 seconds");
    QCOMPARE(words, lines[1].split(u' '));
    QVERIFY(std::is_sorted(milliseconds.begin(), milliseconds.end()));
    const double slower = seconds(lines[0], textcore::SpeechRate::Slow) / normal;
    QVERIFY2(slower > 1.25 && slower < 1.6, qPrintable(QString::number(slower)));
    QVERIFY(seconds(lines[0], textcore::SpeechRate::Normal, false, 1) < normal / 4);
    const double letter = seconds(QString::fromStdU16String(std::u16string(textcore::LetterSound(u'm'))),
                                  textcore::SpeechRate::Normal, true);
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
