// Dragging colour fields with the mouse through the window system's own
// drag and drop. Needs an X server (run under xvfb-run); the headless tests
// drive the same drop through events sent to the category field.
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/richtextfield.h"
#include "soundcolours/support/harness.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using platform::ColourField;
using textcore::Colour;
using textcore::SoundClass;

class RealDragTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dragWithTheMouse_data();
    void dragWithTheMouse();

private:
    // Presses on `source`, moves the mouse in steps to `target` and
    // releases it there; the drag's own event loop runs meanwhile.
    static void drag(QWidget *window, QWidget *source, QWidget *target);
};

void RealDragTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: the window system's drag and drop is not available on this platform");
}

void RealDragTest::drag(QWidget *window, QWidget *source, QWidget *target)
{
    QWindow *handle = window->windowHandle();
    const QPoint from = source->mapTo(window, source->rect().center());
    const QPoint to = target->mapTo(window, target->rect().center());
    QTimer::singleShot(200, window, [=] {
        for (int step = 1; step <= 10; ++step) {
            const QPoint at = from + (to - from) * step / 10;
            QCursor::setPos(window->mapToGlobal(at));
            QTest::mouseMove(handle, at, 20);
        }
        QTimer::singleShot(200, window, [=] { QTest::mouseRelease(handle, Qt::LeftButton, {}, to); });
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    const QPoint started = from + QPoint(0, 3 * QApplication::startDragDistance());
    QCursor::setPos(window->mapToGlobal(started));
    // Starts the drag; returns when the mouse is released.
    QTest::mouseMove(handle, started);
}

void RealDragTest::dragWithTheMouse_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("category");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("orange palette field on capitals")
        << "Farbe14" << int(SoundClass::Capitals) << textcore::rgb(255, 128, 0);
    QTest::newRow("mixed colour on background") << "Bezeichnung1" << int(SoundClass::Background) << Colour(4210752);
}

void RealDragTest::dragWithTheMouse()
{
    QFETCH(QString, source);
    QFETCH(int, category);
    QFETCH(Colour, colour);
    Harness h;
    h.openWith(QStringLiteral("Die Katze."));
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.window->mixer().numberField()->setText(QString::number(4210752));
    QSignalSpy background(h.window.get(), &soundcolours::SoundColourWindow::backgroundChanged);

    auto *dragged = h.window->findChild<ColourField *>(source);
    QVERIFY(dragged);
    drag(h.window.get(), dragged, h.window->categoryField(SoundClass(category)));

    QTRY_COMPARE(h.state.colours[SoundClass(category)], colour);
    if (SoundClass(category) == SoundClass::Capitals) {
        QCOMPARE(h.previewColours()[0], colour);
        QCOMPARE(h.previewColours()[4], colour);
    } else {
        QCOMPARE(h.window->preview().backColor(), colour);
        QCOMPARE(background.count(), 1);
    }
}

QTEST_MAIN(RealDragTest)
#include "tst_realdrag.moc"
