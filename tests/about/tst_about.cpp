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

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void looksAsDrawnOnceOpened();
    void closeHandsPlaceToEditor_data();
    void closeHandsPlaceToEditor();

private:
    std::unique_ptr<testsupport::RecordingRequests> editor;
    std::unique_ptr<session::Session> shared;
    std::unique_ptr<about::AboutWindow> window;
};

void TestAbout::init()
{
    editor = std::make_unique<testsupport::RecordingRequests>();
    shared = std::make_unique<session::Session>(QString());
    shared->setRequests(editor.get());
    window = std::make_unique<about::AboutWindow>(*shared);
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

    auto *frame = testsupport::child<QWidget>(*window, "frame");
    const QImage image = frame->grab().toImage();
    const int right = image.width() - 1, bottom = image.height() - 1;
    // A grey border two pixels wide around the panel's colour.
    for (const QPoint &edge : {QPoint(0, 0), QPoint(1, bottom / 2), QPoint(right - 1, bottom - 1)})
        QCOMPARE(image.pixelColor(edge), QColor(128, 128, 128));
    for (const QPoint &inside : {QPoint(2, 2), QPoint(right - 2, bottom / 2)})
        QCOMPARE(image.pixelColor(inside), QColor(128, 255, 255));
}

void TestAbout::closeHandsPlaceToEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QPoint>("draggedTo");
    QTest::newRow("O k a y after dragging") << "okay" << QPoint(210, 135);
    QTest::newRow("close box after dragging") << "close" << QPoint(333, 17);
}

void TestAbout::closeHandsPlaceToEditor()
{
    QFETCH(QString, how);
    QFETCH(QPoint, draggedTo);

    window->openAt(QPoint(90, 60));
    window->move(draggedTo);

    if (how == QLatin1String("okay"))
        QTest::mouseClick(testsupport::child<QPushButton>(*window, "okayField"), Qt::LeftButton);
    else
        QVERIFY(!window->close());

    QVERIFY(window->isHidden());
    QCOMPARE(editor->showings.size(), 1);
    QCOMPARE(editor->showings.first(), std::optional<QPoint>(draggedTo));

    // The window survives and opens again.
    window->openAt(QPoint(5, 6));
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
