// The sound colour window as the user meets it: its layout, loading and
// activation, captions and menus, fonts, and leaving it.
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/richtextfield.h"
#include "platform/twips.h"
#include "soundcolours/support/harness.h"
#include "support/scripteddialogs.h"
#include "textcore/soundcolouring.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

using platform::ColourField;
using textcore::SoundClass;

namespace {

std::vector<textcore::Colour> expectedColours(const QString &text, const session::SoundColourState &state)
{
    return textcore::ColourBySounds(text.toStdU16String(), state.colours, std::u16string_view(state.specialGroupsText),
                                    textcore::SoundVariant::ColourWindow)
        .colours;
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandAtTheirTwipsPlaces_data();
    void controlsStandAtTheirTwipsPlaces();
    void windowTitleSizeAndBackground();
    void everyControlWithoutTextHasAGermanAccessibleName();
    void menuBarEntries();
    void loadingSetsFontSizesAndMixer();
    void activationCopiesAndColoursAfterTheDelay();
    void leavingBeforeTheDelayKeepsThePreviewEmpty();
    void hoverTexts_data();
    void hoverTexts();
    void captionClickShowsTheLetters_data();
    void captionClickShowsTheLetters();
    void helpBox();
    void fontListToggles();
    void choosingAFontHidesTheListAndRecolours();
    void fontSizeListSetsTheSize_data();
    void fontSizeListSetsTheSize();
    void fontSetFromOutsideWaitsForTheNextActivation();
    void cancelCopiesColoursOnlyOnYes_data();
    void cancelCopiesColoursOnlyOnYes();
    void closeBoxHidesWithoutCopying();
    void specialGroupsEntry_data();
    void specialGroupsEntry();
};

void WindowTest::controlsStandAtTheirTwipsPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("consonants field") << "Bild3" << QRect(120, 3600, 1455, 255);
    QTest::newRow("double consonants field") << "Bild8" << QRect(120, 4200, 1455, 255);
    QTest::newRow("vowels field") << "Bild4" << QRect(120, 4800, 1455, 255);
    QTest::newRow("umlauts field") << "Bild5" << QRect(120, 5400, 1455, 255);
    QTest::newRow("capitals field") << "Bild6" << QRect(120, 6000, 1455, 255);
    QTest::newRow("punctuation field") << "Bild7" << QRect(120, 6600, 1455, 255);
    QTest::newRow("special groups field") << "Bild1" << QRect(120, 7200, 1455, 255);
    QTest::newRow("background field") << "Bild2" << QRect(120, 7800, 1455, 255);
    QTest::newRow("consonants caption") << "Label3" << QRect(120, 3360, 1455, 255);
    QTest::newRow("background caption") << "Label2" << QRect(120, 7560, 1455, 255);
    QTest::newRow("first palette field") << "Farbe1" << QRect(10320, 240, 375, 375);
    QTest::newRow("orange palette field") << "Farbe14" << QRect(10320, 4920, 375, 375);
    QTest::newRow("last palette field") << "Farbe16" << QRect(10320, 5640, 375, 375);
    QTest::newRow("mixer frame") << "Frame1" << QRect(120, 240, 1455, 3015);
    QTest::newRow("mixer caption") << "Label9" << QRect(150, 270, 1395, 210);
    QTest::newRow("colour number") << "Text1" << QRect(240, 480, 1215, 285);
    QTest::newRow("custom colour") << "Bezeichnung1" << QRect(240, 720, 1215, 345);
    QTest::newRow("red slider") << "VScroll1" << QRect(240, 1080, 255, 1935);
    QTest::newRow("green slider") << "VScroll2" << QRect(720, 1080, 255, 1935);
    QTest::newRow("blue slider") << "VScroll3" << QRect(1200, 1080, 255, 1935);
    QTest::newRow("red value under its slider") << "Label10" << QRect(180, 3000, 375, 210);
    QTest::newRow("blue value under its slider") << "Label12" << QRect(1140, 3000, 375, 210);
    QTest::newRow("preview") << "RichTextBox1" << QRect(1680, 240, 8535, 7830);
    QTest::newRow("font sizes") << "List1" << QRect(10320, 6075, 375, 1980);
    QTest::newRow("font list out of sight") << "List3" << QRect(11640, 0, 2175, 2565);
}

void WindowTest::controlsStandAtTheirTwipsPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Harness h;
    QWidget *client = h.window->centralWidget();
    auto *widget = client->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    const QRect expected = platform::twipsToPixels(twips, widget->logicalDpiX());
    const QRect actual(widget->mapTo(client, QPoint(0, 0)), widget->size());
    // Controls inside the mixer frame are placed relative to it, which may
    // round one pixel differently.
    QVERIFY2(qAbs(actual.left() - expected.left()) <= 1 && qAbs(actual.top() - expected.top()) <= 1
                 && qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1,
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                            .arg(name)
                            .arg(actual.left())
                            .arg(actual.top())
                            .arg(actual.width())
                            .arg(actual.height())));
}

void WindowTest::windowTitleSizeAndBackground()
{
    Harness h;
    QCOMPARE(h.window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("olorat:  Laute einstellen"));
    QVERIFY(!h.window->windowIcon().isNull());
    const qreal dpi = h.window->logicalDpiX();
    QCOMPARE(h.window->size(), QSize(platform::twipsToPixels(10900, dpi), platform::twipsToPixels(8900, dpi)));
    QCOMPARE(h.window->centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(h.window->fontSizeList()->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(h.window->fontList()->palette().color(QPalette::Text), QColor(0, 0, 192));
    QCOMPARE(h.window->mixer().palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(!h.window->isVisible());
}

void WindowTest::everyControlWithoutTextHasAGermanAccessibleName()
{
    Harness h;
    QStringList missing;
    for (QWidget *widget : h.window->centralWidget()->findChildren<QWidget *>()) {
        const auto *field = qobject_cast<ColourField *>(widget);
        const bool needsName = (field && field->role() != ColourField::Role::Caption)
            || qobject_cast<QAbstractScrollArea *>(widget) || qobject_cast<QScrollBar *>(widget)
            || qobject_cast<QLineEdit *>(widget);
        // Scroll bars and viewports that belong to a list or the preview are
        // named by their owner.
        const bool partOfScrollArea = qobject_cast<QAbstractScrollArea *>(widget->parentWidget())
            || (widget->parentWidget() && qobject_cast<QAbstractScrollArea *>(widget->parentWidget()->parentWidget()));
        if (needsName && !partOfScrollArea && widget->accessibleName().isEmpty())
            missing.append(widget->objectName());
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(','))));
    QCOMPARE(h.window->categoryField(SoundClass::Capitals)->accessibleName(),
             QStringLiteral("Farbfeld Großbuchstaben"));
    QCOMPARE(h.window->categoryField(SoundClass::Background)->accessibleName(), QStringLiteral("Farbfeld Hintergrund"));
    QCOMPARE(h.window->mixer().slider(1)->accessibleName(), QStringLiteral("Schieberegler Grün"));
    QCOMPARE(h.window->paletteField(13)->accessibleName(), QStringLiteral("Farbvorlage Orange"));
}

void WindowTest::menuBarEntries()
{
    Harness h;
    QStringList top;
    QStringList printEntries;
    for (QAction *action : h.window->menuBar()->actions()) {
        top.append(action->text());
        if (action->menu()) {
            for (QAction *entry : action->menu()->actions())
                printEntries.append(entry->text());
        }
    }
    QCOMPARE(top, (QStringList{"Abbruch", "Drucken", "Kopieren", "Sichern", "Schriften", "Zeichen", "?"}));
    QCOMPARE(printEntries, (QStringList{"Farbwerte", "Textseite"}));
}

void WindowTest::loadingSetsFontSizesAndMixer()
{
    Harness h;
    QCOMPARE(itemTexts(h.window->fontSizeList()),
             (QStringList{"12", "16", "20", "24", "28", "32", "36", "40", "44", "48"}));
    QCOMPARE(h.window->fontSizeList()->currentRow(), 1);
    QCOMPARE(h.window->preview().fieldFontName(), QStringLiteral("Verdana"));
    QCOMPARE(h.window->preview().fieldFontSize(), 16.0);
    QCOMPARE(h.window->mixer().numberField()->text(), QStringLiteral("0"));
    QCOMPARE(h.window->mixer().customColour(), textcore::kBlack);
    for (int channel = 0; channel < 3; ++channel) {
        QCOMPARE(h.window->mixer().slider(channel)->value(), 0);
        QCOMPARE(h.window->mixer().slider(channel)->maximum(), 255);
        QCOMPARE(h.window->mixer().valueField(channel)->text(), QStringLiteral("0"));
    }
    QCOMPARE(h.timers.pendingCount(), 0);
}

void WindowTest::activationCopiesAndColoursAfterTheDelay()
{
    Harness h;
    h.fonts.names = QStringList{"Comic Neue", "Andika"};
    const QString text = sampleText(QStringLiteral("lesetext.txt"));
    h.editor.field->setText(text);
    h.window->open(QPoint(70, 50));

    QVERIFY(h.window->isVisible());
    QCOMPARE(h.window->pos(), QPoint(70, 50));
    QCOMPARE(h.timers.pendingDelays(), QList<int>{200});
    QCOMPARE(h.window->preview().length(), 0);

    QCOMPARE(h.timers.fireAll(), 1);
    QCOMPARE(h.window->preview().text(), h.editor.field->text());
    QCOMPARE(h.previewColours(), expectedColours(h.editor.field->text(), h.state));
    QCOMPARE(h.window->preview().backColor(), textcore::kWhite);
    QCOMPARE(itemTexts(h.window->fontList()), (QStringList{"Arial", "Verdana", "Comic Neue", "Andika"}));

    // The font list is rebuilt at every activation, never added to.
    h.fonts.names = QStringList{"Andika"};
    h.window->open(QPoint(70, 50));
    h.timers.fireAll();
    QCOMPARE(itemTexts(h.window->fontList()), (QStringList{"Arial", "Verdana", "Andika"}));
}

void WindowTest::leavingBeforeTheDelayKeepsThePreviewEmpty()
{
    Harness h;
    h.editor.field->setText(QStringLiteral("Die Katze."));
    h.window->open(QPoint(0, 0));
    h.dialogs.queueAnswer(platform::Answer::No);
    h.window->cancel();
    h.timers.fireAll();
    QCOMPARE(h.window->preview().length(), 0);
    QVERIFY(!h.window->isVisible());
}

void WindowTest::hoverTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("hover");
    QTest::newRow("special groups caption") << "Label1"
                                            << ""
                                            << "Zeichen über 'Eingabe'";
    QTest::newRow("background field") << "Bild2"
                                      << ""
                                      << "Hintergrund wird nicht gedruckt.";
    QTest::newRow("special groups not chosen") << "Bild1"
                                               << ""
                                               << "Keine Zeichen gewählt.";
    QTest::newRow("special groups from the settings") << "Bild1"
                                                      << "ß,chs,"
                                                      << "ß,chs,";
}

void WindowTest::hoverTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, groups);
    QFETCH(QString, hover);
    Harness h;
    h.state.specialGroupsText = groups.toStdU16String();
    h.openWith(QStringLiteral("Fuchs"));
    auto *widget = h.window->centralWidget()->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), hover);
}

void WindowTest::captionClickShowsTheLetters_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("double consonants") << "Label8"
                                       << "bb,dd,ff,gg,kk,ll,mm,nn,pp,rr,ss,tt,ww,zz\r";
    QTest::newRow("consonants") << "Label3"
                                << "BCDFGHJKLMNPQRSTVWXYZ\rbcdfghjklmnpqrsßtvwxyz\r";
    QTest::newRow("vowels padded to twenty") << "Label4"
                                             << "Aa Ee Ii Oo Uu      \r";
    QTest::newRow("umlauts padded to twenty") << "Label5"
                                              << "Äa Öö Üü            \r";
    QTest::newRow("capitals") << "Label6"
                              << "AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZ\r";
    QTest::newRow("punctuation padded to twenty") << "Label7"
                                                  << ". : , ; - ! ?       \r";
    QTest::newRow("background") << "Label2"
                                << "Die Hintergrundfarbe lässt sich\rnur für den Monitor einstellen!\r";
    QTest::newRow("special groups shows the groups") << "Label1"
                                                     << "sch,ei\r";
}

void WindowTest::captionClickShowsTheLetters()
{
    QFETCH(QString, caption);
    QFETCH(QString, prompt);
    Harness h;
    h.state.specialGroupsText = u"sch,ei";
    h.openWith(QStringLiteral("Eis"));
    auto *label = h.window->centralWidget()->findChild<ColourField *>(caption);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(h.dialogs.calls().size(), 1);
    const testsupport::DialogCall &call = h.dialogs.lastCall();
    QCOMPARE(call.prompt, prompt);
    QCOMPARE(call.title, label->text());
    QCOMPARE(call.buttons, platform::Buttons::Ok);
    QCOMPARE(call.icon, platform::Icon::None);
}

void WindowTest::helpBox()
{
    Harness h;
    h.window->findChild<QAction *>(QStringLiteral("menuHilfe"))->trigger();
    QCOMPARE(h.dialogs.calls().size(), 1);
    QCOMPARE(h.dialogs.lastCall().title, QStringLiteral("Laute einstellen"));
    const QStringList lines = h.dialogs.lastCall().prompt.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.first(), QStringLiteral("Die Farben werden mit Drag&Drop eingestellt."));
    QCOMPARE(lines.at(6), QStringLiteral("wieder durch Drag&Drop zugewiesen werden."));
    QCOMPARE(lines.last(), QString());
}

void WindowTest::fontListToggles()
{
    Harness h;
    h.openWith(QStringLiteral("Hallo"));
    QAction *fonts = h.window->findChild<QAction *>(QStringLiteral("menuSchriften"));
    const qreal dpi = h.window->logicalDpiX();
    for (const bool expectShown : {true, false, true}) {
        fonts->trigger();
        QCOMPARE(h.window->fontListShown(), expectShown);
        QCOMPARE(h.window->fontList()->isVisible(), expectShown);
        QCOMPARE(h.window->fontList()->x(), platform::twipsToPixels(expectShown ? 3120 : 11640, dpi));
        QCOMPARE(h.window->fontList()->y(), 0);
    }
}

void WindowTest::choosingAFontHidesTheListAndRecolours()
{
    Harness h;
    h.fonts.names = QStringList{"DejaVu Sans"};
    h.openWith(QStringLiteral("Die Katze."));
    h.window->toggleFontList();
    QListWidget *list = h.window->fontList();
    const QRect itemRect = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.center());
    QVERIFY(!h.window->fontListShown());
    QCOMPARE(h.window->preview().fieldFontName(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(h.window->preview().fieldFontSize(), 16.0);
    QCOMPARE(h.previewColours(), expectedColours(QStringLiteral("Die Katze."), h.state));
}

void WindowTest::fontSizeListSetsTheSize_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("size");
    QTest::newRow("smallest") << 0 << 12.0;
    QTest::newRow("fourth") << 3 << 24.0;
    QTest::newRow("largest") << 9 << 48.0;
}

void WindowTest::fontSizeListSetsTheSize()
{
    QFETCH(int, row);
    QFETCH(double, size);
    Harness h;
    h.openWith(QStringLiteral("Öl und Wasser"));
    h.window->fontSizeList()->setCurrentRow(row);
    QCOMPARE(h.window->preview().fieldFontSize(), size);
    QCOMPARE(h.window->preview().styledText().front().format.pointSize, size);
    QCOMPARE(h.previewColours(), expectedColours(QStringLiteral("Öl und Wasser"), h.state));
}

void WindowTest::fontSetFromOutsideWaitsForTheNextActivation()
{
    Harness h;
    h.window->setPreviewFontName(QStringLiteral("Arial"));
    QCOMPARE(h.window->preview().fieldFontName(), QStringLiteral("Arial"));
    h.openWith(QStringLiteral("Ball"));
    QCOMPARE(h.window->preview().styledText().front().format.fontName, QStringLiteral("Arial"));
}

void WindowTest::cancelCopiesColoursOnlyOnYes_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes copies every colour") << true;
    QTest::newRow("No leaves the WorkingText alone") << false;
}

void WindowTest::cancelCopiesColoursOnlyOnYes()
{
    QFETCH(bool, yes);
    Harness h;
    h.openWith(sampleText(QStringLiteral("lesetext.txt")));
    const auto before = h.editor.field->coloursOfAllPositions();
    h.window->dropOnCategory(SoundClass::Capitals, QStringLiteral("Farbe14"));
    h.window->dropOnCategory(SoundClass::Background, QStringLiteral("Farbe13"));
    const auto preview = h.previewColours();
    QCOMPARE(h.window->preview().backColor(), textcore::rgb(255, 255, 0));
    const QPoint windowPos = h.window->pos();

    h.dialogs.queueAnswer(yes ? platform::Answer::Yes : platform::Answer::No);
    h.window->findChild<QAction *>(QStringLiteral("menuAbbruch"))->trigger();

    QVERIFY(h.dialogs.verifyAllAnswered());
    const testsupport::DialogCall &call = h.dialogs.lastCall();
    QCOMPARE(call.prompt, QStringLiteral("Die Farben so übernehmen?\r\r"));
    QCOMPARE(call.title, QStringLiteral("Lautefarben"));
    QCOMPARE(call.buttons, platform::Buttons::YesNo);
    QCOMPARE(call.icon, platform::Icon::Question);
    QCOMPARE(call.defaultButton, platform::Answer::No);

    QCOMPARE(h.editor.field->coloursOfAllPositions(), yes ? preview : before);
    // Only character colours go over, never the background.
    QCOMPARE(h.editor.field->backColor(), textcore::kWhite);
    QCOMPARE(h.window->preview().length(), 0);
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.editor.shownAt.size(), 1);
    QCOMPARE(h.editor.shownAt.front(), std::optional<QPoint>(windowPos));
}

void WindowTest::closeBoxHidesWithoutCopying()
{
    Harness h;
    h.openWith(QStringLiteral("Die Katze."));
    const auto before = h.editor.field->coloursOfAllPositions();
    h.window->dropOnCategory(SoundClass::Vowels, QStringLiteral("Farbe3"));
    QVERIFY(h.window->close());
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.dialogs.calls().size(), 0);
    QCOMPARE(h.editor.field->coloursOfAllPositions(), before);
    QCOMPARE(h.editor.shownAt, (QList<std::optional<QPoint>>{std::nullopt}));
    QCOMPARE(h.state.colours[SoundClass::Vowels], textcore::rgb(255, 0, 0));

    // A hidden window closed at the program's end does not bring the editor back.
    h.window->close();
    QCOMPARE(h.editor.shownAt.size(), 1);
}

void WindowTest::specialGroupsEntry_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("groupList");
    QTest::newRow("sch,ei sets and recolours") << ""
                                               << "sch,ei"
                                               << "sch,ei" << QStringList{"sch", "ei"};
    QTest::newRow("the typed text replaces old groups") << "ß,chs,"
                                                        << "ie"
                                                        << "ie" << QStringList{"ie"};
    QTest::newRow("cancel keeps the old groups") << "ß,chs,"
                                                 << ""
                                                 << "ß,chs," << QStringList{"ß", "chs"};
    QTest::newRow("cancel without groups") << ""
                                           << ""
                                           << "" << QStringList{};
}

void WindowTest::specialGroupsEntry()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QStringList, groupList);
    Harness h;
    h.state.specialGroupsText = before.toStdU16String();
    h.state.colours[SoundClass::SpecialGroups] = textcore::rgb(255, 0, 255);
    const QString text = QStringLiteral("Schneeeis schmeckt fein.");
    h.openWith(text);
    h.dialogs.queueInput(typed);
    h.window->findChild<QAction *>(QStringLiteral("menuZeichen"))->trigger();

    const testsupport::DialogCall &call = h.dialogs.lastCall();
    QCOMPARE(call.kind, testsupport::DialogCall::Kind::Input);
    QCOMPARE(call.prompt,
             QStringLiteral("Geben Sie jetzt alle Sonderzeichen ein.\rDie Zeichen bitte mit Komma abtrennen."));
    QCOMPARE(call.title, QStringLiteral("Sonderzeichen"));
    QCOMPARE(call.proposed, QStringLiteral("ß,chs,"));

    QCOMPARE(QString::fromStdU16String(h.state.specialGroupsText), after);
    QCOMPARE(h.previewColours(), expectedColours(text, h.state));
    QCOMPARE(h.window->categoryField(SoundClass::SpecialGroups)->toolTip(),
             after.isEmpty() ? QStringLiteral("Keine Zeichen gewählt.") : after);
    QCOMPARE(h.window->findChild<QLineEdit *>(QStringLiteral("Text2"))->text(), after);
    QCOMPARE(itemTexts(h.window->findChild<QListWidget *>(QStringLiteral("List2"))), groupList);
    if (typed == QStringLiteral("sch,ei")) {
        // "Sch" of the first word is not "sch"; "sch" of "schmeckt" is.
        const auto colours = h.previewColours();
        const textcore::Colour special = h.state.colours[SoundClass::SpecialGroups];
        QCOMPARE(colours[10], special);
        QCOMPARE(colours[12], special);
        QCOMPARE(colours[0], h.state.colours[SoundClass::Capitals]);
        // "ei" inside "Schneeeis" overrides the doubled e and the vowel.
        QCOMPARE(colours[6], special);
        QCOMPARE(colours[7], special);
    }
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
