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

// Clicks the browser's entry `name`, after answering that the changed text
// may go, and then with `more`.
void load(EditorFixture &f, const QString &name, std::initializer_list<std::variant<Answer, QString>> more = {})
{
    auto *browser = f.control<platform::FileListBox>("File1");
    f.queue({Answer::No});
    f.queue(more);
    browser->setSelectedIndex(int(browser->fileNames().indexOf(name)));
    QVERIFY(f.dialogs.verifyAllAnswered());
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void filterButtonsChooseWhatIsListed();
    void loadingTakesTextAndColours_data();
    void loadingTakesTextAndColours();
    void emptyingTheTextClearsTheBrowserSelection();
    void everySaveWritesItsForm();
    void failedSaveKeepsTheOldFile();
    void helpTextReplacesTheTextUnasked();

private:
    std::unique_ptr<EditorFixture> f;
};

void TestFiles::init()
{
    f = std::make_unique<EditorFixture>();
    f->copyData(QStringLiteral("editor/brief.txt"), QStringLiteral("brief.txt"));
    f->copyData(QStringLiteral("editor/UTF8.TXT"), QStringLiteral("UTF8.TXT"));
    f->copyData(QStringLiteral("editor/LAUTE.RTF"), QStringLiteral("LAUTE.RTF"));
    f->copyData(QStringLiteral("editor/KAPUTT.RTF"), QStringLiteral("KAPUTT.RTF"));
    f->writeFile(QStringLiteral("NOTIZ.DOC"), "x");
    f->window.refreshFileList();
    f->start();
    f->dialogs.clear();
}

void TestFiles::filterButtonsChooseWhatIsListed()
{
    const std::pair<const char *, QStringList> filters[] = {
        {"filterRtfButton", {"KAPUTT.RTF", "LAUTE.RTF"}},
        {"filterTxtButton", {"brief.txt", "UTF8.TXT"}},                            // names compared without case
        {"filterAllButton", {"brief.txt", "KAPUTT.RTF", "LAUTE.RTF", "UTF8.TXT"}}, // no NOTIZ.DOC
    };
    for (const auto &[button, listed] : filters) {
        f->control<QPushButton>(button)->click();
        QCOMPARE(f->window.listedFileNames(), listed);
    }
}

void TestFiles::loadingTakesTextAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // empty: unreadable, reported by name
    QTest::addColumn<Colour>("capitals");
    const Colour unchanged = textcore::SoundColours{}[textcore::SoundClass::Capitals];
    QTest::newRow("Windows-1252, lower-case name") << "brief.txt" << kLetter << textcore::kBlack;
    QTest::newRow("UTF-8") << "UTF8.TXT" << kLetter << textcore::kBlack;
    QTest::newRow("rich text coloured by sounds") << "LAUTE.RTF"
                                                  << "Backe." << textcore::kRed;
    QTest::newRow("unreadable file keeps every colour") << "KAPUTT.RTF" << QString() << unchanged;
}

void TestFiles::loadingTakesTextAndColours()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(Colour, capitals);
    f->control<QToolButton>("clickModeButton")->click();
    load(*f, name,
         text.isEmpty() ? std::initializer_list<std::variant<Answer, QString>>{Answer::Ok}
                        : std::initializer_list<std::variant<Answer, QString>>{});
    // Loading leaves click mode and hides the separators first, so the
    // file's marks stand as written.
    QCOMPARE(f->control<QToolButton>("clickModeButton")->text(), QStringLiteral("Klickmodus ein"));
    QCOMPARE(f->control<QPushButton>("separatorButton")->text(), QStringLiteral("Trennzeichen ein"));
    QCOMPARE(f->info(), QStringLiteral("Sie können den Text jetzt bearbeiten."));
    QVERIFY(f->dialogs.verifyAllAnswered());
    QCOMPARE(f->field().text(), text);
    QCOMPARE(f->session.sound().colours[textcore::SoundClass::Capitals], capitals);
    if (text.isEmpty())
        QVERIFY(f->dialogs.lastCall().prompt.contains(name));
    // The loaded text counts as unchanged: the next file loads unasked.
    const qsizetype boxes = f->dialogs.calls().size();
    f->control<platform::FileListBox>("File1")->setSelectedIndex(0);
    QCOMPARE(f->dialogs.calls().size(), boxes);
    QCOMPARE(f->field().text(), kLetter);
}

void TestFiles::emptyingTheTextClearsTheBrowserSelection()
{
    auto *browser = f->control<platform::FileListBox>("File1");
    browser->blockSignals(true);
    browser->setCurrentRow(0);
    browser->blockSignals(false);
    f->field().selectAll();
    QTest::keyClick(&f->field(), Qt::Key_Delete);
    QCOMPARE(browser->selectedIndex(), -1);
    QVERIFY(f->info().startsWith(QStringLiteral("Geben Sie jetzt den Text ein.")));
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

void TestFiles::failedSaveKeepsTheOldFile()
{
    // A folder of that name cannot be replaced by a file, whatever the rights.
    QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("ALT.RTF")));
    f->writeFile(QStringLiteral("ALT.RTF/inhalt.txt"), "bleibt");
    f->trigger("saveRtfEntry", {QStringLiteral("alt.rtf"), Answer::Ok});
    QVERIFY(f->dialogs.verifyAllAnswered());
    QCOMPARE(f->dialogs.lastCall().title, QStringLiteral("Dateifehler"));
    QVERIFY(f->dialogs.lastCall().prompt.contains(QStringLiteral("ALT.RTF")));
    QCOMPARE(f->readFile(QStringLiteral("ALT.RTF/inhalt.txt")), QByteArray("bleibt"));
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
