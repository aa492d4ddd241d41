// The small platform services the windows use: dialogs, keys, twips, file
// list, timers, clipboard, printer, icon and the start folder.
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/filelistbox.h"
#include "platform/keys.h"
#include "platform/timers.h"
#include "platform/twips.h"
#include "support/manualtimers.h"
#include "support/recordingclipboard.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace platform;
using namespace testsupport;

Q_DECLARE_METATYPE(platform::Answer)
Q_DECLARE_METATYPE(platform::Buttons)
Q_DECLARE_METATYPE(platform::Icon)

namespace {

// Runs `handle` on the first modal dialog that appears, from inside its exec().
void whenModalAppears(std::function<void(QWidget *)> handle)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            handle(modal);
        }
    });
    poll->start();
}

} // namespace

class ServicesTest : public QObject {
    Q_OBJECT

private slots:
    // Dialogs
    void promptLineBreaks_data();
    void promptLineBreaks();
    void scriptedMessages_data();
    void scriptedMessages();
    void scriptedInputs_data();
    void scriptedInputs();
    void scriptedKeepsOrderAndConvenienceCalls();
    void qtMessageBoxShowsRequest_data();
    void qtMessageBoxShowsRequest();
    void qtInputBoxCancelGivesEmpty_data();
    void qtInputBoxCancelGivesEmpty();
    void germanButtons();

    // Keys and twips
    void keyCodes_data();
    void keyCodes();
    void keyCodeOfKeypadEnterEvent();
    void sendKeystrokesTypesIntoFocus();
    void twipsToPixels_data();
    void twipsToPixels();
    void twipsRectanglesKeepTouchingEdges();
    void placeWidgetUsesTwips();

    // File list
    void fileListMatching_data();
    void fileListMatching();
    void fileListReadsFolder_data();
    void fileListReadsFolder();
    void fileListRefreshAndSelection();

    // Timers, clipboard, icon, start folder
    void manualTimersFireInOrder();
    void manualTimersDropDestroyedContext();
    void qtTimersFireOnce();
    void clipboardLineBreaks_data();
    void clipboardLineBreaks();
    void recordingClipboard();
    void windowIconIsLightKOnDarkSquare_data();
    void windowIconIsLightKOnDarkSquare();
    void workingFolder_data();
    void workingFolder();
    void helpFileInCurrentFolderFirst();
    void centreWindowOnScreen();
};

void ServicesTest::promptLineBreaks_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lines joined with CR") << "Datei ''KOLORAT.INI'' fehlt\roder ist fehlerhaft."
                                          << "Datei ''KOLORAT.INI'' fehlt\noder ist fehlerhaft.";
    QTest::newRow("two trailing CR stay empty lines") << "Das Programm jetzt beenden?\r\r"
                                                      << "Das Programm jetzt beenden?\n\n";
    QTest::newRow("CR LF is one line break") << "a\r\nb"
                                             << "a\nb";
    QTest::newRow("LF alone") << "a\nb"
                              << "a\nb";
    QTest::newRow("CR CR LF is two line breaks") << "a\r\r\nb"
                                                 << "a\n\nb";
    QTest::newRow("no line break") << "Drucken"
                                   << "Drucken";
}

void ServicesTest::promptLineBreaks()
{
    QFETCH(QString, prompt);
    QFETCH(QString, shown);
    QCOMPARE(platform::promptLines(prompt), shown);
}

void ServicesTest::scriptedMessages_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Answer>("requestedDefault");
    QTest::addColumn<bool>("queue");
    QTest::addColumn<Answer>("queued");
    QTest::addColumn<Answer>("expectedAnswer");
    QTest::addColumn<Answer>("recordedDefault");
    QTest::addColumn<bool>("unexpected");

    QTest::newRow("Yes/No answered Yes") << Buttons::YesNo << Answer::No << true << Answer::Yes << Answer::Yes
                                         << Answer::No << false;
    QTest::newRow("Yes/No answered No") << Buttons::YesNo << Answer::No << true << Answer::No << Answer::No
                                        << Answer::No << false;
    QTest::newRow("Yes/No with unset default records No")
        << Buttons::YesNo << Answer::Ok << true << Answer::Yes << Answer::Yes << Answer::No << false;
    QTest::newRow("Yes as default is kept")
        << Buttons::YesNo << Answer::Yes << true << Answer::No << Answer::No << Answer::Yes << false;
    QTest::newRow("OK box answered Ok") << Buttons::Ok << Answer::Ok << true << Answer::Ok << Answer::Ok << Answer::Ok
                                        << false;
    QTest::newRow("unexpected Yes/No answers its default No")
        << Buttons::YesNo << Answer::No << false << Answer::Ok << Answer::No << Answer::No << true;
    QTest::newRow("unexpected Yes/No with Yes default answers Yes")
        << Buttons::YesNo << Answer::Yes << false << Answer::Ok << Answer::Yes << Answer::Yes << true;
    QTest::newRow("unexpected OK box") << Buttons::Ok << Answer::Ok << false << Answer::Ok << Answer::Ok << Answer::Ok
                                       << true;
    QTest::newRow("Yes scripted for an OK box is a mistake")
        << Buttons::Ok << Answer::Ok << true << Answer::Yes << Answer::Ok << Answer::Ok << true;
    QTest::newRow("Ok scripted for a Yes/No box is a mistake")
        << Buttons::YesNo << Answer::No << true << Answer::Ok << Answer::No << Answer::No << true;
}

void ServicesTest::scriptedMessages()
{
    QFETCH(Buttons, buttons);
    QFETCH(Answer, requestedDefault);
    QFETCH(bool, queue);
    QFETCH(Answer, queued);
    QFETCH(Answer, expectedAnswer);
    QFETCH(Answer, recordedDefault);
    QFETCH(bool, unexpected);

    ScriptedDialogs dialogs;
    if (queue)
        dialogs.queueAnswer(queued);
    const QString prompt = QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie?\r\r");
    if (unexpected)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ScriptedDialogs:.*"));
    const Answer answer = dialogs.message(
        MessageRequest{prompt, QStringLiteral("BRIEF.RTF"), buttons, Icon::Question, requestedDefault});

    QCOMPARE(answer, expectedAnswer);
    QCOMPARE(dialogs.calls().size(), 1);
    const DialogCall &call = dialogs.lastCall();
    QCOMPARE(call.kind, DialogCall::Kind::Message);
    QCOMPARE(call.prompt, prompt);
    QCOMPARE(call.title, QStringLiteral("BRIEF.RTF"));
    QCOMPARE(call.buttons, buttons);
    QCOMPARE(call.icon, Icon::Question);
    QCOMPARE(call.defaultButton, recordedDefault);
    QCOMPARE(call.answer, expectedAnswer);
    QCOMPARE(call.unexpected, unexpected);
    QCOMPARE(dialogs.unexpectedCalls(), unexpected ? 1 : 0);
    QCOMPARE(dialogs.verifyAllAnswered(), !unexpected);
}

void ServicesTest::scriptedInputs_data()
{
    QTest::addColumn<QStringList>("script"); // "answer:X" queues a message answer, otherwise typed text
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("unexpected");
    QTest::addColumn<int>("left");

    QTest::newRow("typed name") << QStringList{"brief.rtf"} << "brief.rtf" << false << 0;
    QTest::newRow("cancel is empty") << QStringList{""} << "" << false << 0;
    QTest::newRow("empty script") << QStringList{} << "" << true << 0;
    QTest::newRow("message answer queued instead") << QStringList{"answer:Yes"} << "" << true << 1;
}

void ServicesTest::scriptedInputs()
{
    QFETCH(QStringList, script);
    QFETCH(QString, expected);
    QFETCH(bool, unexpected);
    QFETCH(int, left);

    ScriptedDialogs dialogs;
    for (const QString &entry : script) {
        if (entry == QLatin1String("answer:Yes"))
            dialogs.queueAnswer(Answer::Yes);
        else
            dialogs.queueInput(entry);
    }
    if (unexpected)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ScriptedDialogs: unexpected input box.*"));
    const QString prompt
        = QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert.");
    QCOMPARE(dialogs.input(prompt, QStringLiteral("Textseite speichern"), QStringLiteral("KOLORAT.RTF")), expected);
    const DialogCall &call = dialogs.lastCall();
    QCOMPARE(call.kind, DialogCall::Kind::Input);
    QCOMPARE(call.prompt, prompt);
    QCOMPARE(call.title, QStringLiteral("Textseite speichern"));
    QCOMPARE(call.proposed, QStringLiteral("KOLORAT.RTF"));
    QCOMPARE(call.unexpected, unexpected);
    QCOMPARE(dialogs.pendingAnswers(), left);
}

void ServicesTest::scriptedKeepsOrderAndConvenienceCalls()
{
    ScriptedDialogs dialogs;
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueInput(QStringLiteral("Farbset 2"));
    dialogs.queueAnswer(Answer::Ok);

    QVERIFY(dialogs.ask(QStringLiteral("Die Farbwerte jetzt audrucken?\r"), QStringLiteral("Farbdruck")));
    QCOMPARE(dialogs.input(QStringLiteral("Eine Bezeichnung für\rdas Farbset angeben:"),
                           QStringLiteral("Farbwerte drucken (Abbruch mit Leereingabe)"), QStringLiteral("Farbset")),
             QStringLiteral("Farbset 2"));
    dialogs.inform(QStringLiteral("Die Daten werden gedruckt ...\r\r"), QStringLiteral("Drucken"), Icon::Information);

    QVERIFY(dialogs.verifyAllAnswered());
    QCOMPARE(dialogs.calls().size(), 3);
    QCOMPARE(dialogs.calls()[0].buttons, Buttons::YesNo);
    QCOMPARE(dialogs.calls()[0].icon, Icon::Question);
    QCOMPARE(dialogs.calls()[0].defaultButton, Answer::No);
    QCOMPARE(dialogs.calls()[1].kind, DialogCall::Kind::Input);
    QCOMPARE(dialogs.calls()[2].buttons, Buttons::Ok);
    QCOMPARE(dialogs.calls()[2].icon, Icon::Information);
    QCOMPARE(dialogs.calls()[2].prompt, QStringLiteral("Die Daten werden gedruckt ...\r\r"));

    // A fourth box nobody scripted must not pass silently.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ScriptedDialogs: unexpected message box.*"));
    QVERIFY(!dialogs.ask(QStringLiteral("Noch eine Frage?"), QStringLiteral("Kolorat")));
    QVERIFY(!dialogs.verifyAllAnswered());
}

void ServicesTest::qtMessageBoxShowsRequest_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<Answer>("requestedDefault");
    QTest::addColumn<int>("expectedDefault"); // QMessageBox::StandardButton
    QTest::addColumn<int>("icon_");

    QTest::newRow("question with No default")
        << Buttons::YesNo << Icon::Question << Answer::No << int(QMessageBox::No) << int(QMessageBox::Question);
    QTest::newRow("question with Yes default")
        << Buttons::YesNo << Icon::Question << Answer::Yes << int(QMessageBox::Yes) << int(QMessageBox::Question);
    QTest::newRow("OK with information") << Buttons::Ok << Icon::Information << Answer::Ok << int(QMessageBox::Ok)
                                         << int(QMessageBox::Information);
    QTest::newRow("OK without icon") << Buttons::Ok << Icon::None << Answer::Ok << int(QMessageBox::Ok)
                                     << int(QMessageBox::NoIcon);
    QTest::newRow("critical") << Buttons::Ok << Icon::Critical << Answer::Ok << int(QMessageBox::Ok)
                              << int(QMessageBox::Critical);
    QTest::newRow("exclamation") << Buttons::Ok << Icon::Exclamation << Answer::Ok << int(QMessageBox::Ok)
                                 << int(QMessageBox::Warning);
}

void ServicesTest::qtMessageBoxShowsRequest()
{
    QFETCH(Buttons, buttons);
    QFETCH(Icon, icon);
    QFETCH(Answer, requestedDefault);
    QFETCH(int, expectedDefault);
    QFETCH(int, icon_);

    QString seenText;
    QString seenTitle;
    int seenDefault = -1;
    int seenIcon = -1;
    int seenButtons = -1;
    Qt::TextFormat seenFormat = Qt::AutoText;
    whenModalAppears([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenDefault = box->defaultButton() ? int(box->standardButton(box->defaultButton())) : -1;
        seenIcon = int(box->icon());
        seenButtons = int(box->standardButtons());
        seenFormat = box->textFormat();
        // Accept the default button as Enter would.
        box->defaultButton()->click();
    });
    QtDialogs dialogs;
    const Answer answer
        = dialogs.message(MessageRequest{QStringLiteral("<b>BRIEF.RTF</b> wurde gespeichert.\r\r"),
                                         QStringLiteral("Textdatei sichern"), buttons, icon, requestedDefault});

    QCOMPARE(seenText, QStringLiteral("<b>BRIEF.RTF</b> wurde gespeichert.\n\n"));
    QCOMPARE(seenFormat, Qt::PlainText);
    QCOMPARE(seenTitle, QStringLiteral("Textdatei sichern"));
    QCOMPARE(seenDefault, expectedDefault);
    QCOMPARE(seenIcon, icon_);
    const int expectedButtons = buttons == Buttons::Ok ? int(QMessageBox::Ok) : int(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seenButtons, expectedButtons);
    const Answer expectedAnswer = expectedDefault == int(QMessageBox::Yes) ? Answer::Yes
        : expectedDefault == int(QMessageBox::No)                          ? Answer::No
                                                                           : Answer::Ok;
    QCOMPARE(answer, expectedAnswer);
}

void ServicesTest::qtInputBoxCancelGivesEmpty_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("proposed answer accepted") << true << QString() << "KOLORAT.RTF";
    QTest::newRow("typed answer accepted") << true << "brief.rtf"
                                           << "brief.rtf";
    QTest::newRow("cancel gives empty") << false << "brief.rtf"
                                        << "";
}

void ServicesTest::qtInputBoxCancelGivesEmpty()
{
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    QString seenLabel;
    QString seenProposal;
    whenModalAppears([&](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        seenLabel = dialog->labelText();
        seenProposal = dialog->textValue();
        if (!typed.isNull())
            dialog->setTextValue(typed);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    QtDialogs dialogs;
    const QString answer = dialogs.input(QStringLiteral("Geben Sie einen Namen für die Datei ein.\rQuelltext"),
                                         QStringLiteral("Textseite speichern"), QStringLiteral("KOLORAT.RTF"));
    QCOMPARE(seenLabel, QStringLiteral("Geben Sie einen Namen für die Datei ein.\nQuelltext"));
    QCOMPARE(seenProposal, QStringLiteral("KOLORAT.RTF"));
    QCOMPARE(answer, expected);
}

void ServicesTest::germanButtons()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    QVERIFY(app);
    if (!installGermanTranslation(*app))
        QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
}

void ServicesTest::keyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code");
    QTest::newRow("Enter") << int(Qt::Key_Return) << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13;
    QTest::newRow("Ctrl") << int(Qt::Key_Control) << 17;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 27;
    QTest::newRow("End") << int(Qt::Key_End) << 35;
    QTest::newRow("Home") << int(Qt::Key_Home) << 36;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << 37;
    QTest::newRow("up arrow") << int(Qt::Key_Up) << 38;
    QTest::newRow("right arrow") << int(Qt::Key_Right) << 39;
    QTest::newRow("down arrow") << int(Qt::Key_Down) << 40;
    QTest::newRow("Insert") << int(Qt::Key_Insert) << 45;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
    QTest::newRow("F1") << int(Qt::Key_F1) << 112;
    QTest::newRow("F12") << int(Qt::Key_F12) << 123;
    QTest::newRow("letter A") << int(Qt::Key_A) << 65;
    QTest::newRow("letter Z") << int(Qt::Key_Z) << 90;
    QTest::newRow("digit 0") << int(Qt::Key_0) << 48;
    QTest::newRow("digit 9") << int(Qt::Key_9) << 57;
    QTest::newRow("space") << int(Qt::Key_Space) << 32;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 8;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 34;
    QTest::newRow("minus has no code of its own") << int(Qt::Key_Minus) << 0;
    QTest::newRow("umlaut has no code") << int(Qt::Key_Adiaeresis) << 0;
}

void ServicesTest::keyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QCOMPARE(virtualKey(qtKey), code);
}

void ServicesTest::keyCodeOfKeypadEnterEvent()
{
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(virtualKey(enter), 13);
    const QKeyEvent shiftedA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QCOMPARE(virtualKey(shiftedA), 65);
}

void ServicesTest::sendKeystrokesTypesIntoFocus()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    edit->setText(QStringLiteral("Rosine"));
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->setCursorPosition(2);
    QVERIFY(sendKeystrokes(QStringLiteral("-")));
    QCOMPARE(edit->text(), QStringLiteral("Ro-sine"));
    QVERIFY(sendKeystrokes(QStringLiteral("ß~")));
    QCOMPARE(edit->text(), QStringLiteral("Ro-ß~sine"));
    window.hide();
    QTRY_VERIFY(!QApplication::focusWidget());
    QVERIFY(!sendKeystrokes(QStringLiteral("-")));
}

void ServicesTest::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("15 twips are a pixel at 96 dpi") << 15 << 96.0 << 1;
    QTest::newRow("an inch at 96 dpi") << 1440 << 96.0 << 96;
    QTest::newRow("editor width") << 10900 << 96.0 << 727;
    QTest::newRow("editor height") << 8900 << 96.0 << 593;
    QTest::newRow("an inch at 120 dpi") << 1440 << 120.0 << 120;
    QTest::newRow("an inch at 144 dpi") << 1440 << 144.0 << 144;
    QTest::newRow("15 twips at 144 dpi round up") << 15 << 144.0 << 2;
    QTest::newRow("7 twips round down") << 7 << 96.0 << 0;
    QTest::newRow("8 twips round up") << 8 << 96.0 << 1;
    QTest::newRow("zero") << 0 << 96.0 << 0;
    QTest::newRow("negative rounds symmetrically") << -8 << 96.0 << -1;
}

void ServicesTest::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(qreal, dpi);
    QFETCH(int, pixels);
    QCOMPARE(platform::twipsToPixels(twips, dpi), pixels);
    // Whole pixels come back to the twips they came from at 96 dpi.
    if (dpi == 96.0 && twips % 15 == 0)
        QCOMPARE(pixelsToTwips(pixels, dpi), twips);
}

void ServicesTest::twipsRectanglesKeepTouchingEdges()
{
    // The rich-text field of the editor.
    QCOMPARE(platform::twipsToPixels(QRect(2160, 1680, 8535, 6465), 96.0), QRect(144, 112, 569, 431));
    // Two controls side by side whose widths do not divide evenly.
    const QRect left = platform::twipsToPixels(QRect(0, 0, 1310, 315), 96.0);
    const QRect right = platform::twipsToPixels(QRect(1310, 0, 1310, 315), 96.0);
    QCOMPARE(left.right() + 1, right.left());
    const QRect bigLeft = platform::twipsToPixels(QRect(0, 0, 1310, 315), 120.0);
    const QRect bigRight = platform::twipsToPixels(QRect(1310, 0, 1310, 315), 120.0);
    QCOMPARE(bigLeft.right() + 1, bigRight.left());
    QCOMPARE(bigLeft.width() + bigRight.width(), platform::twipsToPixels(2620, 120.0));
}

void ServicesTest::placeWidgetUsesTwips()
{
    QWidget window;
    QWidget child(&window);
    if (child.logicalDpiX() != 96)
        QSKIP("the offscreen screen does not have 96 dpi");
    placeWidget(&child, 120, 1680, 1935, 6465);
    QCOMPARE(child.geometry(), QRect(8, 112, 129, 431));
}

void ServicesTest::fileListMatching_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");

    const QStringList folder{"brief.rtf",   "Anna.TXT", "KOLORAT.RTF", "notiz.Txt", "bild.png",
                             "alt.rtf.bak", "LIESMICH", "a.rtf",       "Zebra.RTF", "über.rtf"};
    QTest::newRow("RTF and TXT in any case, sorted ignoring case")
        << folder << "*.RTF;*.TXT"
        << QStringList{"a.rtf", "Anna.TXT", "brief.rtf", "KOLORAT.RTF", "notiz.Txt", "Zebra.RTF", "über.rtf"};
    QTest::newRow("TXT before RTF in the pattern lists the same")
        << folder << "*.TXT;*.RTF"
        << QStringList{"a.rtf", "Anna.TXT", "brief.rtf", "KOLORAT.RTF", "notiz.Txt", "Zebra.RTF", "über.rtf"};
    QTest::newRow("RTF only") << folder << "*.RTF"
                              << QStringList{"a.rtf", "brief.rtf", "KOLORAT.RTF", "Zebra.RTF", "über.rtf"};
    QTest::newRow("TXT only") << folder << "*.TXT" << QStringList{"Anna.TXT", "notiz.Txt"};
    QTest::newRow("pattern in lower case") << folder << "*.txt" << QStringList{"Anna.TXT", "notiz.Txt"};
    QTest::newRow("an extension no file has") << folder << "*.ZAF" << QStringList{};
    QTest::newRow("star dot star lists everything, names without dot too")
        << folder << "*.*" << QStringList{"a.rtf",       "alt.rtf.bak", "Anna.TXT",  "bild.png",  "brief.rtf",
                                          "KOLORAT.RTF", "LIESMICH",    "notiz.Txt", "Zebra.RTF", "über.rtf"};
    QTest::newRow("question mark is one character") << folder << "?.RTF" << QStringList{"a.rtf"};
    QTest::newRow("blanks around patterns")
        << folder << " *.png ; *.TXT " << QStringList{"Anna.TXT", "bild.png", "notiz.Txt"};
    QTest::newRow("a whole name") << folder << "kolorat.rtf" << QStringList{"KOLORAT.RTF"};
    QTest::newRow("regex characters are plain") << QStringList{"a+b.rtf", "aab.rtf", "[x].txt", "x.txt"}
                                                << "a+b.rtf;[x].txt" << QStringList{"[x].txt", "a+b.rtf"};
    QTest::newRow("empty pattern lists nothing") << folder << "" << QStringList{};
    QTest::newRow("names equal but for case keep a fixed order")
        << QStringList{"b.rtf", "B.RTF", "a.rtf"} << "*.rtf" << QStringList{"a.rtf", "B.RTF", "b.rtf"};
}

void ServicesTest::fileListMatching()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    QCOMPARE(FileListBox::matching(entries, pattern), expected);
}

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("x");
}

} // namespace

void ServicesTest::fileListReadsFolder_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("start pattern") << "*.RTF;*.TXT" << QStringList{"Brief.rtf", "KOLORAT.TXT", "zahlen.RTF"};
    QTest::newRow("all files, no folders")
        << "*.*" << QStringList{"Brief.rtf", "KOLORAT.TXT", "notiz.doc", "zahlen.RTF"};
}

void ServicesTest::fileListReadsFolder()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char *name : {"zahlen.RTF", "Brief.rtf", "KOLORAT.TXT", "notiz.doc"})
        touch(dir.filePath(QString::fromLatin1(name)));
    // A folder whose name matches the pattern is not a file to load.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ORDNER.RTF")));

    FileListBox box;
    box.setPath(dir.path());
    box.setPattern(pattern);
    QCOMPARE(box.path(), dir.path());
    QCOMPARE(box.pattern(), pattern);
    QCOMPARE(box.fileNames(), expected);
    QCOMPARE(box.fileCount(), expected.size());
    QCOMPARE(box.fileName(0), expected.first());
    QCOMPARE(box.fileName(expected.size()), QString());
}

void ServicesTest::fileListRefreshAndSelection()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath(QStringLiteral("B.RTF")));
    touch(dir.filePath(QStringLiteral("D.TXT")));

    FileListBox box;
    QVERIFY(!box.accessibleName().isEmpty());
    QCOMPARE(box.accessibleName(), QStringLiteral("Dateiauswahl"));
    QSignalSpy clicks(&box, &FileListBox::fileClicked);
    box.setPath(dir.path());
    box.setPattern(QStringLiteral("*.RTF;*.TXT"));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(box.selectedIndex(), -1);
    QCOMPARE(box.selectedFileName(), QString());

    box.setSelectedIndex(1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(box.selectedIndex(), 1);
    QCOMPARE(box.selectedFileName(), QStringLiteral("D.TXT"));

    // A file saved meanwhile appears after the refresh; the selection is gone.
    touch(dir.filePath(QStringLiteral("A.RTF")));
    QCOMPARE(box.fileCount(), 2);
    box.setPattern(QStringLiteral("*.ZAF"));
    box.setPattern(QStringLiteral("*.RTF;*.TXT"));
    QCOMPARE(box.fileNames(), (QStringList{"A.RTF", "B.RTF", "D.TXT"}));
    QCOMPARE(box.selectedIndex(), -1);
    QCOMPARE(clicks.count(), 1);

    box.setSelectedIndex(0);
    QCOMPARE(box.selectedFileName(), QStringLiteral("A.RTF"));
    box.setSelectedIndex(-1);
    QCOMPARE(box.selectedIndex(), -1);
    QCOMPARE(clicks.count(), 3);

    // Showing and focusing the list chooses nothing; the user's click
    // chooses the entry and says so once, also when clicked again.
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QApplication::setActiveWindow(&box);
    box.setFocus();
    QTRY_VERIFY(box.hasFocus());
    QCOMPARE(box.currentRow(), 0);     // Qt makes a row current on focus ...
    QCOMPARE(box.selectedIndex(), -1); // ... but nothing is chosen
    QCOMPARE(clicks.count(), 3);
    const QRect second = box.visualItemRect(box.item(2));
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(box.selectedFileName(), QStringLiteral("D.TXT"));
    QCOMPARE(clicks.count(), 4);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(clicks.count(), 5);
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.selectedFileName(), QStringLiteral("B.RTF"));
    QCOMPARE(clicks.count(), 6);
}

void ServicesTest::manualTimersFireInOrder()
{
    ManualTimers timers;
    QObject owner;
    QStringList ran;
    timers.singleShot(100, &owner, [&] {
        ran << QStringLiteral("start");
        timers.singleShot(200, &owner, [&] { ran << QStringLiteral("armed while firing"); });
    });
    timers.singleShot(500, nullptr, [&] { ran << QStringLiteral("fonts"); });
    QCOMPARE(timers.pendingDelays(), (QList<int>{100, 500}));
    QVERIFY(ran.isEmpty());

    QVERIFY(timers.fireNext());
    QCOMPARE(ran, QStringList{"start"});
    QCOMPARE(timers.pendingDelays(), (QList<int>{500, 200}));
    QCOMPARE(timers.fireAll(), 2);
    QCOMPARE(ran, (QStringList{"start", "fonts", "armed while firing"}));
    QCOMPARE(timers.pendingCount(), 0);
    QVERIFY(!timers.fireNext());
}

void ServicesTest::manualTimersDropDestroyedContext()
{
    ManualTimers timers;
    int runs = 0;
    {
        QObject window;
        timers.singleShot(200, &window, [&] { ++runs; });
    }
    auto survivor = std::make_unique<QObject>();
    timers.singleShot(200, survivor.get(), [&] { runs += 10; });
    QCOMPARE(timers.fireAll(), 1);
    QCOMPARE(runs, 10);
}

void ServicesTest::qtTimersFireOnce()
{
    QtTimers timers;
    QObject owner;
    int runs = 0;
    timers.singleShot(20, &owner, [&] { ++runs; });
    QCOMPARE(runs, 0);
    QTRY_COMPARE(runs, 1);
    QTest::qWait(60);
    QCOMPARE(runs, 1);

    int orphanRuns = 0;
    {
        QObject gone;
        timers.singleShot(10, &gone, [&] { ++orphanRuns; });
    }
    QTest::qWait(60);
    QCOMPARE(orphanRuns, 0);
}

void ServicesTest::clipboardLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CR LF") << "Ro\u00ADsi\u00ADne\r\nHaus"
                           << "Ro\u00ADsi\u00ADne\nHaus";
    QTest::newRow("empty paragraph") << "a\r\n\r\nb"
                                     << "a\n\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\nb";
    QTest::newRow("umlauts and sharp s unchanged") << "Grüße"
                                                   << "Grüße";
}

void ServicesTest::clipboardLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(clipboardText(text), stored);

    QtClipboard clipboard;
    clipboard.clear();
    clipboard.setText(text);
    QCOMPARE(QGuiApplication::clipboard()->text(), stored);
}

void ServicesTest::recordingClipboard()
{
    RecordingClipboard clipboard;
    clipboard.setText(QStringLiteral("alt"));
    clipboard.clear();
    QCOMPARE(clipboard.text(), QString());
    clipboard.setText(QStringLiteral("Ro\u00ADse\r\n"));
    QCOMPARE(clipboard.text(), QStringLiteral("Ro\u00ADse\r\n"));
    QCOMPARE(clipboard.clearCount(), 1);
    QCOMPARE(clipboard.setCount(), 2);
}

void ServicesTest::windowIconIsLightKOnDarkSquare_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d pixels", size) << size;
}

void ServicesTest::windowIconIsLightKOnDarkSquare()
{
    QFETCH(int, size);
    const QIcon icon = windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    // Points in the 256 grid: inside the stem, inside both arms, and empty
    // square left of the stem, between the arms and below the K.
    auto at = [&](int x, int y) { return QColor(image.pixel(x * size / 256, y * size / 256)); };
    for (const QPoint light : {QPoint(85, 128), QPoint(85, 60), QPoint(200, 52), QPoint(200, 200)})
        QVERIFY2(at(light.x(), light.y()).lightness() > 180,
                 qPrintable(QStringLiteral("light at %1,%2").arg(light.x()).arg(light.y())));
    for (const QPoint dark : {QPoint(30, 128), QPoint(160, 128), QPoint(128, 240), QPoint(230, 128)})
        QVERIFY2(at(dark.x(), dark.y()).lightness() < 90 && at(dark.x(), dark.y()).alpha() == 255,
                 qPrintable(QStringLiteral("dark at %1,%2").arg(dark.x()).arg(dark.y())));
}

void ServicesTest::workingFolder_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("documentsExist");
    QTest::addColumn<QString>("expected"); // "home", "documents", "current"

    QTest::newRow("terminal keeps its folder") << "texte" << true << true << "current";
    QTest::newRow("terminal in home stays in home") << "home" << true << true << "home";
    QTest::newRow("menu start in root goes to documents") << "/" << false << true << "documents";
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
    QVERIFY(base.isValid());
    const QString home = base.filePath(QStringLiteral("home"));
    const QString documents = base.filePath(QStringLiteral("home/Dokumente"));
    const QString texts = base.filePath(QStringLiteral("texte"));
    QVERIFY(QDir().mkpath(home));
    QVERIFY(QDir().mkpath(texts));
    if (documentsExist)
        QVERIFY(QDir().mkpath(documents));
    const QString start = current == QLatin1String("/") ? QStringLiteral("/")
        : current == QLatin1String("home")              ? home
                                                        : texts;
    const QString want = expected == QLatin1String("home") ? home
        : expected == QLatin1String("documents")           ? documents
                                                           : start;
    QCOMPARE(chooseWorkingFolder(start, home, documents, terminal), want);
}

void ServicesTest::helpFileInCurrentFolderFirst()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString elsewhere = findHelpFile(folder.path());
    // Without a copy in the folder: an installed or source copy, never one
    // that does not exist.
    QVERIFY(elsewhere.isEmpty() || QFileInfo(elsewhere).isFile());
    QVERIFY(!elsewhere.startsWith(folder.path()));

    touch(folder.filePath(QStringLiteral("KOLORATHELP.RTF")));
    QCOMPARE(findHelpFile(folder.path()), QDir::cleanPath(folder.filePath(QStringLiteral("KOLORATHELP.RTF"))));
}

void ServicesTest::centreWindowOnScreen()
{
    QWidget window;
    centreWindow(&window, 10900, 8900);
    const qreal dpi = window.screen()->logicalDotsPerInch();
    QCOMPARE(window.size(), QSize(platform::twipsToPixels(10900, dpi), platform::twipsToPixels(8900, dpi)));
    const QRect area = window.screen()->availableGeometry();
    QVERIFY(qAbs(window.x() - area.x() - (area.width() - window.width()) / 2) <= 1);
    QVERIFY(qAbs(window.y() - area.y() - (area.height() - window.height()) / 2) <= 1);
    QVERIFY(window.x() != 0 || area.width() <= window.width());
    const QSize screenTwips = screenSizeTwips();
    QCOMPARE(screenTwips.width(), pixelsToTwips(area.width(), dpi));
}

QTEST_MAIN(ServicesTest)
#include "tst_services.moc"
