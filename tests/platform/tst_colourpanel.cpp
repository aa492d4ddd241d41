// The panel both colour windows share: the mixer's sliders and number field,
// the size and font lists, and a palette colour dragged with the mouse.
#include "platform/colourpanel.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

using platform::ColourField;
using platform::ColourPanel;
using textcore::Colour;

namespace {

const QString kToken = QStringLiteral("FormA:1");

platform::ColourPanelLayout layout()
{
    platform::ColourPanelLayout layout{
        .mixer = {.numberName = QStringLiteral("number"), .customName = QStringLiteral("custom")},
        .paletteDragStart = ColourField::DragStart::OnPress,
        .sizeListName = QStringLiteral("sizes"),
        .fontListName = QStringLiteral("fonts"),
        .fontListWidth = 1935,
        .fontListParkedX = 11640};
    for (std::size_t i = 0; i < layout.palette.size(); ++i)
        layout.palette[i]
            = {Colour(i * 1000), QStringLiteral("palette%1").arg(i), QStringLiteral("Farbe %1").arg(i), QString()};
    return layout;
}

struct Window {
    QWidget widget;
    ColourPanel panel{layout(), kToken, &widget};
    Window()
    {
        widget.resize(800, 600);
        panel.buildLists();
    }
};

} // namespace

class ColourPanelTest : public QObject {
    Q_OBJECT
private slots:
    void mixer_data();
    void mixer();
    void sizeList();
    void fontList();
    void mouseDragCarriesThePaletteColour();
};

void ColourPanelTest::mixer_data()
{
    QTest::addColumn<int>("green");
    QTest::addColumn<QString>("typed"); // "paste:" sets the text at once
    QTest::addColumn<QString>("number");
    QTest::addColumn<Colour>("custom");
    QTest::newRow("green slider at 128") << 128 << ""
                                         << "32768" << textcore::rgb(0, 128, 0);
    QTest::newRow("typed 255 leaves the sliders") << 128 << "255"
                                                  << "255" << Colour(255);
    QTest::newRow("12a empties the field at the a") << 0 << "12a"
                                                    << "" << textcore::kBlack;
    QTest::newRow("above white empties the field") << 0 << "16777216"
                                                   << "" << textcore::kBlack;
    QTest::newRow("nine characters pasted change nothing") << 255 << "paste:123456789"
                                                           << "123456789" << textcore::rgb(0, 255, 0);
}

void ColourPanelTest::mixer()
{
    QFETCH(int, green);
    QFETCH(QString, typed);
    QFETCH(QString, number);
    QFETCH(Colour, custom);
    Window w;
    platform::ColourMixer &mixer = w.panel.mixer();
    mixer.slider(1)->setValue(green);
    QLineEdit *field = mixer.numberField();
    if (typed.startsWith(QLatin1String("paste:"))) {
        field->setText(typed.mid(6));
    } else if (!typed.isEmpty()) {
        field->clear();
        QTest::keyClicks(field, typed);
    }
    QCOMPARE(field->text(), number);
    QCOMPARE(mixer.customColour(), custom);
    QCOMPARE(mixer.valueField(0)->text(), QStringLiteral("0"));
    QCOMPARE(mixer.valueField(1)->text(), QString::number(green));
    QCOMPARE(mixer.slider(1)->value(), green);
}

void ColourPanelTest::sizeList()
{
    Window w;
    QSignalSpy chosen(&w.panel, &ColourPanel::fontSizeChosen);
    for (int round = 0; round < 2; ++round) {
        w.panel.fillSizeList();
        QCOMPARE(w.panel.sizeList()->count(), 10);
        QCOMPARE(w.panel.sizeList()->item(9)->text(), QStringLiteral("48"));
        QCOMPARE(chosen.takeFirst().front().toReal(), 16.0);
        QVERIFY(chosen.isEmpty());
        w.panel.sizeList()->setCurrentRow(2);
        QCOMPARE(chosen.takeFirst().front().toReal(), 20.0);
    }
}

void ColourPanelTest::fontList()
{
    Window w;
    w.widget.show();
    QListWidget *list = w.panel.fontList();
    QSignalSpy chosen(&w.panel, &ColourPanel::fontChosen);
    w.panel.refillFontList({QStringLiteral("Arial"), QStringLiteral("Verdana"), QStringLiteral("Andika")});
    const qreal dpi = list->logicalDpiX();
    for (const bool shown : {false, true, false, true}) {
        w.panel.setFontListShown(shown);
        QCOMPARE(list->isVisible(), shown);
        QCOMPARE(list->geometry(), platform::twipsToPixels(QRect(shown ? 3120 : 11640, 0, 1935, 2565), dpi));
    }
    // The entry already current is a choice again.
    for (int click = 0; click < 2; ++click) {
        w.panel.setFontListShown(true);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QVERIFY(!w.panel.fontListShown());
        QVERIFY(list->isHidden());
    }
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen.at(1).front().toString(), QStringLiteral("Andika"));
}

void ColourPanelTest::mouseDragCarriesThePaletteColour()
{
    // The offscreen platform ends every drag at once; CTest runs this case
    // once more on a virtual X display (platform_colourpanel_mouse_drag).
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("no drag and drop on the offscreen platform");
    Window w;
    auto *target = new ColourField(ColourField::Role::Target, kToken, &w.widget);
    target->setGeometry(200, 300, 100, 30);
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    QSignalSpy dropped(target, &ColourField::dropped);
    QWindow *handle = w.widget.windowHandle();
    ColourField *source = w.panel.paletteField(13);
    const QPoint from = source->mapTo(&w.widget, source->rect().center());
    const QPoint to = target->mapTo(&w.widget, target->rect().center());
    // The drag runs its own event loop from the press on; the mouse moves
    // and is released from inside it.
    QTimer::singleShot(50, &w.widget, [&] {
        QTest::mouseMove(handle, from + QPoint(10, 0));
        QTest::mouseMove(handle, to);
        QTest::mouseMove(handle, to + QPoint(1, 1));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to + QPoint(1, 1));
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTRY_COMPARE(dropped.size(), 1);
    const ColourField *found
        = platform::draggedSource(w.widget, kToken, dropped.at(0).at(0).toString(), dropped.at(0).at(1).toString());
    QCOMPARE(found, source);
    QCOMPARE(found->colour(), Colour(13000));
}

QTEST_MAIN(ColourPanelTest)
#include "tst_colourpanel.moc"
