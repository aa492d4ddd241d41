// The trainer windows around the steps: controls and menus, opening, the
// two views, font size and font choice, key help, the exercise list, and
// the difference between "Abbruch" and the close box.
#include "trainer/support/trainerharness.h"

#include "platform/twips.h"
#include "support/scripteddialogs.h"
#include "support/widgetlookup.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using platform::Answer;
using testsupport::px;
using testsupport::TrainerHarness;
using trainer::TrainerKind;
using trainer::TrainerWindow;

Q_DECLARE_METATYPE(TrainerKind)

namespace {

const QString kAdded = QStringLiteral("Der Text wurde in die Übungsliste aufgenommen.\r\r");
const QString kQuestion = QStringLiteral("Die Übungsliste enthält noch Text!\rWollen Sie diesen Text noch üben?\r\r");
const QString kTwoSentences = QStringLiteral("Ich lese.\r\nDu liest.\r\n");

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The "Monitor" view: the whole screen, panels included, in the window
// system's full-screen state (whose geometry arrives as an event).
bool coversTheWholeScreen(const QWidget *window)
{
    return window->frameGeometry() == QGuiApplication::primaryScreen()->geometry()
        && window->windowState().testFlag(Qt::WindowFullScreen);
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void bothKinds()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::newRow("sounds") << TrainerKind::Sounds;
    QTest::newRow("syllables") << TrainerKind::Syllables;
}

// Notes, while a box is up, whether the exercise list box is on screen.
class WatchingDialogs : public testsupport::ScriptedDialogs {
public:
    std::function<bool()> listShown;
    QList<bool> listShownAtBox;

    Answer message(const platform::MessageRequest &request) override
    {
        listShownAtBox << (listShown && listShown());
        return ScriptedDialogs::message(request);
    }
};

} // namespace

class TrainerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAndMenu_data();
    void controlsAndMenu();
    void openingShowsWholeTextOnFullScreen_data();
    void openingShowsWholeTextOnFullScreen();
    void controlTogglesView_data();
    void controlTogglesView();
    void fontSizeWraps_data() { bothKinds(); }
    void fontSizeWraps();
    void fontList_data() { bothKinds(); }
    void fontList();
    void keyHelp_data() { bothKinds(); }
    void keyHelp();
    void insertIsRefused_data();
    void insertIsRefused();
    void insertCollectsTheDisplayText_data() { bothKinds(); }
    void insertCollectsTheDisplayText();
    void escapeWithoutListLeavesAtOnce_data() { bothKinds(); }
    void escapeWithoutListLeavesAtOnce();
    void escapeYesAdoptsTheList_data() { bothKinds(); }
    void escapeYesAdoptsTheList();
    void escapeNoLeavesAndForgetsTheList_data() { bothKinds(); }
    void escapeNoLeavesAndForgetsTheList();
    void abbruchKeepsFontCloseBoxStartsAfresh_data() { bothKinds(); }
    void abbruchKeepsFontCloseBoxStartsAfresh();
};

void TrainerWindowTest::controlsAndMenu_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fontList");
    QTest::addColumn<QString>("exerciseList");
    QTest::addColumn<int>("exerciseTop");
    QTest::newRow("sounds") << TrainerKind::Sounds << "Form1"
                            << "olorat:  Laute lesen"
                            << "List1"
                            << "List2" << 1320;
    QTest::newRow("syllables") << TrainerKind::Syllables << "Form4"
                               << "olorat:  Silben lesen"
                               << "List4"
                               << "List5" << 1200;
}

void TrainerWindowTest::controlsAndMenu()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, fontList);
    QFETCH(QString, exerciseList);
    QFETCH(int, exerciseTop);

    TrainerHarness h(kind);
    QCOMPARE(h.window->objectName(), name);
    QCOMPARE(h.window->windowTitle(), title);
    QVERIFY(!h.window->windowIcon().isNull());
    QCOMPARE(h.fontList()->objectName(), fontList);
    QCOMPARE(h.exerciseList()->objectName(), exerciseList);
    QVERIFY(h.fontList()->isHidden());
    QVERIFY(h.exerciseList()->isHidden());
    QCOMPARE(h.fontList()->geometry(), platform::twipsToPixels(QRect(8520, 0, 2055, 2760), platform::screenDpi()));
    QCOMPARE(h.exerciseList()->geometry(),
             platform::twipsToPixels(QRect(960, exerciseTop, 8895, 4830), platform::screenDpi()));
    QCOMPARE(h.fontList()->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(h.fontList()->palette().color(QPalette::Text), QColor(0, 0, 192));
    QCOMPARE(h.exerciseList()->palette().color(QPalette::Base), QColor(192, 255, 192));

    // The reading field starts at the client origin in Verdana 24 bold.
    QCOMPARE(h.readingField()->pos(), QPoint(0, 0));
    QCOMPARE(h.readingField()->fieldFontName(), QStringLiteral("Verdana"));
    QCOMPARE(h.readingField()->fieldFontSize(), 24.0);
    QVERIFY(h.readingField()->fieldFontBold());

    for (QWidget *w : {static_cast<QWidget *>(h.readingField()), static_cast<QWidget *>(h.keyField()),
                       static_cast<QWidget *>(h.fontList()), static_cast<QWidget *>(h.exerciseList())})
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    QCOMPARE(h.readingField()->accessibleName(), QStringLiteral("Lesefeld"));
    QCOMPARE(h.exerciseList()->accessibleName(), QStringLiteral("Übungsliste"));

    QStringList captions, names;
    for (QAction *a : h.window->menuBar()->actions()) {
        captions << a->text();
        names << (a->menu() ? a->menu()->objectName() : a->objectName());
    }
    QCOMPARE(captions,
             (QStringList{"Abbruch", "Ansicht", "Kopieren", "Letterweise", "Silbenweise", "Wortweise", "Satzweise",
                          "Textweise", "kleiner", "größer", "Schriften", "?"}));
    QCOMPARE(names,
             (QStringList{"menu1", "menu2", "menu3", "menu4", "menu11", "menu5", "menu6", "menu12", "menu8", "menu9",
                          "menu10", "menu7"}));
    const QMenu *view = h.window->findChild<QMenu *>(QStringLiteral("menu2"));
    QVERIFY(view);
    QStringList viewEntries;
    for (QAction *a : view->actions())
        viewEntries << a->objectName() + '=' + a->text();
    QCOMPARE(viewEntries, (QStringList{"menu2a=Fenster", "menu2b=Monitor"}));
}

void TrainerWindowTest::openingShowsWholeTextOnFullScreen_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QStringList>("fonts");
    // The offered fonts as the holder keeps them; only the syllable trainer sorts.
    QTest::newRow("sounds") << TrainerKind::Sounds
                            << QStringList{"Arial", "Verdana", "Zapf Chancery", "courier", "Bodoni"};
    QTest::newRow("syllables") << TrainerKind::Syllables
                               << QStringList{"Arial", "Bodoni", "courier", "Verdana", "Zapf Chancery"};
}

void TrainerWindowTest::openingShowsWholeTextOnFullScreen()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QStringList, fonts);

    TrainerHarness h(kind);
    h.offered.names = {"Zapf Chancery", "courier", "Bodoni"};
    const QString text = QStringLiteral("Ich lese.\r\nDu liest.\r\nUnd dann");
    h.open(text);
    QVERIFY(h.window->isVisible());
    QVERIFY(h.window->isFullScreenView());
    QTRY_VERIFY(coversTheWholeScreen(h.window.get()));
    QCOMPARE(h.shown(), text);
    QCOMPARE(h.window->trainer().CurrentStep(), textcore::ReadingStep::Text);
    QCOMPARE(h.window->trainer().SentenceCursor(), 1);
    QCOMPARE(h.window->focusWidget(), h.keyField());
    QCOMPARE(entries(h.fontList()), fonts);
    QVERIFY(h.fontList()->isHidden());

    // Every opening refills the list from the holder and takes the editor's
    // text and sentences as they are now, in the full-screen view again.
    h.press(Qt::Key_Control);
    h.pressAll({Qt::Key_Home, Qt::Key_End});
    h.press(Qt::Key_Escape);
    h.offered.names = {"Bodoni"};
    h.open(QStringLiteral("Neu hier. Zweiter Satz."));
    QCOMPARE(entries(h.fontList()),
             (QStringList{"Arial", kind == TrainerKind::Sounds ? "Verdana" : "Bodoni",
                          kind == TrainerKind::Sounds ? "Bodoni" : "Verdana"}));
    QVERIFY(h.window->isFullScreenView());
    QTRY_VERIFY(coversTheWholeScreen(h.window.get()));
    QCOMPARE(h.shown(), QStringLiteral("Neu hier. Zweiter Satz."));
    QCOMPARE(h.window->trainer().CurrentStep(), textcore::ReadingStep::Text);
    h.press(Qt::Key_Home);
    QCOMPARE(h.shown(), QStringLiteral("Neu hier."));
}

void TrainerWindowTest::controlTogglesView_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<int>("height");
    QTest::newRow("sounds") << TrainerKind::Sounds << 9000;
    QTest::newRow("syllables") << TrainerKind::Syllables << 8900;
}

void TrainerWindowTest::controlTogglesView()
{
    QFETCH(TrainerKind, kind);
    QFETCH(int, height);

    TrainerHarness h(kind);
    h.open(kTwoSentences);
    const QRect screen = screenArea();
    const QSize windowSize(px(10900), px(height));
    const QRect windowView(QPoint(screen.x() + (screen.width() - windowSize.width()) / 2,
                                  screen.y() + (screen.height() - windowSize.height()) / 2),
                           windowSize);
    auto fieldFits = [&] {
        const QSize outer = h.window->frameGeometry().size();
        return h.readingField()->size() == QSize(outer.width() - px(100), outer.height() - px(700));
    };
    QTRY_VERIFY(fieldFits());

    h.press(Qt::Key_Control);
    QCOMPARE(h.window->frameGeometry(), windowView);
    QVERIFY(!h.window->isFullScreenView());
    QVERIFY(fieldFits());
    QCOMPARE(h.readingField()->pos(), QPoint(0, 0));
    QCOMPARE(h.window->focusWidget(), h.keyField());

    h.press(Qt::Key_Control);
    QTRY_VERIFY(coversTheWholeScreen(h.window.get()));
    QVERIFY(h.window->isFullScreenView());
    QVERIFY(fieldFits());

    // The menu's views: "Fenster" twice stays in the window view, CTRL after
    // "Monitor" goes to the window view.
    h.trigger(QStringLiteral("menu2a"));
    h.trigger(QStringLiteral("menu2a"));
    QCOMPARE(h.window->frameGeometry(), windowView);
    h.trigger(QStringLiteral("menu2b"));
    QTRY_VERIFY(coversTheWholeScreen(h.window.get()));
    h.press(Qt::Key_Control);
    QCOMPARE(h.window->frameGeometry(), windowView);

    // The field follows a window the user sizes by hand as well.
    h.window->resize(500, 400);
    QTRY_VERIFY(fieldFits());
    // The display is untouched by the views.
    QCOMPARE(h.shown(), kTwoSentences);
}

void TrainerWindowTest::fontSizeWraps()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(kTwoSentences);
    QList<double> up;
    for (int i = 0; i < 25; ++i) {
        h.press(Qt::Key_Right);
        up << h.readingField()->fieldFontSize();
    }
    QCOMPARE(up.mid(22), (QList<double>{70, 72, 12}));
    h.press(Qt::Key_Left);
    QCOMPARE(h.readingField()->fieldFontSize(), 72.0);
    h.press(Qt::Key_Left);
    QCOMPARE(h.readingField()->fieldFontSize(), 70.0);
    // Name and weight stay.
    QCOMPARE(h.readingField()->fieldFontName(), QStringLiteral("Verdana"));
    QVERIFY(h.readingField()->fieldFontBold());
}

void TrainerWindowTest::fontList()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.offered.names = {"Courier New"};
    h.open(kTwoSentences);
    h.press(Qt::Key_Home);
    const auto colours = h.readingField()->coloursOfAllPositions();

    h.press(Qt::Key_Delete);
    QVERIFY(h.fontList()->isVisible());
    QCOMPARE(h.window->focusWidget(), h.keyField());
    h.press(Qt::Key_Delete);
    QVERIFY(h.fontList()->isHidden());

    h.press(Qt::Key_Delete);
    QListWidgetItem *item = h.fontList()->findItems(QStringLiteral("Courier New"), Qt::MatchExactly).value(0);
    QVERIFY(item);
    const QRect rect = h.fontList()->visualItemRect(item);
    QTest::mouseClick(h.fontList()->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(h.fontList()->isHidden());
    QCOMPARE(h.readingField()->fieldFontName(), QStringLiteral("Courier New"));
    QCOMPARE(h.readingField()->fieldFontSize(), 24.0);
    QVERIFY(h.readingField()->fieldFontBold());
    QCOMPARE(h.readingField()->coloursOfAllPositions(), colours);
    QCOMPARE(h.shown(), QStringLiteral("Ich lese."));
    QCOMPARE(h.window->focusWidget(), h.keyField());
}

void TrainerWindowTest::keyHelp()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(kTwoSentences);
    h.scripted.queueAnswer(Answer::Ok);
    h.press(Qt::Key_F1);
    QVERIFY(h.scripted.verifyAllAnswered());
    QCOMPARE(h.scripted.calls().size(), 1);
    const testsupport::DialogCall &box = h.scripted.lastCall();
    QCOMPARE(box.title, QStringLiteral("Tastenbelegung"));
    QCOMPARE(box.buttons, platform::Buttons::Ok);
    QCOMPARE(box.prompt,
             QStringLiteral("Der Abbruch kann mit der ESC-Taste erfolgen.\r"
                            "Mit der STRG-Taste wird die Ansicht geändert.\r"
                            "Die INS-Taste kopiert Texte in die Übungsliste.\r"
                            "Diese Hilfetexte erhalten Sie mit der F1-Taste.\r"
                            "Den Text bekommt man mit der ENTER-Taste.\r"
                            "Mit der POS1-Taste wird satzweise geblättert,\r"
                            "mit der ENDE-Taste wird wortweise geblättert.\r"
                            "Der HOCH-Pfeil erlaubt silbenweises Blättern,\r"
                            "buchstabenweises Blättern mit dem TIEF-Pfeil.\r"
                            "Schrifthöhe mit LINKS-RECHTS-Pfeilen ändern.\r"
                            "Die Schriftart stellen Sie mit der Entf-Taste ein.\r"
                            "Mit der LEER-Taste wird vorgelesen und angehalten.\r\r"));
    QCOMPARE(h.window->focusWidget(), h.keyField());
    QCOMPARE(h.shown(), kTwoSentences);
}

void TrainerWindowTest::insertIsRefused_data()
{
    QTest::addColumn<TrainerKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("keys");
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables}) {
        const char *k = kind == TrainerKind::Sounds ? "sounds" : "syllables";
        QTest::addRow("%s: right after opening", k) << kind << kTwoSentences << QList<int>{};
        QTest::addRow("%s: back in the text step", k)
            << kind << kTwoSentences << QList<int>{Qt::Key_Home, Qt::Key_Return};
        QTest::addRow("%s: empty display", k) << kind << QStringLiteral("kein Satz") << QList<int>{Qt::Key_Home};
    }
}

void TrainerWindowTest::insertIsRefused()
{
    QFETCH(TrainerKind, kind);
    QFETCH(QString, text);
    QFETCH(QList<int>, keys);
    TrainerHarness h(kind);
    h.open(text);
    h.pressAll(keys);
    h.press(Qt::Key_Insert);
    QVERIFY(h.scripted.calls().isEmpty());
    QVERIFY(h.window->trainer().ExerciseList().empty());
    // Nothing to ask about on leaving either.
    h.press(Qt::Key_Escape);
    QVERIFY(h.scripted.calls().isEmpty());
    QVERIFY(!h.window->isVisible());
}

void TrainerWindowTest::insertCollectsTheDisplayText()
{
    QFETCH(TrainerKind, kind);
    WatchingDialogs dialogs;
    TrainerHarness h(kind, &dialogs);
    dialogs.listShown = [&h] { return h.exerciseList()->isVisible(); };
    h.open(QStringLiteral("Ich lese."));
    h.press(Qt::Key_End);
    h.press(Qt::Key_End);
    QCOMPARE(h.shown(), QStringLiteral("Ich lese. "));
    dialogs.queueAnswer(Answer::Ok);
    dialogs.queueAnswer(Answer::Ok);
    h.press(Qt::Key_Insert);
    h.trigger(QStringLiteral("menu3"));
    QVERIFY(dialogs.verifyAllAnswered());
    QCOMPARE(dialogs.calls().size(), 2);
    for (const testsupport::DialogCall &box : dialogs.calls()) {
        QCOMPARE(box.title, QStringLiteral("Übungsliste"));
        QCOMPARE(box.prompt, kAdded);
        QCOMPARE(box.buttons, platform::Buttons::Ok);
    }
    QCOMPARE(dialogs.listShownAtBox, (QList<bool>{true, true}));
    QVERIFY(h.exerciseList()->isHidden());
    QCOMPARE(entries(h.exerciseList()), (QStringList{"Ich lese. ", "Ich lese. "}));
    QCOMPARE(h.window->trainer().ExerciseList(), (std::vector<std::u16string>{u"Ich lese. ", u"Ich lese. "}));
    QCOMPARE(h.window->focusWidget(), h.keyField());
}

void TrainerWindowTest::escapeWithoutListLeavesAtOnce()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(kTwoSentences);
    h.press(Qt::Key_Home);
    h.press(Qt::Key_Escape);
    QVERIFY(h.scripted.calls().isEmpty());
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.shown(), QString());
    QVERIFY(h.window->trainer().SentenceList().empty());
    QCOMPARE(h.fontList()->count(), 0);
    QCOMPARE(h.editor.showings.size(), 1);
    QCOMPARE(h.editor.showings.first(), std::nullopt);
}

void TrainerWindowTest::escapeYesAdoptsTheList()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(QStringLiteral("Eins. Zwei. Drei. Vier."));
    h.scripted.queueAnswer(Answer::Ok);
    h.scripted.queueAnswer(Answer::Ok);
    h.pressAll({Qt::Key_Home, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Home, Qt::Key_Home, Qt::Key_Insert});
    QCOMPARE(h.window->trainer().ExerciseList(), (std::vector<std::u16string>{u"Zwei.", u"Vier."}));

    h.scripted.queueAnswer(Answer::Yes);
    h.press(Qt::Key_Escape);
    QVERIFY(h.scripted.verifyAllAnswered());
    const testsupport::DialogCall &box = h.scripted.lastCall();
    QCOMPARE(box.title, QStringLiteral("Übungsliste"));
    QCOMPARE(box.prompt, kQuestion);
    QCOMPARE(box.buttons, platform::Buttons::YesNo);
    QCOMPARE(box.icon, platform::Icon::Question);
    QCOMPARE(box.defaultButton, Answer::Yes);

    QVERIFY(h.window->isVisible());
    QVERIFY(h.editor.showings.isEmpty());
    QVERIFY(h.window->trainer().ExerciseList().empty());
    QCOMPARE(h.shown(), QStringLiteral("Zwei."));
    QCOMPARE(h.window->focusWidget(), h.keyField());
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        h.press(Qt::Key_Home);
        seen << h.shown();
    }
    QCOMPARE(seen, (QStringList{"Vier.", "Zwei.", "Vier."}));

    // The list is used up: ESC now leaves without asking.
    const auto boxes = h.scripted.calls().size();
    h.press(Qt::Key_Escape);
    QCOMPARE(h.scripted.calls().size(), boxes);
    QVERIFY(!h.window->isVisible());
}

void TrainerWindowTest::escapeNoLeavesAndForgetsTheList()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(kTwoSentences);
    h.scripted.queueAnswer(Answer::Ok);
    h.pressAll({Qt::Key_Down, Qt::Key_Insert});
    h.scripted.queueAnswer(Answer::No);
    h.press(Qt::Key_Escape);
    QVERIFY(h.scripted.verifyAllAnswered());
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.editor.showings.size(), 1);
    QCOMPARE(h.exerciseList()->count(), 0);

    h.open(kTwoSentences);
    h.press(Qt::Key_Home);
    h.press(Qt::Key_Escape);
    QCOMPARE(h.scripted.calls().size(), 2);
    QVERIFY(!h.window->isVisible());
}

void TrainerWindowTest::abbruchKeepsFontCloseBoxStartsAfresh()
{
    QFETCH(TrainerKind, kind);
    TrainerHarness h(kind);
    h.open(kTwoSentences);
    h.pressAll({Qt::Key_Right, Qt::Key_Right});
    h.window->setReadingFont(QStringLiteral("Arial"));
    h.press(Qt::Key_Escape);
    h.open(kTwoSentences);
    QCOMPARE(h.readingField()->fieldFontSize(), 28.0);
    QCOMPARE(h.readingField()->fieldFontName(), QStringLiteral("Arial"));

    // The close box asks nothing, even with pieces collected.
    h.scripted.queueAnswer(Answer::Ok);
    h.pressAll({Qt::Key_Home, Qt::Key_Insert});
    QSignalSpy discarded(h.window.get(), &TrainerWindow::discarded);
    QVERIFY(h.window->close());
    QCOMPARE(discarded.count(), 1);
    QCOMPARE(h.scripted.calls().size(), 1);
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.editor.showings.size(), 2);

    // Whether the owner recreates the window or opens the old one again,
    // the trainer starts with Verdana 24 and an empty list.
    for (bool recreate : {false, true}) {
        if (recreate)
            h.recreate();
        h.open(kTwoSentences);
        QCOMPARE(h.readingField()->fieldFontSize(), 24.0);
        QCOMPARE(h.readingField()->fieldFontName(), QStringLiteral("Verdana"));
        QVERIFY(h.window->trainer().ExerciseList().empty());
        h.press(Qt::Key_Escape);
        QCOMPARE(h.scripted.calls().size(), 1);
    }
}

QTEST_MAIN(TrainerWindowTest)
#include "tst_trainerwindow.moc"
