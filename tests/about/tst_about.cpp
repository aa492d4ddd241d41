// The about window: its look (one golden file), its border, and handing its
// place back to the editor.
#include "about/aboutwindow.h"
#include "session/session.h"
#include "support/doubles.h"
#include "support/widgetlookup.h"
#include "support/windowdump.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using about::AboutWindow;

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void looksAsDrawnOnceOpened();
    void frameIsPaintedWithBorder();
    void closeHandsPlaceToEditor_data();
    void closeHandsPlaceToEditor();

private:
    std::unique_ptr<testsupport::RecordingRequests> editor;
    std::unique_ptr<session::Session> shared;
    std::unique_ptr<AboutWindow> window;
};

void TestAbout::init()
{
    editor = std::make_unique<testsupport::RecordingRequests>();
    shared = std::make_unique<session::Session>(QString());
    shared->setRequests(editor.get());
    window = std::make_unique<AboutWindow>(*shared);
}

void TestAbout::cleanup()
{
    QCOMPARE(editor->otherCalls, 0);
    QVERIFY(editor->fontsApplied.isEmpty());
    window.reset();
}

void TestAbout::looksAsDrawnOnceOpened()
{
    // The notice and the author note are filled on opening, not before.
    QVERIFY(testsupport::child<QLabel>(*window, "noticeLabel")->text().isEmpty());
    window->openAt(QPoint(64, 48));
    QCOMPARE(window->pos(), QPoint(64, 48));
    QVERIFY(editor->showings.isEmpty());
    QVERIFY(!window->windowIcon().isNull());

    // The version line changes with every release; the rest is the window's look.
    QString look = testsupport::dumpWindow(*window);
    look.replace(QRegularExpression(QStringLiteral("Version [^\"\\\\]*")), QStringLiteral("Version <build>"));
    KOLORAT_VERIFY_GOLDEN(look, "about");

    // Nothing points to anybody else's web site.
    QVERIFY(!look.contains(QLatin1String("www"), Qt::CaseInsensitive));
    QVERIFY(!look.contains(QLatin1String("http"), Qt::CaseInsensitive));
}

void TestAbout::frameIsPaintedWithBorder()
{
    auto *frame = testsupport::child<QWidget>(*window, "frame");
    const QImage image = frame->grab().toImage();
    const QColor border(128, 128, 128);
    const QColor panel(128, 255, 255);
    QCOMPARE(image.pixelColor(0, 0), border);
    QCOMPARE(image.pixelColor(1, image.height() / 2), border);
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), border);
    QCOMPARE(image.pixelColor(2, 2), panel);
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() / 2), panel);
}

void TestAbout::closeHandsPlaceToEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QPoint>("draggedTo"); // (-1, -1): not dragged

    QTest::newRow("O k a y where it opened") << "okay" << QPoint(-1, -1);
    QTest::newRow("O k a y after dragging") << "okay" << QPoint(210, 135);
    QTest::newRow("close box after dragging") << "close" << QPoint(333, 17);
}

void TestAbout::closeHandsPlaceToEditor()
{
    QFETCH(QString, how);
    QFETCH(QPoint, draggedTo);

    const QPoint opened(90, 60);
    window->openAt(opened);
    if (draggedTo != QPoint(-1, -1))
        window->move(draggedTo);
    const QPoint expected = draggedTo == QPoint(-1, -1) ? opened : draggedTo;

    if (how == QLatin1String("okay"))
        QTest::mouseClick(testsupport::child<QPushButton>(*window, "okayField"), Qt::LeftButton);
    else
        QVERIFY(!window->close());

    QVERIFY(window->isHidden());
    QCOMPARE(editor->showings.size(), 1);
    QCOMPARE(editor->showings.first(), std::optional<QPoint>(expected));

    // The window survives and opens again.
    window->openAt(QPoint(5, 6));
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
