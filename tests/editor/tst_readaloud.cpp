// "Extras" > "Vorlesen" in the editor: the selection, or the text from the
// caret on, without visible separators; the heard word is marked; the entry
// again, ESC or an edit stops.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/readaloud.h"
#include "platform/richtextfield.h"
#include "support/fakespeechengine.h"

#include <QAction>
#include <QMenu>
#include <QTest>

class EditorReadAloudTest : public QObject {
    Q_OBJECT
private slots:
    void readsSelectionOrFromTheCaret_data();
    void readsSelectionOrFromTheCaret();
};

void EditorReadAloudTest::readsSelectionOrFromTheCaret_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<int>("heardStart");
    QTest::addColumn<int>("heardLength");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("stopBy");
    QTest::newRow("selection, stopped by the entry") << 13 << 7 << "bei uns" << 4 << 3 << "uns" << "entry";
    QTest::newRow("from the caret, stopped by ESC") << 22 << 0 << "Guten Tag." << 0 << 5 << "Gu-ten" << "esc";
    QTest::newRow("caret at the end reads it all, stopped by typing")
        << 33 << 0 << "Willkommen bei uns. Guten Tag." << 0 << 10 << "Will-kom-men" << "typing";
}

void EditorReadAloudTest::readsSelectionOrFromTheCaret()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, spoken);
    QFETCH(int, heardStart);
    QFETCH(int, heardLength);
    QFETCH(QString, marked);
    QFETCH(QString, stopBy);

    EditorHarness h;
    h.start(true);
    testsupport::FakeSpeechEngine voice;
    h.window().setSpeech(&voice);
    QAction *entry = h.window().findChild<QAction *>(QStringLiteral("readAloudEntry"));
    QVERIFY(entry && entry->isEnabled());
    QVERIFY(h.window().findChild<QMenu *>(QStringLiteral("speechRateMenu")));
    h.setText(QStringLiteral("Will\u00ADkom\u00ADmen bei uns. Gu\u00ADten Tag."));
    h.window().toggleSeparators();
    QCOMPARE(h.field().text(), QStringLiteral("Will-kom-men bei uns. Gu-ten Tag."));
    h.field().setSel(selStart, selLength);

    entry->trigger();
    QCOMPARE(voice.requests.size(), 1);
    QCOMPARE(QString::fromStdU16String(voice.requests[0].text), spoken);
    voice.hear(heardStart, heardLength);
    const QList<QTextEdit::ExtraSelection> marks = h.field().extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].cursor.selectedText(), marked);

    if (stopBy == QLatin1String("entry"))
        entry->trigger();
    else if (stopBy == QLatin1String("esc"))
        QTest::keyClick(&h.field(), Qt::Key_Escape);
    else
        h.field().insertPlainText(QStringLiteral("!"));
    QVERIFY(!voice.isSpeaking());
    QCOMPARE(voice.stops, 1);
    QCOMPARE(voice.requests.size(), 1);
    QVERIFY(h.field().extraSelections().isEmpty());
    QVERIFY(!h.window().readAloudControl()->isSpeaking());
}

QTEST_MAIN(EditorReadAloudTest)
#include "tst_readaloud.moc"
