// The "Monitor" view on a real window system: a panel-like window along the
// top of the screen is out of sight while the trainer shows. Needs an X
// server (run under xvfb-run).
#include "trainer/support/trainerharness.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using testsupport::TrainerHarness;
using trainer::TrainerKind;

class CoversPanelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void monitorViewCoversThePanel();
};

namespace {

const QColor kPanelColour(255, 0, 255);

// What the screen shows in the middle of the panel's place.
QColor shownAtPanel(const QRect &panel)
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    return screen.pixelColor(panel.center());
}

} // namespace

void CoversPanelTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: only a window system shows what covers what");
}

void CoversPanelTest::monitorViewCoversThePanel()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget panel(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    const QRect panelPlace(screen.left(), screen.top(), screen.width(), 40);
    panel.setGeometry(panelPlace);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, kPanelColour);
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTRY_COMPARE(shownAtPanel(panelPlace), kPanelColour);

    TrainerHarness h(TrainerKind::Sounds);
    h.open(QStringLiteral("Ich lese."));
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QTRY_COMPARE(h.window->frameGeometry(), screen);
    QVERIFY(h.window->windowState().testFlag(Qt::WindowFullScreen));
    QTRY_VERIFY(shownAtPanel(panelPlace) != kPanelColour);
}

QTEST_MAIN(CoversPanelTest)
#include "tst_coverspanel.moc"
