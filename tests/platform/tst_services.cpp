// The small platform services the windows use: dialogs, keys, twips, file
// list, timers, clipboard, printer, icon and the start folder.
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/scripteddialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace platform;

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
};

void ServicesTest::promptLineBreaks_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lines joined with CR") << "Datei ''KOLORAT.INI'' fehlt\roder ist fehlerhaft."
                                          << "Datei ''KOLORAT.INI'' fehlt\noder ist fehlerhaft.";
    QTest::newRow("two trailing CR stay empty lines") << "Das Programm jetzt beenden?\r\r"
                                                      << "Das Programm jetzt beenden?\n\n";
    QTest::newRow("CR LF is one line break") << "a\r\nb" << "a\nb";
    QTest::newRow("LF alone") << "a\nb" << "a\nb";
    QTest::newRow("CR CR LF is two line breaks") << "a\r\r\nb" << "a\n\nb";
    QTest::newRow("no line break") << "Drucken" << "Drucken";
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
    QTest::newRow("Yes as default is kept") << Buttons::YesNo << Answer::Yes << true << Answer::No << Answer::No
                                            << Answer::Yes << false;
    QTest::newRow("OK box answered Ok") << Buttons::Ok << Answer::Ok << true << Answer::Ok << Answer::Ok
                                        << Answer::Ok << false;
    QTest::newRow("unexpected Yes/No answers its default No")
        << Buttons::YesNo << Answer::No << false << Answer::Ok << Answer::No << Answer::No << true;
    QTest::newRow("unexpected Yes/No with Yes default answers Yes")
        << Buttons::YesNo << Answer::Yes << false << Answer::Ok << Answer::Yes << Answer::Yes << true;
    QTest::newRow("unexpected OK box") << Buttons::Ok << Answer::Ok << false << Answer::Ok << Answer::Ok
                                       << Answer::Ok << true;
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
    const Answer answer =
        dialogs.message(MessageRequest{prompt, QStringLiteral("BRIEF.RTF"), buttons, Icon::Question, requestedDefault});

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
    QTest::newRow("message answer queued instead")
        << QStringList{"answer:Yes"} << "" << true << 1;
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
    const QString prompt = QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert.");
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
    const Answer answer =
        dialogs.message(MessageRequest{QStringLiteral("<b>BRIEF.RTF</b> wurde gespeichert.\r\r"),
                                       QStringLiteral("Textdatei sichern"), buttons, icon, requestedDefault});

    QCOMPARE(seenText, QStringLiteral("<b>BRIEF.RTF</b> wurde gespeichert.\n\n"));
    QCOMPARE(seenFormat, Qt::PlainText);
    QCOMPARE(seenTitle, QStringLiteral("Textdatei sichern"));
    QCOMPARE(seenDefault, expectedDefault);
    QCOMPARE(seenIcon, icon_);
    const int expectedButtons =
        buttons == Buttons::Ok ? int(QMessageBox::Ok) : int(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seenButtons, expectedButtons);
    const Answer expectedAnswer = expectedDefault == int(QMessageBox::Yes)  ? Answer::Yes
                                  : expectedDefault == int(QMessageBox::No) ? Answer::No
                                                                            : Answer::Ok;
    QCOMPARE(answer, expectedAnswer);
}

void ServicesTest::qtInputBoxCancelGivesEmpty_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("proposed answer accepted") << true << QString() << "KOLORAT.RTF";
    QTest::newRow("typed answer accepted") << true << "brief.rtf" << "brief.rtf";
    QTest::newRow("cancel gives empty") << false << "brief.rtf" << "";
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

QTEST_MAIN(ServicesTest)
#include "tst_services.moc"
