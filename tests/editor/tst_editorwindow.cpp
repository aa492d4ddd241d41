// The editor window: its look after start-up, the settings file read at
// start-up and written on a confirmed exit, the formatting boxes, keys.
#include "support/editorfixture.h"
#include "support/windowdump.h"

#include <QComboBox>
#include <QTest>

class TestEditorWindow : public QObject {
    Q_OBJECT
private slots:
    void looksAsDrawnAfterStartUp();
    void blankSeparatorLineChecksEverySeparator();
    void exitWritesTheSettingsAndKeepsABrokenFile();
    void formattingBoxesApplyToTheWholeText();
    void insertKeyTypesAHyphen();
};

void TestEditorWindow::looksAsDrawnAfterStartUp()
{
    EditorFixture f;
    f.copyData(QStringLiteral("editor/settings-full.ini"), QStringLiteral("KOLORAT.INI"));
    QTimer &timer = f.window.startUpTimer();
    QVERIFY(timer.isActive() && timer.isSingleShot());
    QCOMPARE(timer.interval(), 100);
    QTRY_VERIFY(!f.field().text().isEmpty());
    QVERIFY(!timer.isActive());
    QVERIFY(f.dialogs.calls().isEmpty());

    // The welcome text shows no separator: every mark is a soft hyphen in red.
    const QString text = f.field().text();
    const std::vector<Colour> colours = f.field().coloursOfAllPositions();
    for (qsizetype i = 0; i < text.size(); ++i) {
        QVERIFY(!QStringLiteral("-=~/").contains(text[i]));
        QCOMPARE(colours[size_t(i)], text[i] == QChar(0xAD) ? textcore::kRed : textcore::kBlack);
    }
    QCOMPARE(text.count(QChar(0xAD)), 102);

    f.window.show();
    QString look = testsupport::dumpWindow(f.window);
    look.replace(f.session.folder(), QStringLiteral("<folder>"));
    KOLORAT_VERIFY_GOLDEN(look, "editor");
}

void TestEditorWindow::blankSeparatorLineChecksEverySeparator()
{
    EditorFixture f;
    f.copyData(QStringLiteral("editor/settings-blank-separator.ini"), QStringLiteral("KOLORAT.INI"));
    f.start();
    for (const char *name :
         {"separatorHyphenEntry", "separatorEqualsEntry", "separatorTildeEntry", "separatorSlashEntry"})
        QVERIFY(f.control<QAction>(name)->isChecked());
}

void TestEditorWindow::exitWritesTheSettingsAndKeepsABrokenFile()
{
    EditorFixture f;
    f.copyData(QStringLiteral("editor/settings-short.ini"), QStringLiteral("KOLORAT.INI"));
    const QByteArray original = f.readFile(QStringLiteral("KOLORAT.INI"));
    f.queue({Answer::Ok}); // it stops at line 7
    f.start();
    f.window.show();
    f.queue({Answer::Yes});
    QVERIFY(f.window.close());
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.programEnds, 1);
    QFile written(QStringLiteral(KOLORAT_TEST_DATA "/editor/settings-short-written.ini"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT.INI")), written.readAll());
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT.INI.BAK")), original);
}

void TestEditorWindow::formattingBoxesApplyToTheWholeText()
{
    EditorFixture f;
    f.start();
    const platform::CharFormat red{textcore::kRed, {}, 0, true, false};
    const platform::CharFormat blue{textcore::rgb(0, 0, 255), {}, 0, false, true};
    f.field().setStyledText({{QStringLiteral("Rot"), red}, {QStringLiteral(" blau"), blue}});
    auto *sizes = f.control<QComboBox>("FontSizes");
    emit sizes->activated(sizes->findText(QStringLiteral("24")));
    emit f.control<QComboBox>("EditorFonts")->activated(1);
    emit f.control<QComboBox>("Styles")->activated(0); // "fett": italic stays as it was
    const platform::StyledText runs = f.field().styledText();
    QCOMPARE(runs.size(), size_t(2));
    QCOMPARE(runs[0].format, (platform::CharFormat{red.colour, QStringLiteral("Verdana"), 24, true, false}));
    QCOMPARE(runs[1].format, (platform::CharFormat{blue.colour, QStringLiteral("Verdana"), 24, true, true}));
    emit f.control<QComboBox>("Styles")->activated(2); // "normal"
    for (const platform::StyledRun &run : f.field().styledText())
        QVERIFY(!run.format.bold && !run.format.italic);
}

void TestEditorWindow::insertKeyTypesAHyphen()
{
    EditorFixture f;
    f.start();
    f.window.show();
    f.field().setText(QStringLiteral("ab"));
    f.field().setSelStart(1);
    f.field().setFocus();
    QApplication::setActiveWindow(&f.window);
    QTest::keyClick(&f.field(), Qt::Key_Insert);
    QTRY_COMPARE(f.field().text(), QStringLiteral("a-b"));
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
