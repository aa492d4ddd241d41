// Showing, hiding, choosing, colouring and replacing syllable separators,
// and the click mode.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/richtextfield.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

using platform::Answer;
using textcore::Colour;

namespace {

const Colour kBlue = textcore::rgb(0, 0, 255);
const Colour kGreen = textcore::rgb(0, 255, 0);
const Colour kLetter = textcore::rgb(10, 100, 200);

// Letters in their own colour and bold, marks in black: the conversions may
// touch only the marks.
void putMixedText(EditorHarness &h, const QString &text)
{
    platform::StyledText runs;
    for (QChar c : text) {
        platform::CharFormat format;
        format.colour = isSeparatorMark(c) ? textcore::kBlack : kLetter;
        format.bold = !isSeparatorMark(c);
        format.fontName = QStringLiteral("Verdana");
        format.pointSize = 16;
        runs.push_back({QString(c), format});
    }
    h.field().setStyledText(runs);
}

QPushButton *separatorButton(EditorHarness &h)
{
    return h.window().findChild<QPushButton *>(QStringLiteral("separatorButton"));
}

} // namespace

class TestSeparators : public QObject {
    Q_OBJECT
private slots:
    void init();
    void conversionsTouchOnlyTheMarks_data();
    void conversionsTouchOnlyTheMarks();
    void showingATextWithoutMarksSaysSo();
    void typingColourAfterAConversion_data();
    void typingColourAfterAConversion();
    void choosingWhileHiddenKeepsTheButton();
    void colourEntriesCarryOneCheckMark();
    void replaceBySeparator_data();
    void replaceBySeparator();
    void sentenceListFollowsEveryConversion();
    void clickModeButtonAndHints();
    void clickTypesTheSeparatorLiterally_data();
    void clickTypesTheSeparatorLiterally();

private:
    std::unique_ptr<EditorHarness> h;
};

void TestSeparators::init()
{
    h = std::make_unique<EditorHarness>();
    h->start(true);
    h->window().show();
}

void TestSeparators::conversionsTouchOnlyTheMarks_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expectedMark");
    QTest::addColumn<Colour>("markColour");
    QTest::addColumn<bool>("visibleAfter");

    QTest::newRow("choose / makes every mark a slash") << "choose /"
                                                       << "/" << textcore::kRed << false;
    QTest::newRow("choose ~") << "choose ~"
                              << "~" << textcore::kRed << false;
    QTest::newRow("show turns all five into -") << "show"
                                                << "-" << textcore::kRed << true;
    QTest::newRow("hide turns all five into soft hyphens") << "hide" << softHyphen() << textcore::kRed << false;
    QTest::newRow("colour blau applies the current separator") << "colour blau"
                                                               << "-" << kBlue << false;
    QTest::newRow("colour grün after choosing =") << "choose = colour grün"
                                                  << "=" << kGreen << false;
}

void TestSeparators::conversionsTouchOnlyTheMarks()
{
    QFETCH(QString, action);
    QFETCH(QString, expectedMark);
    QFETCH(Colour, markColour);
    QFETCH(bool, visibleAfter);

    const QString original = QStringLiteral("a-b=c~d/e%1f\r\ngh-i").arg(softHyphen());
    putMixedText(*h, original);
    const std::vector<platform::CharFormat> before = formatsPerPosition(h->field());

    if (action == QLatin1String("show") || action == QLatin1String("hide")) {
        // The toggle flips from the start-up state (hidden).
        if (action == QLatin1String("hide"))
            h->window().toggleSeparators();
        h->window().toggleSeparators();
    }
    if (action.startsWith(QLatin1String("choose ")))
        h->window().chooseSeparator(action.mid(7, 1));
    if (action.contains(QLatin1String("colour blau")))
        h->window().findChild<QAction *>(QStringLiteral("colourBlueEntry"))->trigger();
    if (action.contains(QStringLiteral("colour grün")))
        h->window().findChild<QAction *>(QStringLiteral("colourGreenEntry"))->trigger();

    const QString text = h->field().text();
    QCOMPARE(text.size(), original.size());
    const std::vector<platform::CharFormat> after = formatsPerPosition(h->field());
    for (int i = 0; i < original.size(); ++i) {
        if (isSeparatorMark(original[i])) {
            QCOMPARE(text.mid(i, 1), expectedMark);
            QCOMPARE(after[std::size_t(i)].colour, markColour);
            // The mark keeps its own font and style.
            QCOMPARE(after[std::size_t(i)].bold, before[std::size_t(i)].bold);
            QCOMPARE(after[std::size_t(i)].pointSize, before[std::size_t(i)].pointSize);
        } else {
            QCOMPARE(text[i], original[i]);
            QCOMPARE(after[std::size_t(i)], before[std::size_t(i)]);
        }
    }
    QCOMPARE(h->window().separatorsVisible(), visibleAfter);
    QCOMPARE(separatorButton(*h)->text(),
             visibleAfter ? QStringLiteral("Trennzeichen aus") : QStringLiteral("Trennzeichen ein"));
    QVERIFY(h->dialogs.verifyAllAnswered());
}

void TestSeparators::showingATextWithoutMarksSaysSo()
{
    for (const QString &text : {QString(), QStringLiteral("Ohne Marken.")}) {
        h->setText(text);
        h->dialogs.clear();
        h->dialogs.queueAnswer(Answer::Ok);
        separatorButton(*h)->click();
        QCOMPARE(h->dialogs.calls().size(), 1);
        QCOMPARE(h->dialogs.lastCall().prompt, QStringLiteral("Der Text enthält keine Trennzeichen!\r\r"));
        QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Trennzeichen"));
        QVERIFY(h->window().separatorsVisible());
        QCOMPARE(separatorButton(*h)->text(), QStringLiteral("Trennzeichen aus"));
        // Hiding an empty or unmarked text is silent.
        separatorButton(*h)->click();
        QCOMPARE(h->dialogs.calls().size(), 1);
        QCOMPARE(h->field().text(), text);
    }
}

void TestSeparators::typingColourAfterAConversion_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Colour>("typed");
    // Showing and hiding give the caret the colour the last mark had; a
    // chosen separator leaves the separator colour for typing.
    QTest::newRow("show") << "show" << kLetter;
    QTest::newRow("hide") << "hide" << kLetter;
    QTest::newRow("choose a separator") << "choose" << textcore::kRed;
}

void TestSeparators::typingColourAfterAConversion()
{
    QFETCH(QString, action);
    QFETCH(Colour, typed);
    h->field().setStyledText({{QStringLiteral("ab-cd"), {kLetter, {}, 0, false, false}}});
    if (action == QLatin1String("show"))
        h->window().toggleSeparators();
    else if (action == QLatin1String("hide"))
        h->window().hideSeparators();
    else
        h->window().chooseSeparator(QStringLiteral("/"));
    QCOMPARE(h->field().selStart(), 3); // behind the last mark
    QTest::keyClicks(&h->field(), QStringLiteral("x"));
    QCOMPARE(h->field().text().mid(3, 1), QStringLiteral("x"));
    QCOMPARE(h->field().coloursOfAllPositions()[3], typed);
    QCOMPARE(h->field().coloursOfAllPositions()[2], textcore::kRed);
}

void TestSeparators::choosingWhileHiddenKeepsTheButton()
{
    h->setText(QStringLiteral("Ab%1ba").arg(softHyphen()));
    h->window().findChild<QAction *>(QStringLiteral("separatorSlashEntry"))->trigger();
    QCOMPARE(h->field().text(), QStringLiteral("Ab/ba"));
    QVERIFY(!h->window().separatorsVisible());
    QCOMPARE(separatorButton(*h)->text(), QStringLiteral("Trennzeichen ein"));
    QStringList checked;
    for (QAction *a : h->window().findChild<QMenu *>(QStringLiteral("separatorMenu"))->actions())
        if (a->isChecked())
            checked << a->text();
    QCOMPARE(checked, QStringList{QStringLiteral("Taste /")});
    separatorButton(*h)->click();
    QCOMPARE(h->field().text(), QStringLiteral("Ab/ba"));
    QCOMPARE(separatorButton(*h)->text(), QStringLiteral("Trennzeichen aus"));
    QVERIFY(h->dialogs.verifyAllAnswered());
}

void TestSeparators::colourEntriesCarryOneCheckMark()
{
    h->setText(QStringLiteral("Ab-ba"));
    h->window().findChild<QAction *>(QStringLiteral("colourGreyEntry"))->trigger();
    QStringList checked;
    for (QAction *a : h->window().findChild<QMenu *>(QStringLiteral("separatorColourMenu"))->actions())
        if (a->isChecked())
            checked << a->text();
    QCOMPARE(checked, QStringList{QStringLiteral("grau")});
    QCOMPARE(h->window().separatorColour(), textcore::rgb(128, 128, 128));
    QCOMPARE(h->field().coloursOfAllPositions()[2], textcore::rgb(128, 128, 128));
}

void TestSeparators::replaceBySeparator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedPrompt");
    QTest::addColumn<QString>("expectedTitle");

    QTest::newRow("every = becomes -") << "Ab=ba Ro=se" << 2 << 1 << "Ab-ba Ro-se" << QString() << QString();
    QTest::newRow("a two-letter mark") << "Ab**ba" << 2 << 2 << "Ab-ba" << QString() << QString();
    QTest::newRow("nothing selected") << "Ab=ba" << 1 << 0 << "Ab=ba"
                                      << "Sie müssen das Trennzeichen erst markieren.\r\r"
                                      << "Trennzeichen ersetzen";
    QTest::newRow("the separator itself selected")
        << "Ab-ba" << 2 << 1 << "Ab-ba"
        << "Auswahl und Zielzeichen sind identisch.\r\rTextauswahl:   -\rTrennzeichen:   -\r"
        << "Trennzeichen";
}

void TestSeparators::replaceBySeparator()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedPrompt);
    QFETCH(QString, expectedTitle);

    putMixedText(*h, text);
    h->field().setSel(selStart, selLength);
    if (!expectedPrompt.isEmpty())
        h->dialogs.queueAnswer(Answer::Ok);
    h->window().findChild<QAction *>(QStringLiteral("replaceSeparatorEntry"))->trigger();
    QCOMPARE(h->field().text(), expectedText);
    QVERIFY(h->dialogs.verifyAllAnswered());
    if (expectedPrompt.isEmpty()) {
        QVERIFY(h->dialogs.calls().size() == 1); // only the settings error of the start
        // The replacement drops every colour and style of the text.
        for (const platform::CharFormat &f : formatsPerPosition(h->field())) {
            QCOMPARE(f.colour, textcore::kBlack);
            QVERIFY(!f.bold);
        }
    } else {
        QCOMPARE(h->dialogs.lastCall().prompt, expectedPrompt);
        QCOMPARE(h->dialogs.lastCall().title, expectedTitle);
        QCOMPARE(formatsPerPosition(h->field())[0].colour, kLetter);
    }
}

void TestSeparators::sentenceListFollowsEveryConversion()
{
    h->setText(QStringLiteral("Hal-lo Welt. Wie geht es? Gut!"));
    h->window().toggleSeparators();
    const std::vector<std::u16string> visible = h->session().workingText().sentenceList();
    QCOMPARE(visible.size(), std::size_t(3));
    QCOMPARE(QString::fromStdU16String(visible[0]), QStringLiteral("Hal-lo Welt."));
    h->window().toggleSeparators();
    QCOMPARE(QString::fromStdU16String(h->session().workingText().sentenceList()[0]),
             QStringLiteral("Hal%1lo Welt.").arg(softHyphen()));
    QCOMPARE(QString::fromStdU16String(h->session().workingText().sentenceList()[2]), QStringLiteral("Gut!"));
}

void TestSeparators::clickModeButtonAndHints()
{
    auto *button = h->window().findChild<QToolButton *>(QStringLiteral("clickModeButton"));
    const int dpi = button->logicalDpiY();
    QCOMPARE(button->height(), qRound(315.0 * dpi / 1440));
    QVERIFY(!h->window().separatorsVisible());
    button->click();
    QVERIFY(h->window().clickMode());
    QVERIFY(h->window().separatorsVisible()); // click mode starts with visible separators
    QCOMPARE(button->text(), QStringLiteral("Klickmodus aus"));
    QCOMPARE(button->height(), qRound(855.0 * dpi / 1440));
    QVERIFY(!button->icon().isNull());
    QCOMPARE(h->window().infoText(),
             QStringLiteral("Der Klickmodus für Silbenzeichen ist ein, klicken Sie auf die Trennstellen im Text."));
    button->click();
    QVERIFY(!h->window().clickMode());
    QVERIFY(h->window().separatorsVisible());
    QCOMPARE(button->text(), QStringLiteral("Klickmodus ein"));
    QCOMPARE(button->height(), qRound(315.0 * dpi / 1440));
    QVERIFY(button->icon().isNull());
    QCOMPARE(h->window().infoText(),
             QStringLiteral("Der Klickmodus für Silbenzeichen ist aus, sie können jetzt "
                            "wieder Text eingeben oder editieren."));
}

void TestSeparators::clickTypesTheSeparatorLiterally_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("separator");
    QTest::newRow("tilde is no Enter") << "separatorTildeEntry"
                                       << "~";
    QTest::newRow("slash") << "separatorSlashEntry"
                           << "/";
    QTest::newRow("hyphen") << "separatorHyphenEntry"
                            << "-";
}

void TestSeparators::clickTypesTheSeparatorLiterally()
{
    QFETCH(QString, entry);
    QFETCH(QString, separator);
    putMixedText(*h, QStringLiteral("Wwwwwwwwwwwwwwwwwwwww"));
    h->window().findChild<QAction *>(entry)->trigger();
    // Click mode shows the separators first, and this text has none yet.
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().toggleClickMode();
    QVERIFY(h->dialogs.verifyAllAnswered());
    platform::RichTextField &field = h->field();
    // Between the third and the fourth letter.
    QTextCursor probe(field.document());
    probe.setPosition(3);
    const QPoint point = field.cursorRect(probe).center();
    QTest::mouseClick(field.viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTRY_COMPARE(field.text(), QStringLiteral("Www%1wwwwwwwwwwwwwwwwww").arg(separator));
    QCOMPARE(field.coloursOfAllPositions()[3], textcore::kRed);
    QVERIFY(h->window().isTextChanged());
    // Text typed next at that place stays in the separator colour.
    QTest::keyClicks(&field, QStringLiteral("x"));
    QCOMPARE(field.text().mid(3, 2), separator + QStringLiteral("x"));
    QCOMPARE(field.coloursOfAllPositions()[4], textcore::kRed);
}

QTEST_MAIN(TestSeparators)
#include "tst_separators.moc"
