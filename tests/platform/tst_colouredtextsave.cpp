// Saving a colour window's text: the name rules, the question before
// replacing a file, the write itself and the hand-over to the editor.
#include "platform/colouredtextsave.h"
#include "platform/richtextfield.h"
#include "platform/scripteddialogs.h"

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

QStringList titles(const platform::ScriptedDialogs &dialogs)
{
    QStringList out;
    for (const platform::DialogCall &call : dialogs.calls())
        out.append(call.title);
    return out;
}

} // namespace

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
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QStringList>("answers"); // to the boxes after the name
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("saved");
    const QString ask = QStringLiteral("Textseite speichern");
    const QString done = QStringLiteral("Textdatei sichern");
    const QString refused = QStringLiteral("Unerlaubter Dateiname");
    QTest::newRow("brief saves BRIEF without extension or question")
        << "brief" << QStringList{"BRIEF.RTF"} << "" << QStringList{"Ok"} << QStringList{ask, done} << "BRIEF";
    QTest::newRow("umlauts upper-cased, sharp s kept")
        << "straße_ü.rtf" << QStringList{} << "" << QStringList{"Ok"} << QStringList{ask, done} << "STRAßE_Ü.RTF";
    QTest::newRow("listed brief.rtf asks, Yes replaces")
        << "brief.rtf" << QStringList{"BRIEF.RTF"} << "BRIEF.RTF" << QStringList{"Yes", "Ok"}
        << QStringList{ask, "BRIEF.RTF", done} << "BRIEF.RTF";
    QTest::newRow("listed brief.rtf asks, No keeps it")
        << "brief.rtf" << QStringList{"brief.rtf"} << "" << QStringList{"No"} << QStringList{ask, "BRIEF.RTF"} << "";
    QTest::newRow("listed and on disk, No keeps the old file")
        << "Brief.rtf" << QStringList{"brief.rtf"} << "BRIEF.RTF" << QStringList{"No"} << QStringList{ask, "BRIEF.RTF"}
        << "";
    QTest::newRow("existing file the browser does not list asks too")
        << "notizen" << QStringList{} << "NOTIZEN" << QStringList{"No"} << QStringList{ask, "NOTIZEN"} << "";
    QTest::newRow("help file name refused")
        << "kolorathelp.rtf" << QStringList{} << "" << QStringList{"Ok"} << QStringList{ask, refused} << "";
    QTest::newRow("help file name in mixed case refused")
        << "KoloratHelp.rtf" << QStringList{} << "" << QStringList{"Ok"} << QStringList{ask, refused} << "";
    QTest::newRow("name with a folder refused")
        << "../weg.rtf" << QStringList{} << "" << QStringList{"Ok"} << QStringList{ask, refused} << "";
    QTest::newRow("backslash refused") << "a\\b.rtf" << QStringList{} << "" << QStringList{"Ok"}
                                       << QStringList{ask, refused} << "";
    QTest::newRow("cancel saves nothing") << "" << QStringList{} << "" << QStringList{} << QStringList{ask} << "";
}

void ColouredTextSaveTest::save()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    QFETCH(QString, onDisk);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, boxes);
    QFETCH(QString, saved);
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
    platform::ScriptedDialogs dialogs;
    dialogs.queueInput(typed);
    for (const QString &answer : answers)
        dialogs.queueAnswer(answer == QLatin1String("Yes") ? Answer::Yes
                            : answer == QLatin1String("No") ? Answer::No
                                                            : Answer::Ok);
    Editor editor;
    const bool written =
        platform::saveColouredText(field, dialogs, editor.destination(dir.path() + QLatin1Char('/'), listed));
    QVERIFY(dialogs.verifyAllAnswered());
    QCOMPARE(titles(dialogs), boxes);
    QCOMPARE(written, !saved.isEmpty());

    const QList<platform::DialogCall> &calls = dialogs.calls();
    QCOMPARE(calls.front().prompt,
             QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert."));
    QCOMPARE(calls.front().proposed, QStringLiteral("KOLORAT.RTF"));
    if (typed.toUpper() == QLatin1String("KOLORATHELP.RTF"))
        QCOMPARE(calls[1].prompt,
                 QStringLiteral("Der Dateiname KOLORATHELP.RTF ist\rfür die KOLORAT-Hilfedatei reserviert.\r\r"));
    if (answers.contains(QLatin1String("Yes")) || answers.contains(QLatin1String("No"))) {
        QCOMPARE(calls[1].prompt, QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die "
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
    platform::ScriptedDialogs dialogs;
    dialogs.queueInput(QStringLiteral("farben.rtf"));
    dialogs.queueAnswer(Answer::Ok);
    Editor editor;
    QVERIFY(platform::saveColouredText(field, dialogs, editor.destination(dir.path() + QLatin1Char('/'), {})));

    platform::RichTextField back;
    QVERIFY(back.loadFile(QDir(dir.path()).filePath(QStringLiteral("FARBEN.RTF")), platform::FileKind::Rtf));
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
    platform::ScriptedDialogs dialogs;
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
