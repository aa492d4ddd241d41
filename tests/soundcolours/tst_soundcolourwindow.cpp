// The sound colour window's wiring: its look, every command's boxes and
// prints as one transcript, and how each choice reaches the preview. The
// colouring rules are tested in textcore, the palette, mixer and lists with
// the shared panel.
#include "platform/colourmixer.h"
#include "soundcolours/soundcolourwindow.h"
#include "support/colourwindowfixture.h"
#include "textcore/soundcolouring.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using platform::Answer;
using soundcolours::SoundColourWindow;
using textcore::Colour;
using textcore::SoundClass;

namespace {

using Fixture = testsupport::ColourWindowFixture<SoundColourWindow>;

const QString kText = QStringLiteral("Die Katze|n.\r\nÖl, Ball und Schnee!");

// The preview must show exactly what the engine makes of the window's colours.
void verifyPreviewColoured(Fixture &f)
{
    const textcore::SoundColouring expected = textcore::ColourBySounds(
        f.window->preview().text().toStdU16String(), f.shared.sound().colours,
        textcore::ParseSpecialGroups(f.shared.sound().specialGroupsText), textcore::SoundVariant::ColourWindow);
    QCOMPARE(f.window->preview().coloursOfAllPositions(), expected.colours);
    QCOMPARE(f.window->preview().backColor(), expected.background);
    for (int c = 0; c < int(textcore::kSoundClassCount); ++c)
        QCOMPARE(f.window->categoryField(SoundClass(c))->colour(), f.shared.sound().colours[SoundClass(c)]);
}

} // namespace

class SoundColourWindowTest : public QObject {
    Q_OBJECT
private slots:
    void looksAsDrawn();
    void commandsAsTranscript();
    void choicesRecolourThePreview_data();
    void choicesRecolourThePreview();
    void textArrivesOnlyForTheCurrentOpening();
};

void SoundColourWindowTest::looksAsDrawn()
{
    Fixture f;
    QString look = testsupport::dumpWindow(*f.window);
    for (const QWidget *widget : f.window->findChildren<QWidget *>())
        if (!widget->toolTip().isEmpty())
            look += widget->objectName() + QStringLiteral(" hover \"") + widget->toolTip() + QStringLiteral("\"\n");
    KOLORAT_VERIFY_GOLDEN(look, "soundcolours");
}

void SoundColourWindowTest::commandsAsTranscript()
{
    Fixture f;
    f.open(kText);
    QString log;
    const auto step
        = [&](const QString &what) { log += QStringLiteral("== ") + what + QLatin1Char('\n') + f.transcript(); };

    f.choose(QStringLiteral("menuZeichen"), {QStringLiteral("sch,ei")});
    step(QStringLiteral("Zeichen, hover now ") + f.window->categoryField(SoundClass::SpecialGroups)->toolTip());
    for (int c = 0; c < int(textcore::kSoundClassCount); ++c) {
        f.dialogs.queue({Answer::Ok});
        QTest::mouseClick(f.window->captionField(SoundClass(c)), Qt::LeftButton);
    }
    f.choose(QStringLiteral("menuHilfe"), {Answer::Ok});
    step(QStringLiteral("captions, ?"));

    // The colour sheet prints under the printer lock, the text page does not.
    f.shared.setPrinterLocked(true);
    f.choose(QStringLiteral("menuFarbwerte"), {Answer::Yes, QStringLiteral("Klasse 2b"), Answer::Ok});
    f.choose(QStringLiteral("menuTextseite"), {Answer::Ok});
    step(QStringLiteral("Farbwerte, Textseite, printer locked"));
    f.shared.setPrinterLocked(false);
    f.choose(QStringLiteral("menuTextseite"), {Answer::Yes, Answer::Ok});
    f.choose(QStringLiteral("menuKopieren"), {Answer::Ok});
    f.choose(QStringLiteral("menuSichern"), {QStringLiteral("farben.rtf"), Answer::Ok});
    step(QStringLiteral("Textseite, Kopieren, Sichern"));
    QCOMPARE(f.editor.field.text(), f.window->preview().text());
    QCOMPARE(f.editor.field.coloursOfAllPositions(), f.window->preview().coloursOfAllPositions());

    // "Abbruch": No leaves the WorkingText's colours, Yes copies them position by position.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        f.open(kText);
        f.window->move(QPoint(70, 80));
        const std::vector<Colour> before = f.editor.field.coloursOfAllPositions();
        f.window->dropOnCategory(SoundClass::Capitals, QStringLiteral("Farbe14"));
        f.window->dropOnCategory(SoundClass::Background, QStringLiteral("Farbe13"));
        const std::vector<Colour> shown = f.window->preview().coloursOfAllPositions();
        f.choose(QStringLiteral("menuAbbruch"), {answer});
        step(QStringLiteral("Abbruch"));
        QCOMPARE(f.editor.field.coloursOfAllPositions(), answer == Answer::Yes ? shown : before);
        QCOMPARE(f.editor.field.backColor(), textcore::kWhite);
        QVERIFY(f.window->isHidden());
        QCOMPARE(f.window->preview().length(), 0);
    }
    QVERIFY(f.dialogs.verifyAllAnswered());
    KOLORAT_VERIFY_GOLDEN(log, "soundcolours-commands");
}

void SoundColourWindowTest::choicesRecolourThePreview_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("category");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("backgroundSignals");
    const auto row
        = [](const char *name, const char *how, const char *source, SoundClass c, Colour colour, int signalCount = 0) {
              QTest::newRow(name) << how << source << int(c) << colour << signalCount;
          };
    row("mixed colour on umlauts", "drop", "Bezeichnung1", SoundClass::Umlauts, 4210752);
    row("click takes the mixed colour", "click", "", SoundClass::Punctuation, 4210752);
    row("palette field of another window", "foreign", "Farbe14", SoundClass::Vowels, textcore::rgb(0, 192, 0));
    row("control that is no colour field", "drop", "RichTextBox1", SoundClass::Vowels, textcore::rgb(0, 192, 0));
    row("background drop tells the syllable window", "drop", "Farbe13", SoundClass::Background,
        textcore::rgb(255, 255, 0), 1);
    row("background click stays here", "click", "", SoundClass::Background, 4210752);
}

void SoundColourWindowTest::choicesRecolourThePreview()
{
    QFETCH(QString, how);
    QFETCH(QString, source);
    QFETCH(int, category);
    QFETCH(Colour, colour);
    QFETCH(int, backgroundSignals);
    Fixture f;
    Fixture other;
    f.open(kText);
    f.window->mixer().numberField()->setText(QStringLiteral("4210752"));
    QSignalSpy background(f.window.get(), &SoundColourWindow::backgroundChanged);
    platform::ColourField *target = f.window->categoryField(SoundClass(category));
    if (how == QLatin1String("click")) {
        QTest::mouseClick(target, Qt::LeftButton);
    } else if (auto *dragged
               = (how == QLatin1String("foreign") ? other : f).window->findChild<platform::ColourField *>(source)) {
        const std::unique_ptr<QMimeData> mime(dragged->createMimeData());
        target->acceptDrop(*mime);
    } else {
        f.window->dropOnCategory(SoundClass(category), source);
    }
    QCOMPARE(f.shared.sound().colours[SoundClass(category)], colour);
    QCOMPARE(background.count(), backgroundSignals);
    verifyPreviewColoured(f);
}

void SoundColourWindowTest::textArrivesOnlyForTheCurrentOpening()
{
    Fixture f;
    f.shared.fonts().names = QStringList{QStringLiteral("Andika")};
    f.editor.field.setText(kText);
    for (const bool leftEarly : {true, false}) {
        f.window->openAt(QPoint(70, 50));
        QCOMPARE(f.window->pos(), QPoint(70, 50));
        QCOMPARE(f.timers.pendingDelays(), QList<int>{SoundColourWindow::kActivationDelayMs});
        QCOMPARE(f.window->preview().length(), 0);
        // Left by the close box before the delay ran out: the late copy must not land.
        if (leftEarly)
            f.window->close();
        f.timers.fireAll();
        QCOMPARE(f.window->preview().text(), leftEarly ? QString() : kText);
        QCOMPARE(f.window->fontList()->count(), leftEarly ? 0 : 3);
    }
    // The size and font lists recolour the preview in their font.
    f.window->fontSizeList()->setCurrentRow(3);
    QCOMPARE(f.window->preview().styledText().front().format.pointSize, 24.0);
    f.window->toggleFontList();
    QListWidget *fonts = f.window->fontList();
    QTest::mouseClick(fonts->viewport(), Qt::LeftButton, {}, fonts->visualItemRect(fonts->item(0)).center());
    QCOMPARE(f.window->preview().styledText().front().format.fontName, QStringLiteral("Arial"));
    verifyPreviewColoured(f);

    // The close box hides the window without copying its colours; a window
    // already hidden (the program ends) leaves the editor alone.
    const std::vector<Colour> before = f.editor.field.coloursOfAllPositions();
    f.window->dropOnCategory(SoundClass::Vowels, QStringLiteral("Farbe3"));
    QVERIFY(f.window->close());
    f.window->close();
    QCOMPARE(f.transcript(), QStringLiteral("editor shown in its place\neditor shown in its place\n"));
    QCOMPARE(f.editor.field.coloursOfAllPositions(), before);
    QCOMPARE(f.shared.sound().colours[SoundClass::Vowels], textcore::rgb(255, 0, 0));
}

QTEST_MAIN(SoundColourWindowTest)
#include "tst_soundcolourwindow.moc"
