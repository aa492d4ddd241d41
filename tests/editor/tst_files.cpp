// The file browser, loading (Windows-1252, UTF-8, rich text with its colours
// read back), saving in every form, and the help text.
#include "platform/filelistbox.h"
#include "platform/styledtextdump.h"
#include "support/editorfixture.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

namespace {

const QString kLetter = QStringLiteral("Grüße aus Köln.\r\nDas Mäd-chen liest.");

// Clicks the browser's entry `name`, answering first that the changed text
// may go, then that an unreadable file was reported.
void load(EditorFixture &f, const QString &name, bool unreadable = false)
{
    auto *browser = f.control<platform::FileListBox>("File1");
    f.dialogs.queue({Answer::No});
    if (unreadable)
        f.dialogs.queue({Answer::Ok});
    browser->setSelectedIndex(int(browser->fileNames().indexOf(name)));
    QVERIFY(f.dialogs.verifyAllAnswered());
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void loadingTakesTextAndColours_data();
    void loadingTakesTextAndColours();
    void everySaveWritesItsForm();
    void helpTextReplacesTheTextUnasked();

private:
    std::unique_ptr<EditorFixture> f;
};

void TestFiles::init()
{
    f = std::make_unique<EditorFixture>();
    for (const QString name : {"brief.txt", "UTF8.TXT", "LAUTE.RTF", "KAPUTT.RTF"})
        f->copyData(QStringLiteral("editor/") + name, name);
    f->writeFile(QStringLiteral("NOTIZ.DOC"), "x");
    f->window.refreshFileList();
    f->start();
    f->dialogs.clear();
}

void TestFiles::loadingTakesTextAndColours_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("listed"); // names compared without case, no NOTIZ.DOC
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // empty: unreadable, reported by name
    QTest::addColumn<Colour>("capitals");
    const Colour unchanged = textcore::SoundColours{}[textcore::SoundClass::Capitals];
    const QStringList all{"brief.txt", "KAPUTT.RTF", "LAUTE.RTF", "UTF8.TXT"}, rtf{"KAPUTT.RTF", "LAUTE.RTF"};
    QTest::newRow("Windows-1252, lower-case name")
        << "filterTxtButton" << QStringList{"brief.txt", "UTF8.TXT"} << "brief.txt" << kLetter << textcore::kBlack;
    QTest::newRow("UTF-8") << "filterAllButton" << all << "UTF8.TXT" << kLetter << textcore::kBlack;
    QTest::newRow("rich text coloured by sounds") << "filterRtfButton" << rtf << "LAUTE.RTF"
                                                  << "Backe." << textcore::kRed;
    QTest::newRow("unreadable file keeps every colour")
        << "filterRtfButton" << rtf << "KAPUTT.RTF" << QString() << unchanged;
}

void TestFiles::loadingTakesTextAndColours()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, listed);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(Colour, capitals);
    f->control<QPushButton>(qPrintable(filter))->click();
    QCOMPARE(f->window.listedFileNames(), listed);
    f->control<QToolButton>("clickModeButton")->click();
    load(*f, name, text.isEmpty());
    // Loading leaves click mode and hides the separators first, so the
    // file's marks stand as written.
    QCOMPARE(f->control<QToolButton>("clickModeButton")->text(), QStringLiteral("Klickmodus ein"));
    QCOMPARE(f->control<QPushButton>("separatorButton")->text(), QStringLiteral("Trennzeichen ein"));
    QCOMPARE(f->info(), QStringLiteral("Sie können den Text jetzt bearbeiten."));
    QCOMPARE(f->field().text(), text);
    QCOMPARE(f->session.sound().colours[textcore::SoundClass::Capitals], capitals);
    if (text.isEmpty())
        QVERIFY(f->dialogs.lastCall().prompt.contains(name));
    // The loaded text counts as unchanged: the next file loads unasked.
    const qsizetype boxes = f->dialogs.calls().size();
    f->control<QPushButton>("filterAllButton")->click();
    f->control<platform::FileListBox>("File1")->setSelectedIndex(0);
    QCOMPARE(f->dialogs.calls().size(), boxes);
    QCOMPARE(f->field().text(), kLetter);
}

void TestFiles::everySaveWritesItsForm()
{
    struct Save {
        const char *entry, *answer, *file;
        QByteArray bytes; // empty: RTF, loaded back
        QString pattern;  // the browser's afterwards
    };
    const Save saves[] = {
        {"saveRtfEntry", "text_s.rtf", "TEXT_S.RTF", {}, QStringLiteral("*.RTF")},
        {"saveTxtEntry", "neu.txt", "NEU.TXT",
         "Ab\xAD"
         "ba \xC4rger",
         QStringLiteral("*.TXT")},                                                  // soft hyphens kept
        {"savePlainEntry", "neu", "NEU", "Abba \xC4rger", QStringLiteral("*.TXT")}, // no ending added
        {"savePlainEntry", "essen", "ESSEN", "\xEF\xBB\xBF" + QStringLiteral("Ćevapčići").toUtf8(),
         QStringLiteral("*.TXT")},
        {"savePdfEntry", "blatt", "BLATT.PDF", "%PDF-", QStringLiteral("*.TXT")}, // the browser stays
    };
    QByteArray rtfSaved;
    for (const Save &save : saves) {
        const QString text
            = save.bytes.startsWith("\xEF") ? QStringLiteral("Će=vap=či=ći") : QStringLiteral("Ab=ba Ärger");
        f->field().setStyledText({{text, {textcore::rgb(0, 0, 255), QStringLiteral("Verdana"), 20, true, false}}});
        f->control<QPushButton>("separatorButton")->click(); // saving hides them again
        f->trigger(save.entry, {QString::fromLatin1(save.answer), Answer::Ok});
        QVERIFY2(f->dialogs.verifyAllAnswered(), save.file);
        QCOMPARE(f->control<QPushButton>("separatorButton")->text(), QStringLiteral("Trennzeichen ein"));
        QCOMPARE(f->control<platform::FileListBox>("File1")->pattern(), save.pattern);
        const QByteArray written = f->readFile(QString::fromLatin1(save.file));
        QCOMPARE(save.bytes == "%PDF-" ? written.left(5) : written, save.bytes.isEmpty() ? written : save.bytes);
        if (save.bytes.isEmpty())
            rtfSaved = platform::dumpStyledText(f->field().styledText());
    }
    f->control<QPushButton>("filterAllButton")->click();
    load(*f, QStringLiteral("TEXT_S.RTF"));
    QCOMPARE(platform::dumpStyledText(f->field().styledText()), rtfSaved);
}

void TestFiles::helpTextReplacesTheTextUnasked()
{
    // The help shipped with the program, then the folder's own, found without regard to case.
    for (const QString &startsWith : {QStringLiteral("Kolorat – die farbige Lesehilfe"), QStringLiteral("Backe.")}) {
        const QByteArray before = platform::dumpStyledText(f->field().styledText());
        f->trigger("manualEntry");
        QVERIFY(f->dialogs.calls().isEmpty());
        QVERIFY2(f->field().text().startsWith(startsWith), qPrintable(f->field().text().left(40)));
        // The replaced text, colours and all, comes back with one undo step.
        f->field().document()->undo();
        QCOMPARE(platform::dumpStyledText(f->field().styledText()), before);
        // Unchanged after loading it: a file loads without the question.
        f->trigger("manualEntry");
        f->control<platform::FileListBox>("File1")->setSelectedIndex(0);
        QCOMPARE(f->field().text(), kLetter);
        QVERIFY(f->dialogs.calls().isEmpty());
        f->copyData(QStringLiteral("editor/LAUTE.RTF"), QStringLiteral("kolorathelp.rtf"));
    }
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
