// Saving a colour window's text: the name rules, the question before
// replacing a file, the write itself and the hand-over to the editor.
#include "platform/colouredtextsave.h"
#include "platform/richtextfield.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using platform::Answer;

namespace {

struct Editor {
    QStringList loaded;
    int refreshes = 0;

    platform::SaveDestination destination(const QString &folder, const QStringList &listed)
    {
        return {folder, listed, [this](const QString &path) { loaded.append(path); }, [this] { ++refreshes; }};
    }
};

QStringList titles(const testsupport::ScriptedDialogs &dialogs)
{
    QStringList out;
    for (const testsupport::DialogCall &call : dialogs.calls())
        out.append(call.title);
    return out;
}

struct SaveCase {
    QString typed;
    QStringList listed;
    QString onDisk;      // a file already in the folder
    QStringList answers; // to the boxes after the name
    QStringList boxes;   // the titles of every box shown
    QString saved;       // the file written, empty when none
};

} // namespace

Q_DECLARE_METATYPE(SaveCase)

class ColouredTextSaveTest : public QObject {
    Q_OBJECT
private slots:
    void save_data();
    void save();
    void savedFileHoldsTheColours();
    void failedWriteSaysSoAndHandsNothingOver();
};

void ColouredTextSaveTest::save_data()
{
    QTest::addColumn<SaveCase>("c");
    const QString ask = QStringLiteral("Textseite speichern");
    const QString done = QStringLiteral("Textdatei sichern");
    const QString refused = QStringLiteral("Unerlaubter Dateiname");
    const QString brief = QStringLiteral("BRIEF.RTF");
    const auto row = [](const char *name, SaveCase c) { QTest::newRow(name) << c; };
    row("brief saves BRIEF without extension or question", {"brief", {"BRIEF.RTF"}, "", {"Ok"}, {ask, done}, "BRIEF"});
    row("umlauts upper-cased, sharp s kept", {"straße_ü.rtf", {}, "", {"Ok"}, {ask, done}, "STRAßE_Ü.RTF"});
    row("listed brief.rtf asks, Yes replaces",
        {"brief.rtf", {"BRIEF.RTF"}, brief, {"Yes", "Ok"}, {ask, brief, done}, brief});
    row("listed brief.rtf asks, No keeps it", {"brief.rtf", {"brief.rtf"}, "", {"No"}, {ask, brief}, ""});
    row("listed and on disk, No keeps the old file", {"Brief.rtf", {"brief.rtf"}, brief, {"No"}, {ask, brief}, ""});
    row("existing file the browser does not list asks too", {"notizen", {}, "NOTIZEN", {"No"}, {ask, "NOTIZEN"}, ""});
    row("help file name refused", {"kolorathelp.rtf", {}, "", {"Ok"}, {ask, refused}, ""});
    row("help file name in mixed case refused", {"KoloratHelp.rtf", {}, "", {"Ok"}, {ask, refused}, ""});
    row("name with a folder refused", {"../weg.rtf", {}, "", {"Ok"}, {ask, refused}, ""});
    row("backslash refused", {"a\\b.rtf", {}, "", {"Ok"}, {ask, refused}, ""});
    row("cancel saves nothing", {"", {}, "", {}, {ask}, ""});
}

void ColouredTextSaveTest::save()
{
    QFETCH(SaveCase, c);
    const QString &typed = c.typed;
    const QStringList &listed = c.listed;
    const QString &onDisk = c.onDisk;
    const QStringList &answers = c.answers;
    const QStringList &boxes = c.boxes;
    const QString &saved = c.saved;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir folder(dir.path());
    if (!onDisk.isEmpty()) {
        QFile old(folder.filePath(onDisk));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    platform::RichTextField field;
    field.setText(QStringLiteral("Die Katze."));
    testsupport::ScriptedDialogs dialogs;
    dialogs.queueInput(typed);
    for (const QString &answer : answers)
        dialogs.queueAnswer(answer == QLatin1String("Yes")      ? Answer::Yes
                                : answer == QLatin1String("No") ? Answer::No
                                                                : Answer::Ok);
    Editor editor;
    const bool written
        = platform::saveColouredText(field, dialogs, editor.destination(dir.path() + QLatin1Char('/'), listed));
    QVERIFY(dialogs.verifyAllAnswered());
    QCOMPARE(titles(dialogs), boxes);
    QCOMPARE(written, !saved.isEmpty());

    const QList<testsupport::DialogCall> &calls = dialogs.calls();
    QCOMPARE(calls.front().prompt,
             QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert."));
    QCOMPARE(calls.front().proposed, QStringLiteral("KOLORAT.RTF"));
    if (typed.toUpper() == QLatin1String("KOLORATHELP.RTF"))
        QCOMPARE(calls[1].prompt,
                 QStringLiteral("Der Dateiname KOLORATHELP.RTF ist\rfür die KOLORAT-Hilfedatei reserviert.\r\r"));
    if (answers.contains(QLatin1String("Yes")) || answers.contains(QLatin1String("No"))) {
        QCOMPARE(calls[1].prompt,
                 QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die "
                                "vorhandene Datei hiermit ersetzen?\r\r"));
        QCOMPARE(calls[1].buttons, platform::Buttons::YesNo);
        QCOMPARE(calls[1].defaultButton, Answer::No);
    }

    if (saved.isEmpty()) {
        QVERIFY(editor.loaded.isEmpty());
        QCOMPARE(editor.refreshes, 0);
        QCOMPARE(folder.entryList(QDir::Files), onDisk.isEmpty() ? QStringList{} : QStringList{onDisk});
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("../WEG.RTF"))));
        if (!onDisk.isEmpty()) {
            QFile old(folder.filePath(onDisk));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("alt"));
        }
        return;
    }
    const QString path = folder.filePath(saved);
    QCOMPARE(folder.entryList(QDir::Files), QStringList{saved});
    QCOMPARE(editor.loaded, QStringList{path});
    QCOMPARE(editor.refreshes, 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("{\\rtf"));
    QCOMPARE(calls.last().prompt, saved + QStringLiteral(" wurde gespeichert.\r\r"));
    QCOMPARE(calls.last().icon, platform::Icon::Information);
}

void ColouredTextSaveTest::savedFileHoldsTheColours()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    platform::RichTextField field;
    field.setText(QStringLiteral("Ab"));
    field.applyColours({textcore::rgb(255, 0, 0), textcore::rgb(0, 0, 255)});
    testsupport::ScriptedDialogs dialogs;
    dialogs.queueInput(QStringLiteral("farben.rtf"));
    dialogs.queueAnswer(Answer::Ok);
    Editor editor;
    QVERIFY(platform::saveColouredText(field, dialogs, editor.destination(dir.path() + QLatin1Char('/'), {})));

    platform::RichTextField back;
    QVERIFY(back.loadFile(QDir(dir.path()).filePath(QStringLiteral("FARBEN.RTF")), platform::FileKind::Rtf).ok());
    QCOMPARE(back.text(), QStringLiteral("Ab"));
    QCOMPARE(back.coloursOfAllPositions(), field.coloursOfAllPositions());
}

void ColouredTextSaveTest::failedWriteSaysSoAndHandsNothingOver()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A folder of that name cannot be replaced by a file.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ORDNER")));
    platform::RichTextField field;
    field.setText(QStringLiteral("Die Katze."));
    testsupport::ScriptedDialogs dialogs;
    dialogs.queueInput(QStringLiteral("ordner"));
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueAnswer(Answer::Ok);
    Editor editor;
    QVERIFY(!platform::saveColouredText(field, dialogs, editor.destination(dir.path() + QLatin1Char('/'), {})));
    QVERIFY(dialogs.verifyAllAnswered());
    QCOMPARE(dialogs.lastCall().title, QStringLiteral("Dateifehler"));
    QVERIFY(!dialogs.lastCall().prompt.isEmpty());
    QVERIFY(editor.loaded.isEmpty());
    QCOMPARE(editor.refreshes, 0);
}

QTEST_MAIN(ColouredTextSaveTest)
#include "tst_colouredtextsave.moc"
