// How the windows are joined to the program: every editor entry opens its
// window, one window is on screen at a time, the reading font reaches all
// four reading fields, the background is one value for both colour
// windows, a discarded trainer starts afresh, and the font window shows
// the fonts of the settings file.
#include "app/support/programfixture.h"
#include "support/arcscheck.h"

#include "about/aboutwindow.h"
#include "editor/editorwindow.h"
#include "fonts/fontselectionwindow.h"
#include "platform/colourfield.h"
#include "platform/richtextfield.h"
#include "soundcolours/soundcolourwindow.h"
#include "syllables/syllablecolourwindow.h"
#include "trainer/trainerwindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using platform::Answer;
using textcore::SoundClass;
using textcore::TrainerKind;

namespace {

QWidget *builtWindow(app::ProgramWindows &windows, const QString &objectName)
{
    const QList<QWidget *> all{windows.soundColoursIfBuilt(),
                               windows.syllableColoursIfBuilt(),
                               windows.trainerIfBuilt(TrainerKind::Sounds),
                               windows.trainerIfBuilt(TrainerKind::Syllables),
                               windows.fontSelectionIfBuilt(),
                               windows.aboutIfBuilt()};
    for (QWidget *window : all)
        if (window && window->objectName() == objectName)
            return window;
    return nullptr;
}

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// A menu as one line: entries by their text, a submenu's entries in
// brackets, separator lines as "-", a disabled entry marked with "!".
QString describe(const QList<QAction *> &actions)
{
    QStringList parts;
    for (QAction *action : actions) {
        QString part = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->isEnabled())
            part += QLatin1Char('!');
        if (QMenu *menu = action->menu())
            part += QLatin1Char('(') + describe(menu->actions()) + QLatin1Char(')');
        parts.append(part);
    }
    return parts.join(QLatin1Char('|'));
}

void deleteDiscardedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestProgramWindows : public QObject {
    Q_OBJECT

private slots:
    void everyEditorEntryIsEnabled();
    void menuBarsReadAsDesigned_data();
    void menuBarsReadAsDesigned();
    void entryOpensItsWindowAndLeavingShowsTheEditor_data();
    void entryOpensItsWindowAndLeavingShowsTheEditor();
    void windowsAreBuiltOnceAndKept();
    void discardedTrainerStartsAfresh();
    void readingFontReachesAllFourFields();
    void readingViewReachesEveryField_data();
    void readingViewReachesEveryField();
    void backgroundIsOneValueForBothColourWindows();
    void fontWindowShowsAndKeepsTheSettingsFonts();
    void screenReadersHearWhatLabelsShow_data();
    void screenReadersHearWhatLabelsShow();
};

void TestProgramWindows::everyEditorEntryIsEnabled()
{
    ProgramFixture f;
    f.start(true);
    int entries = 0;
    for (QAction *action : f.editor().findChildren<QAction *>()) {
        if (action->isSeparator() || action->menu() || action->objectName().isEmpty())
            continue;
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        ++entries;
    }
    // Datei 7, Extras 19, Farbauswahl 2, Lesetraining 2, Trennzeichen 13, ? 2.
    QCOMPARE(entries, 45);
}

void TestProgramWindows::menuBarsReadAsDesigned_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("menuBar");

    QTest::newRow("editor")
        << "Form0"
        << "Datei(Neuer Text|-|Drucken|Sichern(Als RTF-Datei ...|Als TXT-Datei ...|Unformatiert  ...|"
           "Als PDF-Datei ...)|-|Beenden)|Extras(Drucker sperren|Hilfetipps zeigen|-|"
           "Silbenbögen zeigen|Abstände(Buchstaben(normal|+10 %|+25 %)|Wörter(normal|weit|"
           "sehr weit)|Zeilen(1|1,5|2))|-|Schriftartenwahl|-|"
           "Suchen/Ersetzen|Textfilter wählen|-|Vorlesen|Sprechtempo(langsam|mittel|normal))|Farbauswahl(L a u t e|S i "
           "l b e n)|"
           "Lesetraining(L a u t e|S i l b e n)|Trennzeichen(Taste -|Taste =|Taste ~|Taste /|-|"
           "Farbwahl(blau|cyan|grau|grün|r o t|schwarz)|-|Ersetzen|-|Silben automatisch setzen|Als Ausnahme "
           "merken)|?(Anleitung|Copyright)";
    QTest::newRow("sound colours") << "Form2"
                                   << "Abbruch|Drucken(Farbwerte|Textseite)|Kopieren|Sichern|Schriften|Zeichen|?";
    QTest::newRow("syllable colours") << "Form3"
                                      << "Abbruch|Drucken(Silbentabelle|Textseite)|Kopieren|Sichern|Schriften|Tabelle|"
                                         "Wortsilben(Alle Silben abwechselnd|Alle mehrsilbigen Wörter)|?";
    const QString trainerMenu = QStringLiteral("Abbruch|Ansicht(Fenster|Monitor)|Kopieren|Letterweise|Silbenweise|"
                                               "Wortweise|Satzweise|Textweise|kleiner|größer|Schriften|?|"
                                               "Vorlesen|Sprechtempo(langsam|mittel|normal)");
    QTest::newRow("sound trainer") << "Form1" << trainerMenu;
    QTest::newRow("syllable trainer") << "Form4" << trainerMenu;
}

void TestProgramWindows::menuBarsReadAsDesigned()
{
    QFETCH(QString, window);
    QFETCH(QString, menuBar);
    ProgramFixture f;
    f.start(true);
    f.windows().soundColours();
    f.windows().syllableColours();
    f.windows().trainerWindow(TrainerKind::Sounds);
    f.windows().trainerWindow(TrainerKind::Syllables);
    QMainWindow *shown = window == QLatin1String("Form0")
        ? &f.editor()
        : qobject_cast<QMainWindow *>(builtWindow(f.windows(), window));
    QVERIFY(shown);
    QCOMPARE(describe(shown->menuBar()->actions()), menuBar);
}

void TestProgramWindows::entryOpensItsWindowAndLeavingShowsTheEditor_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("place"); // "editor", "full screen" or "own"
    QTest::addColumn<QString>("leave"); // a menu entry, or "close box"

    QTest::newRow("Laute einstellen, Abbruch No") << "soundColoursEntry"
                                                  << "Form2"
                                                  << "editor"
                                                  << "menuAbbruch";
    QTest::newRow("Laute einstellen, close box") << "soundColoursEntry"
                                                 << "Form2"
                                                 << "editor"
                                                 << "close box";
    QTest::newRow("Silben einstellen, Abbruch No") << "syllableColoursEntry"
                                                   << "Form3"
                                                   << "editor"
                                                   << "Abbruch";
    QTest::newRow("Silben einstellen, close box") << "syllableColoursEntry"
                                                  << "Form3"
                                                  << "editor"
                                                  << "close box";
    QTest::newRow("Laute lesen, Abbruch") << "soundTrainerEntry"
                                          << "Form1"
                                          << "full screen"
                                          << "menu1";
    QTest::newRow("Silben lesen, close box") << "syllableTrainerEntry"
                                             << "Form4"
                                             << "full screen"
                                             << "close box";
    QTest::newRow("Schriftauswahl, Abbruch") << "fontSelectionEntry"
                                             << "Form5"
                                             << "own"
                                             << "cancelButton";
    QTest::newRow("Schriftauswahl, close box") << "fontSelectionEntry"
                                               << "Form5"
                                               << "own"
                                               << "close box";
    QTest::newRow("Copyright, O k a y") << "aboutEntry"
                                        << "ZAFLABEL"
                                        << "editor"
                                        << "okayField";
    QTest::newRow("Copyright, close box") << "aboutEntry"
                                          << "ZAFLABEL"
                                          << "editor"
                                          << "close box";
}

void TestProgramWindows::entryOpensItsWindowAndLeavingShowsTheEditor()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, place);
    QFETCH(QString, leave);

    ProgramFixture f;
    f.start(true);
    f.editor().move(37, 41);
    const QPoint editorPlace = f.editor().pos();
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});

    QVERIFY(ProgramFixture::trigger(f.editor(), entry));
    f.timers.fireAll();
    QWidget *opened = builtWindow(f.windows(), window);
    QVERIFY(opened);
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{opened});
    if (place == QLatin1String("editor"))
        QCOMPARE(opened->pos(), editorPlace);
    else if (place == QLatin1String("full screen"))
        QTRY_COMPARE(opened->frameGeometry(), opened->screen()->geometry());
    else
        QVERIFY(opened->pos() != editorPlace);

    // A colour window's text arrived with its delay, coloured.
    if (platform::RichTextField *field = readingField(*opened))
        QVERIFY(!field->text().isEmpty());

    // The colour windows ask whether to take their colours over.
    if (leave.startsWith(QLatin1String("menuAbbruch")) || leave == QLatin1String("Abbruch"))
        f.dialogs.queueAnswer(Answer::No);
    const QPoint openedPlace(61, 67);
    if (place == QLatin1String("editor"))
        opened->move(openedPlace);
    if (leave == QLatin1String("close box"))
        opened->close();
    else if (auto *button = opened->findChild<QPushButton *>(leave))
        button->click();
    else if (auto *label = opened->findChild<QWidget *>(leave))
        QTest::mouseClick(label, Qt::LeftButton);
    else
        QVERIFY(ProgramFixture::trigger(*opened, leave));
    QVERIFY(f.dialogs.verifyAllAnswered());
    deleteDiscardedWindows();

    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});
    // The windows that open over the editor give it their place back when
    // the user leaves them the ordinary way; the close box of a colour
    // window leaves the editor where it was.
    const bool movesEditor = place == QLatin1String("editor")
        && (leave != QLatin1String("close box") || window == QLatin1String("ZAFLABEL"));
    QCOMPARE(f.editor().pos(), movesEditor ? openedPlace : editorPlace);
}

void TestProgramWindows::windowsAreBuiltOnceAndKept()
{
    ProgramFixture f;
    f.start(true);
    // Nothing is built before it is touched.
    QVERIFY(!f.windows().soundColoursIfBuilt());
    QVERIFY(!f.windows().fontSelectionIfBuilt());

    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry")));
    soundcolours::SoundColourWindow *sound = f.windows().soundColoursIfBuilt();
    QVERIFY(sound);
    sound->toggleFontList();
    QVERIFY(sound->fontListShown());
    sound->close();
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry")));
    // The same window, with the list it had.
    QCOMPARE(f.windows().soundColoursIfBuilt(), sound);
    QVERIFY(sound->fontListShown());
    sound->close();

    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundTrainerEntry")));
    trainer::TrainerWindow *trainer = f.windows().trainerIfBuilt(TrainerKind::Sounds);
    QVERIFY(trainer);
    QTest::keyClick(trainer, Qt::Key_Escape);
    deleteDiscardedWindows();
    // "Abbruch" keeps a trainer; only its close box discards it.
    QCOMPARE(f.windows().trainerIfBuilt(TrainerKind::Sounds), trainer);
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});
}

void TestProgramWindows::discardedTrainerStartsAfresh()
{
    ProgramFixture f;
    f.start(true);
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables}) {
        const QString entry = kind == TrainerKind::Sounds ? QStringLiteral("soundTrainerEntry")
                                                          : QStringLiteral("syllableTrainerEntry");
        QVERIFY(ProgramFixture::trigger(f.editor(), entry));
        QPointer<trainer::TrainerWindow> first = f.windows().trainerIfBuilt(kind);
        QVERIFY(first);
        QTest::keyClick(first, Qt::Key_Right); // font 24 -> 26
        QCOMPARE(readingField(*first)->fieldFontSize(), 26.0);
        first->close();
        QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});
        deleteDiscardedWindows();
        QVERIFY(first.isNull());
        QVERIFY(!f.windows().trainerIfBuilt(kind));

        QVERIFY(ProgramFixture::trigger(f.editor(), entry));
        trainer::TrainerWindow *second = f.windows().trainerIfBuilt(kind);
        QVERIFY(second);
        QCOMPARE(readingField(*second)->fieldFontName(), QStringLiteral("Verdana"));
        QCOMPARE(readingField(*second)->fieldFontSize(), 24.0);
        QVERIFY(!readingField(*second)->text().isEmpty());
        QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{second});
        QTest::keyClick(second, Qt::Key_Escape);
    }
}

void TestProgramWindows::readingFontReachesAllFourFields()
{
    ProgramFixture f;
    f.start(true);
    // Before any window is built: each takes the font when it is built.
    f.program().session().requests().setReadingFieldsFont(QStringLiteral("Andika"));
    QList<QWidget *> all{&f.windows().trainerWindow(TrainerKind::Sounds), &f.windows().soundColours(),
                         &f.windows().syllableColours(), &f.windows().trainerWindow(TrainerKind::Syllables)};
    for (QWidget *window : all)
        QCOMPARE(readingField(*window)->fieldFontName(), QStringLiteral("Andika"));

    // Built windows take it at once.
    f.program().session().requests().setReadingFieldsFont(QStringLiteral("DejaVu Sans"));
    for (QWidget *window : all)
        QCOMPARE(readingField(*window)->fieldFontName(), QStringLiteral("DejaVu Sans"));

    // Through the font window's button: the font chosen on the right.
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("fontSelectionEntry")));
    fonts::FontSelectionWindow &fontWindow = *f.windows().fontSelectionIfBuilt();
    fontWindow.findChild<QListWidget *>(QStringLiteral("verdanaList"))->setCurrentRow(0);
    fontWindow.findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
    for (QWidget *window : all)
        QCOMPARE(readingField(*window)->fieldFontName(), QStringLiteral("Verdana"));
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});

    // A trainer discarded after the font was applied starts with its own.
    f.program().session().requests().setReadingFieldsFont(QStringLiteral("Andika"));
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("syllableTrainerEntry")));
    f.windows().trainerIfBuilt(TrainerKind::Syllables)->close();
    deleteDiscardedWindows();
    QCOMPARE(readingField(f.windows().trainerWindow(TrainerKind::Syllables))->fieldFontName(),
             QStringLiteral("Verdana"));
    QCOMPARE(readingField(f.windows().trainerWindow(TrainerKind::Sounds))->fieldFontName(), QStringLiteral("Andika"));
}

void TestProgramWindows::readingViewReachesEveryField_data()
{
    QTest::addColumn<QString>("entry"); // empty: the editor's own field
    QTest::addColumn<QString>("window");
    QTest::newRow("editor") << QString() << "Form0";
    QTest::newRow("sound colour preview") << "soundColoursEntry"
                                          << "Form2";
    QTest::newRow("syllable colour preview") << "syllableColoursEntry"
                                             << "Form3";
    QTest::newRow("sound trainer") << "soundTrainerEntry"
                                   << "Form1";
    QTest::newRow("syllable trainer") << "syllableTrainerEntry"
                                      << "Form4";
}

void TestProgramWindows::readingViewReachesEveryField()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    ProgramFixture f;
    f.start(true);
    // Spacing chosen before the window is built, arcs while it is open.
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("lineSpacing15Entry")));
    QWidget *shown = &f.editor();
    if (!entry.isEmpty()) {
        QVERIFY(ProgramFixture::trigger(f.editor(), entry));
        f.timers.fireAll();
        shown = builtWindow(f.windows(), window);
        QVERIFY(shown);
    }
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("syllableArcsEntry")));
    platform::RichTextField *field = readingField(*shown);
    QVERIFY(field && !field->text().isEmpty());
    QCOMPARE(field->readingView(),
             (platform::ReadingView{true, platform::LetterSpacing::Normal, platform::WordSpacing::Normal,
                                    platform::LineSpacing::OneAndAHalf}));
    const ArcsSeen seen = arcsOf(*field);
    QVERIFY2(seen.error.isEmpty(), qPrintable(seen.error));
    QVERIFY2(seen.arcColours.size() >= 3, qPrintable(QString::number(seen.arcColours.size())));
}

void TestProgramWindows::backgroundIsOneValueForBothColourWindows()
{
    ProgramFixture f;
    f.start(true);
    const textcore::Colour orange = textcore::rgb(255, 128, 0);
    const textcore::Colour blue = textcore::rgb(0, 0, 192);

    // Dropped in the sound window: the syllable window, built already,
    // shows it at once and colours its text on it.
    syllables::SyllableColourWindow &syllableWindow = f.windows().syllableColours();
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry")));
    f.timers.fireAll();
    soundcolours::SoundColourWindow &soundWindow = *f.windows().soundColoursIfBuilt();
    soundWindow.dropOnCategory(SoundClass::Background, QStringLiteral("Farbe14"));
    QCOMPARE(syllableWindow.backgroundField()->colour(), orange);
    f.dialogs.queueAnswer(Answer::No);
    QVERIFY(ProgramFixture::trigger(soundWindow, QStringLiteral("menuAbbruch")));

    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("syllableColoursEntry")));
    f.timers.fireAll();
    QCOMPARE(syllableWindow.textField()->backColor(), orange);

    // Set in the syllable window: the sound window shows it at its next
    // opening, and its preview stands on it.
    syllableWindow.setBackgroundColour(blue);
    f.dialogs.queueAnswer(Answer::No);
    QVERIFY(ProgramFixture::trigger(syllableWindow, QStringLiteral("Abbruch")));
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry")));
    f.timers.fireAll();
    QCOMPARE(soundWindow.categoryField(SoundClass::Background)->colour(), blue);
    QCOMPARE(soundWindow.preview().backColor(), blue);
    QCOMPARE(f.program().session().sound().colours[SoundClass::Background], blue);
    QVERIFY(f.dialogs.verifyAllAnswered());
}

void TestProgramWindows::fontWindowShowsAndKeepsTheSettingsFonts()
{
    ProgramFixture f;
    f.copyData(QStringLiteral("editor/settings-messy-fonts.ini"), QStringLiteral("KOLORAT.INI"));
    f.start();
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("fontSelectionEntry")));
    fonts::FontSelectionWindow &fontWindow = *f.windows().fontSelectionIfBuilt();
    auto *offered = fontWindow.findChild<QListWidget *>(QStringLiteral("offeredFontList"));
    const QStringList fromFile{"Andika", "comic neue", "Times New Roman"};
    QCOMPARE(listTexts(offered), fromFile);

    // The installed fonts arrive after the delay; add one that is not offered.
    f.timers.fireAll();
    auto *system = fontWindow.findChild<QListWidget *>(QStringLiteral("systemFontList"));
    QCOMPARE(listTexts(system), (QStringList{"Andika", "Arial", "Comic Sans MS", "DejaVu Sans"}));
    system->setCurrentRow(2);
    fontWindow.findChild<QPushButton *>(QStringLiteral("addButton"))->click();
    const QStringList chosen{"Andika", "comic neue", "Comic Sans MS", "Times New Roman"};
    QCOMPARE(listTexts(offered), chosen);
    fontWindow.close();

    // The editor's font box offers it as soon as the editor is back.
    auto *fontBox = f.editor().findChild<QComboBox *>(QStringLiteral("EditorFonts"));
    QVERIFY(fontBox);
    QCOMPARE(fontBox->count(), 6);
    QCOMPARE(fontBox->itemText(4), QStringLiteral("Comic Sans MS"));

    // Every font list offers it from the next opening on.
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry")));
    f.timers.fireAll();
    QCOMPARE(listTexts(f.windows().soundColoursIfBuilt()->fontList()), QStringList({"Arial", "Verdana"}) + chosen);
    f.windows().soundColoursIfBuilt()->close();

    // And the settings file keeps it.
    f.dialogs.queueAnswer(Answer::Yes);
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("exitEntry")));
    QCOMPARE(f.programEnds, 1);
    const QList<QByteArray> lines = f.readFile(QStringLiteral("KOLORAT.INI")).split('\n');
    QCOMPARE(lines.mid(12, 4), (QList<QByteArray>{"Andika\r", "comic neue\r", "Comic Sans MS\r", "Times New Roman\r"}));
    QVERIFY(f.dialogs.verifyAllAnswered());
}

void TestProgramWindows::screenReadersHearWhatLabelsShow_data()
{
    QTest::addColumn<QString>("entry"); // empty for the editor itself
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("panel"); // a menu entry that shows more labels

    QTest::newRow("editor") << ""
                            << "Form0"
                            << "";
    QTest::newRow("sound colours") << "soundColoursEntry"
                                   << "Form2"
                                   << "";
    QTest::newRow("syllable colours and table") << "syllableColoursEntry"
                                                << "Form3"
                                                << "Tabelle";
    QTest::newRow("font selection") << "fontSelectionEntry"
                                    << "Form5"
                                    << "";
    QTest::newRow("about") << "aboutEntry"
                           << "ZAFLABEL"
                           << "";
}

void TestProgramWindows::screenReadersHearWhatLabelsShow()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, panel);

    ProgramFixture f;
    f.start(true);
    QWidget *shown = &f.editor();
    if (!entry.isEmpty()) {
        QVERIFY(ProgramFixture::trigger(f.editor(), entry));
        f.timers.fireAll();
        shown = builtWindow(f.windows(), window);
        QVERIFY(shown);
    }
    if (!panel.isEmpty())
        QVERIFY(ProgramFixture::trigger(*shown, panel));

    // (The trainers show no labels.) A fixed accessible name would be read
    // instead of the text. Colour
    // boxes are the exception: their caption ("1", "2") is no value, the
    // colour they stand for is their name.
    int labels = 0;
    for (QLabel *label : shown->findChildren<QLabel *>()) {
        const auto *colourBox = qobject_cast<platform::ColourField *>(label);
        if (!label->isVisibleTo(shown) || label->text().isEmpty()
            || (colourBox && colourBox->role() != platform::ColourField::Role::Caption))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), label->text());
        ++labels;
    }
    QVERIFY(labels > 0);
}

QTEST_MAIN(TestProgramWindows)
#include "tst_programwindows.moc"
