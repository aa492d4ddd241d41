// "Extras" > "Vorlesen" in the editor: the selection, or the text from the
// caret on, without visible separators; the heard word is marked; the entry
// again, ESC or an edit stops.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/richtextfield.h"
#include "support/fakespeechengine.h"

#include <QAction>
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
    QTest::addColumn<int>("heardLength");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("stopBy");
    QTest::newRow("selection, stopped by the entry") << 13 << 7 << "bei uns" << 3 << "bei"
                                                     << "entry";
    QTest::newRow("from the caret, stopped by ESC") << 22 << 0 << "Guten Tag." << 5 << "Gu-ten"
                                                    << "esc";
    QTest::newRow("caret at the end reads it all, stopped by typing")
        << 33 << 0 << "Willkommen bei uns. Guten Tag." << 10 << "Will-kom-men"
        << "typing";
}

void EditorReadAloudTest::readsSelectionOrFromTheCaret()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, spoken);
    QFETCH(int, heardLength);
    QFETCH(QString, mark);
    QFETCH(QString, stopBy);

    EditorHarness h;
    h.start(true);
    testsupport::FakeSpeechEngine voice;
    h.window().setSpeech(&voice);
    h.setText(QStringLiteral("Will\u00ADkom\u00ADmen bei uns. Gu\u00ADten Tag."));
    h.window().toggleSeparators();
    h.field().setSel(selStart, selLength);

    QAction *entry = h.window().findChild<QAction *>(QStringLiteral("readAloudEntry"));
    entry->trigger();
    QCOMPARE(voice.requests.size(), 1);
    QCOMPARE(QString::fromStdU16String(voice.requests[0].text), spoken);
    voice.hear(0, heardLength);
    const QList<QTextEdit::ExtraSelection> marks = h.field().extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].cursor.selectedText(), mark);

    if (stopBy == QLatin1String("entry"))
        entry->trigger();
    else if (stopBy == QLatin1String("esc"))
        QTest::keyClick(&h.field(), Qt::Key_Escape);
    else
        h.field().insertPlainText(QStringLiteral("!"));
    QCOMPARE(voice.stops, 1);
    QCOMPARE(voice.requests.size(), 1);
    QVERIFY(h.field().extraSelections().isEmpty());
}

QTEST_MAIN(EditorReadAloudTest)
#include "tst_readaloud.moc"
