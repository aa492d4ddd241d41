// The colour field and the mixer both colour windows are built from: what a
// drag carries, which drops a field takes, clicks, and where the mixer puts
// its controls in its framed and unframed forms. What the mixer's controls do
// is tested with the colour panel.
#include "platform/colourfield.h"
#include "platform/colourmixer.h"
#include "platform/qtcolour.h"
#include "platform/twips.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <memory>

using platform::ColourField;
using platform::ColourMixer;
using textcore::Colour;

Q_DECLARE_METATYPE(ColourField::Role)

namespace {

const QString kToken = QStringLiteral("FormA:1");

QMimeData *rawMime(const QByteArray &payload)
{
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(platform::kColourFieldMimeType), payload);
    return mime;
}

bool enterAccepted(QWidget *target, const QMimeData *mime)
{
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

platform::MixerLayout layout(bool framed)
{
    const auto names = [](const char *prefix) {
        return std::array<QString, 3>{QLatin1String(prefix) + QLatin1Char('r'),
                                      QLatin1String(prefix) + QLatin1Char('g'),
                                      QLatin1String(prefix) + QLatin1Char('b')};
    };
    return {framed,           QRect(120, 240, 1455, 3015), QStringLiteral("frame"),  QStringLiteral("caption"),
            QSize(1335, 255), QStringLiteral("number"),    QStringLiteral("custom"), names("slider"),
            names("value")};
}

} // namespace

class ColourWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void mimeCarriesTokenNameAndColour();
    void malformedMimeIsNoField_data();
    void malformedMimeIsNoField();
    void onlyTargetsTakeDropsOfTheirOwnWindow_data();
    void onlyTargetsTakeDropsOfTheirOwnWindow();
    void dropOfAnythingIsReported();
    void draggedSourceFindsOnlyOwnSources();
    void clicksByRole_data();
    void clicksByRole();
    void colourKeepsTwentyFourBits();
    void tokensDifferPerWindow();
    void mixerControlsStandWhereTheLayoutSays();
};

void ColourWidgetsTest::mimeCarriesTokenNameAndColour()
{
    ColourField field(ColourField::Role::Source, kToken);
    field.setObjectName(QStringLiteral("Farbe3"));
    field.setColour(textcore::rgb(255, 128, 0));
    std::unique_ptr<QMimeData> mime(field.createMimeData());
    const std::optional<platform::DraggedField> dragged = platform::draggedField(mime.get());
    QVERIFY(dragged);
    QCOMPARE(dragged->token, kToken);
    QCOMPARE(dragged->name, QStringLiteral("Farbe3"));
    QCOMPARE(dragged->colour, textcore::rgb(255, 128, 0));
}

void ColourWidgetsTest::malformedMimeIsNoField_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("two parts") << QByteArray("FormA:1\nFarbe3");
    QTest::newRow("four parts") << QByteArray("FormA:1\nFarbe3\n255\nx");
    QTest::newRow("colour not a number") << QByteArray("FormA:1\nFarbe3\nrot");
    QTest::newRow("colour above white") << QByteArray("FormA:1\nFarbe3\n16777216");
    QTest::newRow("negative colour") << QByteArray("FormA:1\nFarbe3\n-1");
}

void ColourWidgetsTest::malformedMimeIsNoField()
{
    QFETCH(QByteArray, payload);
    std::unique_ptr<QMimeData> mime(rawMime(payload));
    QVERIFY(!platform::draggedField(mime.get()));
    ColourField target(ColourField::Role::Target, kToken);
    QVERIFY(!enterAccepted(&target, mime.get()));
}

void ColourWidgetsTest::onlyTargetsTakeDropsOfTheirOwnWindow_data()
{
    QTest::addColumn<ColourField::Role>("role");
    QTest::addColumn<QString>("sourceToken");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("target, same window") << ColourField::Role::Target << kToken << true;
    QTest::newRow("target, other window") << ColourField::Role::Target << QStringLiteral("FormB:2") << false;
    QTest::newRow("source, same window") << ColourField::Role::Source << kToken << false;
    QTest::newRow("caption, same window") << ColourField::Role::Caption << kToken << false;
}

void ColourWidgetsTest::onlyTargetsTakeDropsOfTheirOwnWindow()
{
    QFETCH(ColourField::Role, role);
    QFETCH(QString, sourceToken);
    QFETCH(bool, accepted);
    ColourField source(ColourField::Role::Source, sourceToken);
    source.setObjectName(QStringLiteral("Farbe1"));
    ColourField target(role, kToken);
    std::unique_ptr<QMimeData> mime(source.createMimeData());
    QCOMPARE(enterAccepted(&target, mime.get()), accepted);
    QCOMPARE(target.acceptDrops(), role == ColourField::Role::Target);
}

void ColourWidgetsTest::dropOfAnythingIsReported()
{
    // The window recolours after every drop, so even a drop that carries no
    // colour field is reported, with an empty name.
    ColourField target(ColourField::Role::Target, kToken);
    QSignalSpy spy(&target, &ColourField::dropped);
    QMimeData text;
    text.setText(QStringLiteral("16711680"));
    target.acceptDrop(text);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString());
    QCOMPARE(spy.at(0).at(1).toString(), QString());

    ColourField source(ColourField::Role::Source, kToken);
    source.setObjectName(QStringLiteral("Farbe7"));
    std::unique_ptr<QMimeData> mime(source.createMimeData());
    // As the mouse does it: the drag enters, then drops.
    QVERIFY(enterAccepted(&target, mime.get()));
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), kToken);
    QCOMPARE(spy.at(1).at(1).toString(), QStringLiteral("Farbe7"));
}

void ColourWidgetsTest::draggedSourceFindsOnlyOwnSources()
{
    QWidget window;
    auto *palette = new ColourField(ColourField::Role::Source, kToken, &window);
    palette->setObjectName(QStringLiteral("Farbe2"));
    auto *target = new ColourField(ColourField::Role::Target, kToken, &window);
    target->setObjectName(QStringLiteral("Bild3"));
    auto *other = new QLabel(&window);
    other->setObjectName(QStringLiteral("Label1"));

    QCOMPARE(platform::draggedSource(window, kToken, kToken, QStringLiteral("Farbe2")), palette);
    QCOMPARE(platform::draggedSource(window, kToken, QStringLiteral("FormB:2"), QStringLiteral("Farbe2")), nullptr);
    QCOMPARE(platform::draggedSource(window, kToken, kToken, QStringLiteral("Bild3")), nullptr);
    QCOMPARE(platform::draggedSource(window, kToken, kToken, QStringLiteral("Label1")), nullptr);
    QCOMPARE(platform::draggedSource(window, kToken, kToken, QString()), nullptr);
}

void ColourWidgetsTest::clicksByRole_data()
{
    QTest::addColumn<ColourField::Role>("role");
    QTest::addColumn<int>("clicks");
    QTest::newRow("caption") << ColourField::Role::Caption << 1;
    QTest::newRow("target") << ColourField::Role::Target << 1;
    QTest::newRow("source drags instead") << ColourField::Role::Source << 0;
}

void ColourWidgetsTest::clicksByRole()
{
    QFETCH(ColourField::Role, role);
    QFETCH(int, clicks);
    ColourField field(role, kToken);
    field.resize(40, 20);
    QSignalSpy spy(&field, &ColourField::clicked);
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(spy.count(), clicks);
    // A release outside the field is no click.
    QTest::mousePress(&field, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&field, Qt::LeftButton, {}, QPoint(100, 5));
    QCOMPARE(spy.count(), clicks);
}

void ColourWidgetsTest::colourKeepsTwentyFourBits()
{
    ColourField field(ColourField::Role::Target, kToken);
    field.setColour(0x12345678);
    QCOMPARE(field.colour(), Colour(0x345678));
    QCOMPARE(field.palette().color(QPalette::Window), platform::toQColor(0x345678));
    QCOMPARE(platform::fromQColor(platform::toQColor(0x345678)), Colour(0x345678));
}

void ColourWidgetsTest::tokensDifferPerWindow()
{
    QObject a;
    QObject b;
    QVERIFY(ColourField::dragTokenFor(QStringLiteral("Form2"), &a)
            != ColourField::dragTokenFor(QStringLiteral("Form2"), &b));
    QVERIFY(ColourField::dragTokenFor(QStringLiteral("Form2"), &a)
            != ColourField::dragTokenFor(QStringLiteral("Form3"), &a));
}

void ColourWidgetsTest::mixerControlsStandWhereTheLayoutSays()
{
    for (bool framed : {true, false}) {
        QWidget window;
        ColourMixer mixer(layout(framed), kToken, &window);
        QWidget *expectedParent = framed ? static_cast<QWidget *>(&mixer) : &window;
        QCOMPARE(mixer.numberField()->parentWidget(), expectedParent);
        QCOMPARE(mixer.customColourField()->parentWidget(), expectedParent);
        QCOMPARE(mixer.isHidden(), !framed);
        // Inside the frame the controls are placed relative to it, which may
        // round one pixel differently.
        const QRect custom = platform::twipsToPixels(QRect(240, 720, 1215, 345), mixer.logicalDpiX());
        const QPoint at = mixer.customColourField()->mapTo(&window, QPoint(0, 0));
        QVERIFY2(qAbs(at.x() - custom.left()) <= 1 && qAbs(at.y() - custom.top()) <= 1, framed ? "framed" : "unframed");
        QCOMPARE(mixer.customColourField()->role(), ColourField::Role::Source);
        QCOMPARE(mixer.numberField()->accessibleName(), QStringLiteral("Farbnummer"));
    }
}

QTEST_MAIN(ColourWidgetsTest)
#include "tst_colourwidgets.moc"
