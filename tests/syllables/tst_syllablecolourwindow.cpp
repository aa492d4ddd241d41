// The syllable colour window's wiring: its look, every command's boxes and
// prints as one transcript, the pass, the targets and the table panel. The
// colouring, the syllable list and the table are tested in textcore, the
// palette, mixer and lists with the shared panel.
#include "platform/colourfield.h"
#include "support/colourwindowfixture.h"
#include "syllables/syllablecolourwindow.h"
#include "syllables/tablepanel.h"
#include "textcore/syllablelist.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

using platform::Answer;
using syllables::SyllableColourWindow;
using testsupport::marked;
using textcore::Colour;
using textcore::SoundClass;
using textcore::SyllableCounting;

namespace {

using Fixture = testsupport::ColourWindowFixture<SyllableColourWindow>;

const QString kText = QStringLiteral("Ro|si|ne und Ro|se.\r\nDer Ap|fel, der Baum.");

// The field, the list and its count must show what textcore makes of the text.
void verifyPass(Fixture &f)
{
    const std::u16string text = f.window->textField()->text().toStdU16String();
    const auto &colours = f.shared.syllables().colours;
    QCOMPARE(f.window->textField()->coloursOfAllPositions(),
             textcore::ColourBySyllables(text, colours.first, colours.second, f.shared.syllables().counting));
    QCOMPARE(f.window->textField()->backColor(), f.shared.sound().colours[SoundClass::Background]);
    QCOMPARE(f.window->firstTarget()->colour(), colours.first);
    QCOMPARE(f.window->secondTarget()->colour(), colours.second);
    QCOMPARE(f.window->backgroundField()->colour(), f.shared.sound().colours[SoundClass::Background]);
    QStringList list, shown;
    for (const std::u16string &entry : textcore::BuildSyllableList(text).list)
        list << QString::fromStdU16String(entry);
    for (int i = 0; i < f.window->syllableListWidget()->count(); ++i)
        shown << f.window->syllableListWidget()->item(i)->text();
    QCOMPARE(shown, list);
    QCOMPARE(f.window->tablePanel()->findChild<QLabel *>(QStringLiteral("countLabel"))->text(),
             QString::number(list.size()));
}

QString table(const Fixture &f, int width, int columns)
{
    return QString::fromStdU16String(textcore::BuildSyllableTable(f.window->syllableList(), width, columns));
}

} // namespace

class SyllableColourWindowTest : public QObject {
    Q_OBJECT
private slots:
    void looksAsDrawn();
    void commandsAsTranscript();
    void passFollowsTheMode();
    void targetsTakeColours_data();
    void targetsTakeColours();
    void tablePanel();
    void textArrivesOnlyForTheCurrentOpening();
};

void SyllableColourWindowTest::looksAsDrawn()
{
    Fixture f;
    KOLORAT_VERIFY_GOLDEN(testsupport::dumpWindow(*f.window), "syllables");
}

void SyllableColourWindowTest::commandsAsTranscript()
{
    Fixture f;
    f.open(kText);
    QString log;
    const auto step
        = [&](const QString &what) { log += QStringLiteral("== ") + what + QLatin1Char('\n') + f.transcript(); };

    for (const char *caption : {"syllableColoursCaption", "backgroundCaption", "syllableListCaption"}) {
        f.dialogs.queue({Answer::Ok});
        QTest::mouseClick(f.window->findChild<QLabel *>(QString::fromLatin1(caption)), Qt::LeftButton);
    }
    f.choose(QStringLiteral("?"), {Answer::Ok});
    step(QStringLiteral("captions, ?"));

    f.shared.setPrinterLocked(true);
    f.choose(QStringLiteral("Silbentabelle"), {Answer::Ok});
    f.choose(QStringLiteral("Textseite"), {Answer::Ok});
    step(QStringLiteral("Silbentabelle, Textseite, printer locked"));
    QVERIFY(!f.window->tablePanel()->isHidden());
    f.shared.setPrinterLocked(false);
    f.window->tablePanel()->sizeSlider()->setValue(10);
    f.choose(QStringLiteral("Silbentabelle"), {Answer::Yes, Answer::Ok});
    f.choose(QStringLiteral("Textseite"), {Answer::Yes, Answer::Ok});
    f.choose(QStringLiteral("Kopieren"), {Answer::Ok});
    f.choose(QStringLiteral("Sichern"), {QStringLiteral("test"), Answer::Ok});
    step(QStringLiteral("Silbentabelle, Textseite, Kopieren, Sichern"));
    QCOMPARE(f.editor.field.coloursOfAllPositions(), f.window->textField()->coloursOfAllPositions());

    // "Abbruch": No leaves the WorkingText's colours, Yes copies them position by position.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        f.open(kText);
        f.window->move(QPoint(70, 80));
        f.window->toggleTable();
        const std::vector<Colour> before = f.editor.field.coloursOfAllPositions();
        f.shared.syllables().colours.second = textcore::rgb(0, 0, 192);
        f.window->colourPass();
        const std::vector<Colour> shown = f.window->textField()->coloursOfAllPositions();
        f.choose(QStringLiteral("Abbruch"), {answer});
        step(QStringLiteral("Abbruch"));
        QCOMPARE(f.editor.field.coloursOfAllPositions(), answer == Answer::Yes ? shown : before);
        QVERIFY(f.window->isHidden());
        QVERIFY(f.window->tablePanel()->isHidden());
        QCOMPARE(f.window->tablePanel()->tableText(), QString());
        QCOMPARE(f.window->textField()->length(), 0);
    }
    QVERIFY(f.dialogs.verifyAllAnswered());
    KOLORAT_VERIFY_GOLDEN(log, "syllables-commands");
}

void SyllableColourWindowTest::passFollowsTheMode()
{
    Fixture f;
    f.shared.sound().colours[SoundClass::Background] = textcore::rgb(255, 255, 0);
    f.open(kText);
    verifyPass(f);
    QAction *words = f.entry(QStringLiteral("Alle mehrsilbigen Wörter"));
    QAction *alternating = f.entry(QStringLiteral("Alle Silben abwechselnd"));
    f.window->textField()->setSelStart(7);
    words->trigger();
    QCOMPARE(f.shared.syllables().counting, SyllableCounting::MultiSyllableWords);
    QVERIFY(words->isChecked() && !alternating->isChecked());
    QCOMPARE(f.window->textField()->selStart(), 7);
    verifyPass(f);

    // Size and font choices colour again; an empty text from the editor keeps the field.
    f.window->fontSizeList()->setCurrentRow(3);
    QCOMPARE(f.window->textField()->styledText().front().format.pointSize, 24.0);
    f.window->hide();
    f.shared.syllables().colours.first = textcore::rgb(0, 0, 255);
    f.open(QString());
    QCOMPARE(f.window->textField()->text(), marked(kText));
    verifyPass(f);
}

void SyllableColourWindowTest::targetsTakeColours_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source"); // empty: a click with the mixed colour
    QTest::addColumn<Colour>("colour");
    const Colour mixed = textcore::rgb(0, 192, 0);
    QTest::newRow("click on 1") << "firstTarget" << QString() << mixed;
    QTest::newRow("click on 2") << "secondTarget" << QString() << mixed;
    QTest::newRow("click on the background") << "backgroundField" << QString() << mixed;
    QTest::newRow("magenta dropped on 2") << "secondTarget"
                                          << "paletteField11" << textcore::rgb(255, 0, 255);
    QTest::newRow("yellow on the background") << "backgroundField"
                                              << "paletteField13" << textcore::rgb(255, 255, 0);
    QTest::newRow("text dropped on 1 changes nothing") << "firstTarget"
                                                       << "text" << textcore::kBlack;
}

void SyllableColourWindowTest::targetsTakeColours()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(Colour, colour);
    Fixture f;
    f.open(kText);
    f.window->numberField()->setText(QString::number(textcore::rgb(0, 192, 0)));
    auto *field = f.window->findChild<platform::ColourField *>(target);
    if (source.isEmpty()) {
        QTest::mouseClick(field, Qt::LeftButton);
    } else {
        auto *dragged = f.window->findChild<platform::ColourField *>(source);
        std::unique_ptr<QMimeData> mime(dragged ? dragged->createMimeData() : new QMimeData);
        if (!dragged)
            mime->setText(QStringLiteral("16711680"));
        field->acceptDrop(*mime);
    }
    QCOMPARE(field->colour(), colour);
    // The background is the one the sound colour window holds too.
    const Colour held = target == QLatin1String("firstTarget") ? f.shared.syllables().colours.first
        : target == QLatin1String("secondTarget")              ? f.shared.syllables().colours.second
                                                               : f.shared.sound().colours[SoundClass::Background];
    QCOMPARE(held, colour);
    verifyPass(f);
}

void SyllableColourWindowTest::tablePanel()
{
    Fixture f;
    f.open(kText);
    syllables::TablePanel *panel = f.window->tablePanel();
    QCOMPARE(panel->tableText(), QString());
    f.window->toggleFontList();
    f.choose(QStringLiteral("Tabelle"));
    QVERIFY(f.window->fontList()->isHidden());
    QCOMPARE(panel->tableText(), table(f, 10, 4));

    panel->columnsSlider()->setValue(3);
    panel->widthSlider()->setValue(2);
    QCOMPARE(panel->tableText(), table(f, 2, 3));
    // The size only changes the font; what the user typed stays.
    panel->tableField()->appendPlainText(QStringLiteral("Extra"));
    panel->sizeSlider()->setValue(9);
    QCOMPARE(panel->tableFontSize(), 18.0);
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("sizeValue"))->text(), QStringLiteral("18"));
    QCOMPARE(panel->tableText(), table(f, 2, 3) + QStringLiteral("\r\nExtra"));
    // A pass rebuilds the count, not the table.
    const QString shown = panel->tableText();
    f.window->textField()->setText(marked(QStringLiteral("Ro|se")));
    f.window->colourPass();
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("countLabel"))->text(), QStringLiteral("2"));
    QCOMPARE(panel->tableText(), shown);

    QTest::mouseClick(panel->closeButton(), Qt::LeftButton);
    QVERIFY(panel->isHidden());
    QCOMPARE(panel->tableText(), QString());
    f.window->toggleTable();
    f.window->toggleFontList();
    QVERIFY(panel->isHidden());
    QVERIFY(!f.window->fontList()->isHidden());
}

void SyllableColourWindowTest::textArrivesOnlyForTheCurrentOpening()
{
    Fixture f;
    f.editor.field.setText(QStringLiteral("alt"));
    f.window->openAt(QPoint(40, 30));
    QCOMPARE(f.timers.pendingDelays(), QList<int>({SyllableColourWindow::textDelayMs}));
    QCOMPARE(f.window->pos(), QPoint(40, 30));
    // Left by the close box before the delay ran out: the late copy must not land.
    QVERIFY(!f.window->close());
    f.timers.fireAll();
    QCOMPARE(f.window->textField()->text(), QString());
    QCOMPARE(f.transcript(), QStringLiteral("editor shown in its place\n"));

    f.shared.fonts().names = QStringList{QStringLiteral("Andika")};
    f.open(QStringLiteral("neu"));
    QCOMPARE(f.window->fontList()->count(), 3);
    // A typed or deleted letter would shift every following colour onto the
    // wrong letter when the colours go back to the editor.
    f.window->textField()->setSelStart(2);
    QTest::keyClicks(f.window->textField(), QStringLiteral("x"));
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return})
        QTest::keyClick(f.window->textField(), key);
    QCOMPARE(f.window->textField()->text(), QStringLiteral("neu"));
}

QTEST_MAIN(SyllableColourWindowTest)
#include "tst_syllablecolourwindow.moc"
