// The about window: its look, and handing its place back to the editor.
#include "about/aboutwindow.h"
#include "session/session.h"
#include "support/recordingrequests.h"
#include "support/widgetlookup.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using about::AboutWindow;

using testsupport::px;

namespace {

const QColor kWindow(192, 192, 255);
const QColor kPanel(128, 255, 255);
const QColor kNavy(0, 0, 128);

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowLooks();
    void elementPlaces_data();
    void elementPlaces();
    void elementLooks_data();
    void elementLooks();
    void textsFilledOnOpening();
    void frameIsPaintedWithBorder();
    void opensAtEditorsPlace();
    void closeHandsPlaceToEditor_data();
    void closeHandsPlaceToEditor();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return testsupport::child<T>(*window, name);
    }

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

void TestAbout::windowLooks()
{
    QCOMPARE(window->objectName(), QStringLiteral("ZAFLABEL"));
    QCOMPARE(window->windowTitle(), QStringLiteral("olorat"));
    QCOMPARE(window->size(), QSize(px(3510), px(4005)));
    QCOMPARE(window->palette().color(QPalette::Window), kWindow);
    QVERIFY(!window->windowIcon().isNull());
}

void TestAbout::elementPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    // Back to front: each element must be stacked above the ones before it.
    QTest::newRow("frame") << "frame" << QRect(120, 120, 3255, 3015);
    QTest::newRow("picture") << "picture" << QRect(240, 360, 975, 975);
    QTest::newRow("name") << "nameLabel" << QRect(1320, 360, 1935, 375);
    QTest::newRow("project") << "projectLabel" << QRect(1320, 720, 1935, 615);
    QTest::newRow("notice") << "noticeLabel" << QRect(240, 1560, 3015, 975);
    QTest::newRow("O k a y") << "okayField" << QRect(240, 2520, 3015, 495);
    QTest::newRow("author") << "authorLabel" << QRect(120, 3240, 3255, 375);
    QTest::newRow("web") << "webLabel" << QRect(120, 3720, 3255, 255);
}

void TestAbout::elementPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), window.get());
    QCOMPARE(widget->geometry(), platform::twipsToPixels(twips, platform::screenDpi()));

    // The frame lies behind everything; the rest follow in table order.
    static const QStringList order{"frame",       "picture",   "nameLabel",   "projectLabel",
                                   "noticeLabel", "okayField", "authorLabel", "webLabel"};
    const int rank = int(order.indexOf(name));
    if (rank > 0) {
        const QObjectList siblings = window->children();
        auto *below = window->findChild<QWidget *>(order.at(rank - 1));
        QVERIFY(siblings.indexOf(below) < siblings.indexOf(widget));
    }
}

void TestAbout::elementLooks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("family"); // empty: not prescribed
    QTest::addColumn<qreal>("points");   // 0: not prescribed
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    QTest::newRow("name") << "nameLabel"
                          << "K o l o r a t" << kNavy << kPanel << "" << 13.5 << true << false;
    QTest::newRow("project") << "projectLabel"
                             << "Farbige Lesehilfe" << QColor(0, 0, 0) << kPanel << "" << 0.0 << false << false;
    QTest::newRow("O k a y") << "okayField"
                             << "O k a y" << QColor(0, 0, 192) << kPanel << "Arial" << 21.75 << true << true;
    QTest::newRow("web") << "webLabel"
                         << "Lesen mit Farben: Laute und Silben" << kNavy << kWindow << "" << 0.0 << false << false;
}

void TestAbout::elementLooks()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QColor, background);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    } else {
        auto *button = qobject_cast<QPushButton *>(widget);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->palette().color(QPalette::ButtonText), colour);
    }
    QVERIFY(widget->autoFillBackground());
    QCOMPARE(widget->palette().color(QPalette::Window), background);
    if (!family.isEmpty())
        QCOMPARE(widget->font().family(), family);
    if (points > 0) {
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().italic(), italic);
    }
}

void TestAbout::textsFilledOnOpening()
{
    auto *notice = child<QLabel>("noticeLabel");
    auto *author = child<QLabel>("authorLabel");
    QVERIFY(notice->text().isEmpty());
    QVERIFY(author->text().isEmpty());

    window->openAt(QPoint(40, 30));
    QCOMPARE(notice->text(), AboutWindow::noticeText());
    QVERIFY(notice->text().count(QLatin1Char('\n')) >= 2);
    QVERIFY(notice->wordWrap());
    QCOMPARE(notice->palette().color(QPalette::WindowText), kNavy);
    QCOMPARE(notice->palette().color(QPalette::Window), kPanel);
    QCOMPARE(notice->font().pointSizeF(), 8.25);
    QVERIFY(!notice->font().bold());

    const QStringList authorLines = author->text().split(QLatin1Char('\n'));
    QCOMPARE(authorLines.size(), 2);
    QCOMPARE(authorLines.first(), QStringLiteral("Kolorat-Entwicklerteam"));
    QVERIFY(authorLines.last().startsWith(QLatin1String("Version ")));
    QVERIFY(author->wordWrap());
    QCOMPARE(author->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(author->palette().color(QPalette::Window), kWindow);

    // Nothing points to anybody else's web site.
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        QVERIFY2(!label->text().contains(QLatin1String("www"), Qt::CaseInsensitive), qPrintable(label->text()));
        QVERIFY2(!label->text().contains(QLatin1String("http"), Qt::CaseInsensitive), qPrintable(label->text()));
    }
}

void TestAbout::frameIsPaintedWithBorder()
{
    auto *frame = child<QWidget>("frame");
    const QImage image = frame->grab().toImage();
    const QColor border(128, 128, 128);
    QCOMPARE(image.pixelColor(0, 0), border);
    QCOMPARE(image.pixelColor(1, image.height() / 2), border);
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), border);
    QCOMPARE(image.pixelColor(2, 2), kPanel);
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() / 2), kPanel);
}

void TestAbout::opensAtEditorsPlace()
{
    window->openAt(QPoint(64, 48));
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), QPoint(64, 48));
    QVERIFY(editor->showings.isEmpty());
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
        QTest::mouseClick(child<QPushButton>("okayField"), Qt::LeftButton);
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
