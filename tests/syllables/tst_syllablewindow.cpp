// The syllable colour window driven headless: layout, mixer, targets with
// clicks and drops, the counting modes, fonts and the syllable list.
#include "windowfixture.h"

#include "platform/colourfield.h"
#include "platform/twips.h"
#include "syllables/tablepanel.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using namespace syllabletest;
using platform::ColourField;
using textcore::Colour;
using textcore::SoundClass;

namespace {

constexpr Colour kFirst = textcore::rgb(0, 0, 0);
constexpr Colour kSecond = textcore::rgb(255, 0, 0);

// One letter a position: 'a' first colour, 'b' second, '?' anything else.
QString colourLetters(const std::vector<Colour> &colours, Colour first, Colour second)
{
    QString out;
    for (Colour c : colours)
        out.append(c == first ? QLatin1Char('a') : c == second ? QLatin1Char('b') : QLatin1Char('?'));
    return out;
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// As the mouse does it: the drag enters the field, then drops.
void dropOn(QWidget *target, const QMimeData &data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

QAction *menuAction(QMenuBar *bar, const QString &text)
{
    for (QAction *top : bar->actions()) {
        if (top->text() == text)
            return top;
        if (top->menu())
            for (QAction *inner : top->menu()->actions())
                if (inner->text() == text)
                    return inner;
    }
    return nullptr;
}

} // namespace

class SyllableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void placesEveryElement_data();
    void placesEveryElement();
    void namesEveryFieldWithoutText();
    void startsAsCreated();
    void menuBarInOrder();
    void numberField_data();
    void numberField();
    void nineCharactersChangeNothing();
    void slidersMixTheCustomColour();
    void passColoursByMode_data();
    void passColoursByMode();
    void passKeepsTheCaret();
    void droppedColourOnSecondThenMultiSyllableWords();
    void mouseDragsPaletteColourOntoTarget();
    void dragEnterAcceptsOnlyColours();
    void foreignDropChangesNoColour();
    void clicksTakeTheCustomColour_data();
    void clicksTakeTheCustomColour();
    void backgroundDropSetsTheSharedBackground();
    void backgroundSetFromOutsideIsShown();
    void rosineUndRoseGivesTheList();
    void emptyEditorTextKeepsTheField();
    void sizeListSetsTheFontSize_data();
    void sizeListSetsTheFontSize();
    void fontListOfferedAndChosen();
    void fontListAndTableExcludeEachOther();
    void captionHelp_data();
    void captionHelp();
    void textArrivesOnlyForTheCurrentOpening();
};

void SyllableWindowTest::placesEveryElement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("number field") << "numberField" << QRect(240, 480, 1215, 285);
    QTest::newRow("custom colour") << "customColourField" << QRect(240, 720, 1215, 345);
    QTest::newRow("red slider") << "redSlider" << QRect(240, 1080, 255, 1935);
    QTest::newRow("green slider") << "greenSlider" << QRect(720, 1080, 255, 1935);
    QTest::newRow("blue slider") << "blueSlider" << QRect(1200, 1080, 255, 1935);
    QTest::newRow("red value") << "redValue" << QRect(180, 3000, 375, 255);
    QTest::newRow("blue value") << "blueValue" << QRect(1140, 3000, 375, 255);
    QTest::newRow("mixer caption") << "mixerCaption" << QRect(150, 270, 1335, 255);
    QTest::newRow("target 1") << "firstTarget" << QRect(120, 3600, 735, 375);
    QTest::newRow("target 2") << "secondTarget" << QRect(840, 3600, 735, 375);
    QTest::newRow("background") << "backgroundField" << QRect(120, 4320, 1455, 255);
    QTest::newRow("colours caption") << "syllableColoursCaption" << QRect(120, 3360, 1455, 255);
    QTest::newRow("background caption") << "backgroundCaption" << QRect(120, 4080, 1455, 255);
    QTest::newRow("list caption") << "syllableListCaption" << QRect(120, 4680, 1455, 255);
    QTest::newRow("syllable list") << "SyllableList" << QRect(120, 4920, 1455, 3150);
    QTest::newRow("text field") << "RichTextBox1" << QRect(1680, 240, 8535, 7830);
    QTest::newRow("first palette field") << "paletteField1" << QRect(10320, 240, 375, 375);
    QTest::newRow("last palette field") << "paletteField16" << QRect(10320, 5640, 375, 375);
    QTest::newRow("size list") << "fontSizeList" << QRect(10320, 6075, 375, 1980);
    QTest::newRow("font list") << "FontList" << QRect(3120, 0, 1935, 2565);
    QTest::newRow("table panel") << "TablePanel" << QRect(120, 120, 10575, 8055);
}

void SyllableWindowTest::placesEveryElement()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    WindowFixture f;
    auto *widget = f.window->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget(), f.window->centralWidget());
    QCOMPARE(widget->geometry(), platform::twipsToPixels(twips, widget->logicalDpiX()));
}

void SyllableWindowTest::namesEveryFieldWithoutText()
{
    WindowFixture f;
    QStringList unnamed;
    const auto check = [&](QWidget *w) {
        if (w->accessibleName().trimmed().isEmpty())
            unnamed.append(w->objectName());
    };
    for (auto *w : f.window->findChildren<QSlider *>())
        check(w);
    for (auto *w : f.window->findChildren<QListWidget *>())
        check(w);
    for (auto *w : f.window->findChildren<QLineEdit *>())
        check(w);
    for (auto *w : f.window->findChildren<QPlainTextEdit *>())
        check(w);
    for (auto *w : f.window->findChildren<ColourField *>())
        check(w);
    check(f.window->textField());
    // Labels showing a value are read by that value, not by a name.
    for (auto *w : f.window->findChildren<QLabel *>())
        if (w->text().isEmpty())
            check(w);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
}

void SyllableWindowTest::startsAsCreated()
{
    WindowFixture f;
    QCOMPARE(f.window->objectName(), QStringLiteral("Form3"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("olorat:  Silben einstellen"));
    QVERIFY(f.window->fontList()->isHidden());
    QVERIFY(f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->fontSizeList()->currentRow(), 1);
    QCOMPARE(itemTexts(f.window->fontSizeList()),
             QStringList({"12", "16", "20", "24", "28", "32", "36", "40", "44", "48"}));
    QCOMPARE(f.window->textField()->fieldFontName(), QStringLiteral("Verdana"));
    QCOMPARE(f.window->textField()->fieldFontSize(), 16.0);
    QVERIFY(f.window->textField()->fieldFontBold());
    QCOMPARE(f.window->numberField()->text(), QString());
    QCOMPARE(f.window->customColourField()->colour(), textcore::kBlack);
    QCOMPARE(f.window->firstTarget()->colour(), kFirst);
    QCOMPARE(f.window->secondTarget()->colour(), kSecond);
    QCOMPARE(f.window->backgroundField()->colour(), textcore::kWhite);
    QCOMPARE(f.window->paletteField(14)->colour(), textcore::rgb(128, 64, 0));
    QCOMPARE(f.window->paletteField(13)->colour(), textcore::rgb(255, 128, 0));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.window->slider(i)->value(), 0);
        QCOMPARE(f.window->valueLabel(i)->text(), QStringLiteral("0"));
    }
    // The window asks nothing of the editor before it is opened.
    QCOMPARE(f.editor.otherCalls, 0);
    QVERIFY(f.dialogs.calls().isEmpty());
}

void SyllableWindowTest::menuBarInOrder()
{
    WindowFixture f;
    QStringList top;
    for (QAction *action : f.window->menuBar()->actions())
        top.append(action->text());
    QCOMPARE(top,
             QStringList({"Abbruch", "Drucken", "Kopieren", "Sichern", "Schriften", "Tabelle", "Wortsilben", "?"}));
    QAction *alternating = menuAction(f.window->menuBar(), QStringLiteral("Alle Silben abwechselnd"));
    QAction *multi = menuAction(f.window->menuBar(), QStringLiteral("Alle mehrsilbigen Wörter"));
    QVERIFY(alternating && multi);
    QVERIFY(alternating->isChecked());
    QVERIFY(!multi->isChecked());
    multi->trigger();
    QVERIFY(!alternating->isChecked());
    QVERIFY(multi->isChecked());
    QCOMPARE(f.state.counting, textcore::SyllableCounting::MultiSyllableWords);
    QVERIFY(menuAction(f.window->menuBar(), QStringLiteral("Silbentabelle")));
    QVERIFY(menuAction(f.window->menuBar(), QStringLiteral("Textseite")));
}

void SyllableWindowTest::numberField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("255 is red") << "255"
                                << "255" << Colour(255);
    QTest::newRow("65280 is green") << "65280"
                                    << "65280" << Colour(65280);
    QTest::newRow("16777216 empties") << "16777216"
                                      << "" << Colour(0);
    QTest::newRow("12a empties") << "12a"
                                 << "" << Colour(0);
}

void SyllableWindowTest::numberField()
{
    QFETCH(QString, typed);
    QFETCH(QString, fieldAfter);
    QFETCH(Colour, colour);
    WindowFixture f;
    f.window->customColourField()->setColour(textcore::rgb(1, 2, 3));
    QTest::keyClicks(f.window->numberField(), typed);
    QCOMPARE(f.window->numberField()->text(), fieldAfter);
    QCOMPARE(f.window->customColourField()->colour(), colour);
}

void SyllableWindowTest::nineCharactersChangeNothing()
{
    WindowFixture f;
    f.window->numberField()->setText(QStringLiteral("255"));
    QCOMPARE(f.window->customColourField()->colour(), Colour(255));
    f.window->numberField()->setText(QStringLiteral("123456789"));
    QCOMPARE(f.window->numberField()->text(), QStringLiteral("123456789"));
    QCOMPARE(f.window->customColourField()->colour(), Colour(255));
}

void SyllableWindowTest::slidersMixTheCustomColour()
{
    WindowFixture f;
    f.window->slider(1)->setValue(128);
    QCOMPARE(f.window->valueLabel(0)->text(), QStringLiteral("0"));
    QCOMPARE(f.window->valueLabel(1)->text(), QStringLiteral("128"));
    QCOMPARE(f.window->valueLabel(2)->text(), QStringLiteral("0"));
    QCOMPARE(f.window->numberField()->text(), QStringLiteral("32768"));
    QCOMPARE(f.window->customColourField()->colour(), textcore::rgb(0, 128, 0));
    f.window->slider(2)->setValue(255);
    QCOMPARE(f.window->numberField()->text(), QString::number(textcore::rgb(0, 128, 255)));
    QCOMPARE(f.window->customColourField()->colour(), textcore::rgb(0, 128, 255));
    // 0 at the top: the slider is drawn upside down.
    QVERIFY(f.window->slider(0)->invertedAppearance());
}

void SyllableWindowTest::passColoursByMode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Rosine und Ei, alternating") << "Ro|si|ne und Ei" << false << "aabbbaaabbbbaaa";
    QTest::newRow("Rosine und Ei, words") << "Ro|si|ne und Ei" << true << "aabbbaaaaaaaaaa";
    QTest::newRow("line break steps once") << "ab\r\ncd" << false << "aabbbb";
    QTest::newRow("two blanks step twice") << "a  b" << false << "abaa";
    QTest::newRow("leading blank") << " Ei" << false << "bbb";
    QTest::newRow("visible hyphen is no boundary") << "Ro-se Ro-se" << true << "aaaaaaaaaaa";
}

void SyllableWindowTest::passColoursByMode()
{
    QFETCH(QString, text);
    QFETCH(bool, multi);
    QFETCH(QString, expected);
    WindowFixture f;
    f.state.counting
        = multi ? textcore::SyllableCounting::MultiSyllableWords : textcore::SyllableCounting::AllSyllablesAlternating;
    f.soundState.colours[SoundClass::Background] = textcore::rgb(255, 255, 0);
    f.open(text);
    QCOMPARE(f.window->textField()->text(), marked(text));
    QCOMPARE(colourLetters(f.window->textField()->coloursOfAllPositions(), kFirst, kSecond), expected);
    QCOMPARE(f.window->textField()->backColor(), textcore::rgb(255, 255, 0));
    QCOMPARE(f.window->backgroundField()->colour(), textcore::rgb(255, 255, 0));
}

void SyllableWindowTest::passKeepsTheCaret()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|si|ne und Ei"));
    f.window->textField()->setSelStart(7);
    f.window->chooseCounting(textcore::SyllableCounting::MultiSyllableWords);
    QCOMPARE(f.window->textField()->selStart(), 7);
    QCOMPARE(f.window->textField()->selLength(), 0);
}

void SyllableWindowTest::droppedColourOnSecondThenMultiSyllableWords()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|si|ne und Ei"));
    ColourField *magenta = f.window->paletteField(10);
    QCOMPARE(magenta->colour(), textcore::rgb(255, 0, 255));
    std::unique_ptr<QMimeData> data(magenta->createMimeData());
    dropOn(f.window->secondTarget(), *data);
    QCOMPARE(f.state.colours.second, textcore::rgb(255, 0, 255));
    QCOMPARE(f.window->secondTarget()->colour(), textcore::rgb(255, 0, 255));
    // The drop coloured the text at once, still alternating.
    QCOMPARE(colourLetters(f.window->textField()->coloursOfAllPositions(), kFirst, textcore::rgb(255, 0, 255)),
             QStringLiteral("aabbbaaabbbbaaa"));

    menuAction(f.window->menuBar(), QStringLiteral("Alle mehrsilbigen Wörter"))->trigger();
    QCOMPARE(colourLetters(f.window->textField()->coloursOfAllPositions(), kFirst, textcore::rgb(255, 0, 255)),
             QStringLiteral("aabbbaaaaaaaaaa"));
}

void SyllableWindowTest::mouseDragsPaletteColourOntoTarget()
{
    // The offscreen platform ends every drag at once; CTest runs this case
    // once more under Xvfb (syllables_mouse_drag).
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("no drag and drop on the offscreen platform");
    WindowFixture f;
    f.open(QStringLiteral("Ro|se"));
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QWindow *handle = f.window->windowHandle();
    const auto inWindow = [&](QWidget *w) { return w->mapTo(f.window.get(), w->rect().center()); };
    const QPoint target = inWindow(f.window->firstTarget());
    // The drag runs its own event loop from the press on; the mouse moves
    // and is released from inside it.
    QTimer::singleShot(50, [&] {
        QTest::mouseMove(handle, inWindow(f.window->paletteField(8)) + QPoint(10, 0));
        QTest::mouseMove(handle, target);
        QTest::mouseMove(handle, target + QPoint(1, 1));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, target + QPoint(1, 1));
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, inWindow(f.window->paletteField(8)));
    QTRY_COMPARE(f.state.colours.first, textcore::rgb(0, 192, 0));
    QCOMPARE(f.window->textField()->coloursOfAllPositions().front(), textcore::rgb(0, 192, 0));
}

void SyllableWindowTest::dragEnterAcceptsOnlyColours()
{
    WindowFixture f;
    std::unique_ptr<QMimeData> colour(f.window->paletteField(2)->createMimeData());
    QMimeData text;
    text.setText(QStringLiteral("255"));
    for (auto [data, accepted] : {std::pair{colour.get(), true}, std::pair{&text, false}}) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(f.window->firstTarget(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
    }
    // Sources take no drops.
    QVERIFY(!f.window->paletteField(0)->acceptDrops());
    QVERIFY(!f.window->customColourField()->acceptDrops());
}

void SyllableWindowTest::foreignDropChangesNoColour()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|se"));
    QMimeData text;
    text.setText(QStringLiteral("16711680"));
    f.window->firstTarget()->acceptDrop(text);
    QCOMPARE(f.state.colours.first, kFirst);
    QCOMPARE(f.window->firstTarget()->colour(), kFirst);
}

void SyllableWindowTest::clicksTakeTheCustomColour_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("1") << "firstTarget";
    QTest::newRow("2") << "secondTarget";
    QTest::newRow("background") << "backgroundField";
}

void SyllableWindowTest::clicksTakeTheCustomColour()
{
    QFETCH(QString, target);
    WindowFixture f;
    f.open(QStringLiteral("Ro|se und Ei"));
    f.window->numberField()->setText(QString::number(textcore::rgb(0, 192, 0)));
    auto *field = f.window->findChild<ColourField *>(target);
    QVERIFY(field);
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(field->colour(), textcore::rgb(0, 192, 0));
    const std::vector<Colour> colours = f.window->textField()->coloursOfAllPositions();
    if (target == QLatin1String("firstTarget")) {
        QCOMPARE(f.state.colours.first, textcore::rgb(0, 192, 0));
        QCOMPARE(colours.front(), textcore::rgb(0, 192, 0));
    } else if (target == QLatin1String("secondTarget")) {
        QCOMPARE(f.state.colours.second, textcore::rgb(0, 192, 0));
        QCOMPARE(colours.at(3), textcore::rgb(0, 192, 0));
    } else {
        // The sound colour window reads its background from the same holder.
        QCOMPARE(f.soundState.colours[SoundClass::Background], textcore::rgb(0, 192, 0));
        QCOMPARE(f.window->textField()->backColor(), textcore::rgb(0, 192, 0));
        QCOMPARE(f.state.colours, textcore::SyllableColours{});
    }
}

void SyllableWindowTest::backgroundDropSetsTheSharedBackground()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|se"));
    std::unique_ptr<QMimeData> data(f.window->paletteField(12)->createMimeData());
    dropOn(f.window->backgroundField(), *data);
    QCOMPARE(f.soundState.colours[SoundClass::Background], textcore::rgb(255, 255, 0));
    QCOMPARE(f.window->backgroundField()->colour(), textcore::rgb(255, 255, 0));
    QCOMPARE(f.window->textField()->backColor(), textcore::rgb(255, 255, 0));
    // Only the background changed among the shared colours.
    textcore::SoundColours expected;
    expected[SoundClass::Background] = textcore::rgb(255, 255, 0);
    QCOMPARE(f.soundState.colours, expected);
}

void SyllableWindowTest::backgroundSetFromOutsideIsShown()
{
    WindowFixture f;
    // The sound colour window changes the shared background while this one is hidden.
    f.soundState.colours[SoundClass::Background] = textcore::rgb(128, 128, 255);
    f.state.colours.first = textcore::rgb(0, 0, 192);
    f.open(QStringLiteral("Ro|se"));
    QCOMPARE(f.window->backgroundField()->colour(), textcore::rgb(128, 128, 255));
    QCOMPARE(f.window->firstTarget()->colour(), textcore::rgb(0, 0, 192));
    QCOMPARE(f.window->textField()->coloursOfAllPositions().front(), textcore::rgb(0, 0, 192));
    f.window->setBackgroundColour(textcore::rgb(1, 2, 3));
    QCOMPARE(f.soundState.colours[SoundClass::Background], textcore::rgb(1, 2, 3));
    QCOMPARE(f.window->backgroundField()->colour(), textcore::rgb(1, 2, 3));
}

void SyllableWindowTest::rosineUndRoseGivesTheList()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|si|ne und Ro|se."));
    const QStringList expected{"ne", "Ro", "se", "si", "und"};
    QCOMPARE(itemTexts(f.window->syllableListWidget()), expected);
    auto *count = f.window->tablePanel()->findChild<QLabel *>(QStringLiteral("countLabel"));
    QVERIFY(count);
    QCOMPARE(count->text(), QStringLiteral("5"));
    // A new pass on another text replaces the list and the count.
    f.window->hide();
    f.open(QStringLiteral("Der Ap|fel, der Baum."));
    QCOMPARE(itemTexts(f.window->syllableListWidget()), QStringList({"Ap", "Baum", "der", "Der", "fel"}));
    QCOMPARE(count->text(), QStringLiteral("5"));
}

void SyllableWindowTest::emptyEditorTextKeepsTheField()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|se"));
    f.window->hide();
    f.state.colours.first = textcore::rgb(0, 0, 255);
    f.open(QString());
    QCOMPARE(f.window->textField()->text(), marked(QStringLiteral("Ro|se")));
    QCOMPARE(f.window->textField()->coloursOfAllPositions().front(), textcore::rgb(0, 0, 255));
}

void SyllableWindowTest::sizeListSetsTheFontSize_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("size");
    QTest::newRow("first") << 0 << 12.0;
    QTest::newRow("third") << 2 << 20.0;
    QTest::newRow("last") << 9 << 48.0;
}

void SyllableWindowTest::sizeListSetsTheFontSize()
{
    QFETCH(int, row);
    QFETCH(double, size);
    WindowFixture f;
    f.open(QStringLiteral("Ro|se"));
    f.window->fontSizeList()->setCurrentRow(row);
    QCOMPARE(f.window->textField()->fieldFontSize(), size);
    QCOMPARE(f.window->textField()->styledText().front().format.pointSize, size);
    QCOMPARE(colourLetters(f.window->textField()->coloursOfAllPositions(), kFirst, kSecond), QStringLiteral("aabbb"));
}

void SyllableWindowTest::fontListOfferedAndChosen()
{
    WindowFixture f;
    f.offered.add(QStringLiteral("DejaVu Serif"));
    f.offered.add(QStringLiteral("Courier New"));
    f.open(QStringLiteral("Ro|se"));
    QCOMPARE(itemTexts(f.window->fontList()), QStringList({"Arial", "Verdana", "Courier New", "DejaVu Serif"}));

    f.window->toggleFontList();
    QVERIFY(!f.window->fontList()->isHidden());
    f.window->toggleFontList();
    QVERIFY(f.window->fontList()->isHidden());
    f.window->toggleFontList();
    f.window->fontList()->item(3)->setSelected(true);
    QVERIFY(f.window->fontList()->isHidden());
    QCOMPARE(f.window->textField()->fieldFontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(colourLetters(f.window->textField()->coloursOfAllPositions(), kFirst, kSecond), QStringLiteral("aabbb"));

    // The same entry again is a choice again.
    f.window->setTextFont(QStringLiteral("Arial"));
    QCOMPARE(f.window->textField()->fieldFontName(), QStringLiteral("Arial"));
    f.window->toggleFontList();
    f.window->fontList()->item(3)->setSelected(true);
    QCOMPARE(f.window->textField()->fieldFontName(), QStringLiteral("DejaVu Serif"));
}

void SyllableWindowTest::fontListAndTableExcludeEachOther()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|se"));
    f.window->toggleFontList();
    f.window->toggleTable();
    QVERIFY(f.window->fontList()->isHidden());
    QVERIFY(!f.window->tablePanel()->isHidden());
    f.window->toggleFontList();
    QVERIFY(!f.window->fontList()->isHidden());
    QVERIFY(f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->tablePanel()->tableText(), QString());
}

void SyllableWindowTest::captionHelp_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("Silbenfarben") << "syllableColoursCaption"
                                  << "Silbenfarben"
                                  << "Im Menü  ''Wortsilben''  können\rSie die Silbenzählung einstellen.\r";
    QTest::newRow("Hintergrund") << "backgroundCaption"
                                 << "Hintergrund"
                                 << "Die Hintergrundfarbe lässt sich\rnur für den Monitor einstellen!\r";
    QTest::newRow("Silbenliste") << "syllableListCaption"
                                 << "Silbenliste"
                                 << "Diese Silbenliste lässt sich als\rTabelle auch ausdrucken und\r"
                                    "enthält alle Silben des Textes.\r";
    QTest::newRow("menu ?") << ""
                            << "Silben einstellen"
                            << "Die Farben werden mit Drag&Drop eingestellt.\rAm rechten Rand befinden sich "
                               "vordefinierte\rFarbflächen. Diese können mit der Maus auf\rdie linken Zielflächen "
                               "gezogen werden. Extra\rFarben können mit den drei Schiebereglern am\rlinken oberen "
                               "Bildrand eingestellt werden und\rwieder durch Drag&Drop zugewiesen werden.\r";
}

void SyllableWindowTest::captionHelp()
{
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    WindowFixture f;
    f.dialogs.queueAnswer(platform::Answer::Ok);
    if (caption.isEmpty()) {
        menuAction(f.window->menuBar(), QStringLiteral("?"))->trigger();
    } else {
        auto *label = f.window->findChild<QLabel *>(caption);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(f.dialogs.calls().size(), 1);
    QCOMPARE(f.dialogs.lastCall().title, title);
    QCOMPARE(f.dialogs.lastCall().prompt, prompt);
    QCOMPARE(f.dialogs.lastCall().buttons, platform::Buttons::Ok);
    QVERIFY(f.dialogs.verifyAllAnswered());
}

void SyllableWindowTest::textArrivesOnlyForTheCurrentOpening()
{
    WindowFixture f;
    f.editor.field.setText(QStringLiteral("alt"));
    f.window->openAt(QPoint(40, 30));
    QCOMPARE(f.timers.pendingDelays(), QList<int>({200}));
    QCOMPARE(f.window->pos(), QPoint(40, 30));
    // Left before the delay ran out: the late copy must not land.
    f.window->close();
    QCOMPARE(f.editor.showings.size(), 1);
    QCOMPARE(f.editor.showings.front(), std::nullopt);
    f.timers.fireAll();
    QCOMPARE(f.window->textField()->text(), QString());

    f.editor.field.setText(QStringLiteral("neu"));
    f.window->openAt(QPoint(40, 30));
    f.timers.fireAll();
    QCOMPARE(f.window->textField()->text(), QStringLiteral("neu"));
}

QTEST_MAIN(SyllableWindowTest)
#include "tst_syllablewindow.moc"
