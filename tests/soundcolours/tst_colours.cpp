// Choosing colours: dragging palette and custom colour fields onto the
// category fields, clicking them, the sliders and the colour number field.
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/richtextfield.h"
#include "soundcolours/support/harness.h"
#include "textcore/soundcolouring.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using platform::ColourField;
using textcore::Colour;
using textcore::SoundClass;

namespace {

bool isCapital(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QChar(0xC4) || c == QChar(0xD6) || c == QChar(0xDC);
}

// Sends the drop a real drag of `source` ends with onto `target`.
bool dropWithMouse(ColourField *source, ColourField *target)
{
    std::unique_ptr<QMimeData> mime(source->createMimeData());
    const QPointF centre = QRectF(target->rect()).center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(centre, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class ColoursTest : public QObject {
    Q_OBJECT
private slots:
    void orangeOnCapitalsRecoloursEveryCapital();
    void dropTakesTheDraggedFieldsColour_data();
    void dropTakesTheDraggedFieldsColour();
    void dragEnterAcceptsOnlyThisWindowsFields_data();
    void dragEnterAcceptsOnlyThisWindowsFields();
    void foreignDropChangesNoColourButRecolours();
    void backgroundDropAndClick_data();
    void backgroundDropAndClick();
    void categoryClickTakesTheCustomColour();
    void mixedColourCanBeDragged();
    void colourNumberField_data();
    void colourNumberField();
    void sliders_data();
    void sliders();
    void typedNumberLeavesTheSliders();
};

void ColoursTest::orangeOnCapitalsRecoloursEveryCapital()
{
    Harness h;
    const QString text = sampleText(QStringLiteral("lesetext.txt"));
    h.openWith(text);
    const auto before = h.previewColours();
    ColourField *orange = h.window->paletteField(13);
    QCOMPARE(orange->colour(), textcore::rgb(255, 128, 0));

    QVERIFY(dropWithMouse(orange, h.window->categoryField(SoundClass::Capitals)));

    QCOMPARE(h.state.colours[SoundClass::Capitals], textcore::rgb(255, 128, 0));
    QCOMPARE(h.window->categoryField(SoundClass::Capitals)->colour(), textcore::rgb(255, 128, 0));
    const auto after = h.previewColours();
    const QString shown = h.window->preview().text();
    QCOMPARE(int(after.size()), int(shown.size()));
    int capitals = 0;
    for (int i = 0; i < shown.size(); ++i) {
        if (isCapital(shown.at(i))) {
            ++capitals;
            QVERIFY2(after[std::size_t(i)] == textcore::rgb(255, 128, 0), qPrintable(QString::number(i)));
        } else {
            QCOMPARE(after[std::size_t(i)], before[std::size_t(i)]);
        }
    }
    QCOMPARE(capitals, 11);
}

void ColoursTest::dropTakesTheDraggedFieldsColour_data()
{
    QTest::addColumn<int>("categoryNumber");
    QTest::addColumn<int>("palette");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("grey on consonants") << int(SoundClass::Consonants) << 1 << textcore::rgb(192, 192, 192);
    QTest::newRow("light red on vowels") << int(SoundClass::Vowels) << 3 << textcore::rgb(255, 128, 128);
    QTest::newRow("dark blue on umlauts") << int(SoundClass::Umlauts) << 4 << textcore::rgb(0, 0, 192);
    QTest::newRow("light blue on doubled letters")
        << int(SoundClass::DoubleConsonants) << 5 << textcore::rgb(128, 128, 255);
    QTest::newRow("cyan on punctuation") << int(SoundClass::Punctuation) << 7 << textcore::rgb(0, 255, 255);
    QTest::newRow("green on special groups") << int(SoundClass::SpecialGroups) << 8 << textcore::rgb(0, 192, 0);
    QTest::newRow("light green on background") << int(SoundClass::Background) << 9 << textcore::rgb(128, 255, 128);
    QTest::newRow("magenta on capitals") << int(SoundClass::Capitals) << 10 << textcore::rgb(255, 0, 255);
    QTest::newRow("pink") << int(SoundClass::Vowels) << 11 << textcore::rgb(255, 128, 255);
    QTest::newRow("yellow") << int(SoundClass::Vowels) << 12 << textcore::rgb(255, 255, 0);
    QTest::newRow("brown") << int(SoundClass::Vowels) << 14 << textcore::rgb(128, 64, 64);
    QTest::newRow("dark red") << int(SoundClass::Vowels) << 15 << textcore::rgb(128, 0, 0);
}

void ColoursTest::dropTakesTheDraggedFieldsColour()
{
    QFETCH(int, categoryNumber);
    const auto category = SoundClass(categoryNumber);
    QFETCH(int, palette);
    QFETCH(Colour, colour);
    Harness h;
    h.state.specialGroupsText = u"ß,chs,";
    const QString text = sampleText(QStringLiteral("lesetext.txt"));
    h.openWith(text);
    QCOMPARE(h.window->paletteField(palette)->colour(), colour);
    h.window->dropOnCategory(category, h.window->paletteField(palette)->objectName());

    QCOMPARE(h.state.colours[category], colour);
    const auto expected = textcore::ColourBySounds(text.toStdU16String(), h.state.colours, u"ß,chs,",
                                                   textcore::SoundVariant::ColourWindow);
    QCOMPARE(h.previewColours(), expected.colours);
    QCOMPARE(h.window->preview().backColor(), expected.background);
}

void ColoursTest::dragEnterAcceptsOnlyThisWindowsFields_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("sameWindow");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("palette field of this window")
        << QString::fromLatin1(platform::kColourFieldMimeType) << true << true;
    QTest::newRow("palette field of another window")
        << QString::fromLatin1(platform::kColourFieldMimeType) << false << false;
    QTest::newRow("plain text") << QStringLiteral("text/plain") << true << false;
}

void ColoursTest::dragEnterAcceptsOnlyThisWindowsFields()
{
    QFETCH(QString, format);
    QFETCH(bool, sameWindow);
    QFETCH(bool, accepted);
    Harness h;
    Harness other;
    ColourField *source = (sameWindow ? h : other).window->paletteField(2);
    std::unique_ptr<QMimeData> fieldMime(source->createMimeData());
    QMimeData mime;
    mime.setData(format, fieldMime->data(QString::fromLatin1(platform::kColourFieldMimeType)));
    ColourField *target = h.window->categoryField(SoundClass::Vowels);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
}

void ColoursTest::foreignDropChangesNoColourButRecolours()
{
    Harness h;
    Harness other;
    h.openWith(QStringLiteral("Die Katze."));
    // A change from outside (settings, a loaded text) shows at the next
    // recolouring, which any drop starts.
    h.state.colours[SoundClass::Vowels] = textcore::rgb(1, 2, 3);
    const auto before = h.state.colours;

    // A field of another window, then a control of this window that is no colour field.
    emit h.window->categoryField(SoundClass::Capitals)->dropped(other.window->dragToken(), QStringLiteral("Farbe5"));
    h.window->dropOnCategory(SoundClass::Consonants, QStringLiteral("RichTextBox1"));

    QCOMPARE(h.state.colours, before);
    QCOMPARE(h.previewColours()[1], textcore::rgb(1, 2, 3));
    QCOMPARE(h.window->categoryField(SoundClass::Vowels)->colour(), textcore::rgb(1, 2, 3));
}

void ColoursTest::backgroundDropAndClick_data()
{
    QTest::addColumn<bool>("drop");
    QTest::newRow("drop tells the syllable window") << true;
    QTest::newRow("click changes only this window") << false;
}

void ColoursTest::backgroundDropAndClick()
{
    QFETCH(bool, drop);
    Harness h;
    h.openWith(QStringLiteral("Ein Ball."));
    QSignalSpy spy(h.window.get(), &soundcolours::SoundColourWindow::backgroundChanged);
    const auto characters = h.previewColours();
    const Colour yellow = textcore::rgb(255, 255, 0);
    if (drop) {
        QVERIFY(dropWithMouse(h.window->paletteField(12), h.window->categoryField(SoundClass::Background)));
    } else {
        h.window->mixer().numberField()->setText(QString::number(yellow));
        QTest::mouseClick(h.window->categoryField(SoundClass::Background), Qt::LeftButton);
    }
    QCOMPARE(h.state.colours[SoundClass::Background], yellow);
    QCOMPARE(h.window->preview().backColor(), yellow);
    QCOMPARE(h.previewColours(), characters);
    QCOMPARE(spy.count(), drop ? 1 : 0);
    if (drop)
        QCOMPARE(spy.front().front().value<Colour>(), yellow);
}

void ColoursTest::categoryClickTakesTheCustomColour()
{
    Harness h;
    h.openWith(QStringLiteral("Satz; Satz!"));
    h.window->mixer().slider(2)->setValue(200);
    QTest::mouseClick(h.window->categoryField(SoundClass::Punctuation), Qt::LeftButton);
    const Colour blue = textcore::rgb(0, 0, 200);
    QCOMPARE(h.state.colours[SoundClass::Punctuation], blue);
    QCOMPARE(h.previewColours()[4], blue);
    QCOMPARE(h.previewColours()[10], blue);
    // A click on a palette field does nothing: palette fields are only dragged.
    QTest::mouseClick(h.window->paletteField(2), Qt::LeftButton);
    QCOMPARE(h.state.colours[SoundClass::Punctuation], blue);
}

void ColoursTest::mixedColourCanBeDragged()
{
    Harness h;
    h.openWith(QStringLiteral("Bälle"));
    h.window->mixer().numberField()->setText(QStringLiteral("4210752"));
    QVERIFY(dropWithMouse(h.window->mixer().customColourField(), h.window->categoryField(SoundClass::Umlauts)));
    QCOMPARE(h.state.colours[SoundClass::Umlauts], Colour(4210752));
    QCOMPARE(h.previewColours()[1], Colour(4210752));
}

void ColoursTest::colourNumberField_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Colour>("custom");
    QTest::newRow("255 is red") << ""
                                << "255" << false << "255" << Colour(255);
    QTest::newRow("white is the largest") << ""
                                          << "16777215" << false << "16777215" << Colour(16777215);
    QTest::newRow("16777216 clears the field") << ""
                                               << "16777216" << false << "" << Colour(0);
    QTest::newRow("12a clears at the a") << ""
                                         << "12a" << false << "" << Colour(0);
    QTest::newRow("minus sign clears, the digit after it counts") << ""
                                                                  << "-5" << false << "5" << Colour(5);
    QTest::newRow("leading zeros") << ""
                                   << "000042" << false << "000042" << Colour(42);
    QTest::newRow("nine characters pasted change nothing") << "255"
                                                           << "123456789" << true << "123456789" << Colour(255);
    QTest::newRow("nine letters pasted change nothing") << "255"
                                                        << "abcdefghi" << true << "abcdefghi" << Colour(255);
    QTest::newRow("eight letters pasted clear") << "255"
                                                << "abcdefgh" << true << "" << Colour(0);
}

void ColoursTest::colourNumberField()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(bool, paste);
    QFETCH(QString, shown);
    QFETCH(Colour, custom);
    Harness h;
    QLineEdit *number = h.window->mixer().numberField();
    number->setText(start);
    if (paste) {
        number->setText(typed);
    } else {
        number->setFocus();
        QTest::keyClicks(number, typed);
    }
    QCOMPARE(number->text(), shown);
    QCOMPARE(h.window->mixer().customColour(), custom);
}

void ColoursTest::sliders_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("number");
    QTest::newRow("green 128") << 0 << 128 << 0 << "32768";
    QTest::newRow("red 255") << 255 << 0 << 0 << "255";
    QTest::newRow("blue 1") << 0 << 0 << 1 << "65536";
    QTest::newRow("white") << 255 << 255 << 255 << "16777215";
    QTest::newRow("mixed") << 10 << 20 << 30 << "1971210";
}

void ColoursTest::sliders()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, number);
    Harness h;
    platform::ColourMixer &mixer = h.window->mixer();
    const int values[3] = {red, green, blue};
    for (int channel = 0; channel < 3; ++channel)
        mixer.slider(channel)->setValue(values[channel]);
    for (int channel = 0; channel < 3; ++channel)
        QCOMPARE(mixer.valueField(channel)->text(), QString::number(values[channel]));
    QCOMPARE(mixer.numberField()->text(), number);
    QCOMPARE(mixer.customColour(), textcore::rgb(unsigned(red), unsigned(green), unsigned(blue)));
}

void ColoursTest::typedNumberLeavesTheSliders()
{
    Harness h;
    platform::ColourMixer &mixer = h.window->mixer();
    mixer.slider(1)->setValue(128);
    mixer.numberField()->setText(QStringLiteral("255"));
    QCOMPARE(mixer.slider(1)->value(), 128);
    QCOMPARE(mixer.valueField(1)->text(), QStringLiteral("128"));
    QCOMPARE(mixer.customColour(), Colour(255));
    // Dragging a slider step by step mixes at every step.
    mixer.slider(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(mixer.numberField()->text(), QStringLiteral("32769"));
}

QTEST_MAIN(ColoursTest)
#include "tst_colours.moc"
