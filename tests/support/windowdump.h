#pragma once
// What a test saw, as text for a golden file: a window's look (every widget
// in stacking order with its place in twips, text, accessible name, colours
// and font, then its menus) and the boxes a road showed. Each is compared
// with one file under tests/data, so layout tables and prompts live in one
// place; KOLORAT_REGENERATE=1 rewrites the files instead (review the diff).
#include <QList>
#include <QString>

class QWidget;

namespace testsupport {

struct DialogCall;

QString dumpWindow(const QWidget &window);
// One line per box: kind, title, prompt, buttons, default, icon, answer.
QString dialogTranscript(const QList<DialogCall> &calls);
// In quotes, with line breaks, paragraph ends and soft hyphens ("|") made visible.
QString quoted(QString text);

// True when text equals tests/data/<name>.txt; otherwise *difference names
// the first differing line.
bool matchesDataFile(const QString &text, const QString &name, QString *difference);

} // namespace testsupport

#define KOLORAT_VERIFY_TRANSCRIPT(text, name)                                                                          \
    do {                                                                                                               \
        QString difference_;                                                                                           \
        QVERIFY2(testsupport::matchesDataFile((text), QStringLiteral(name), &difference_), qPrintable(difference_));   \
    } while (false)
// A window's look: tests/data/windows/<name>.txt.
#define KOLORAT_VERIFY_GOLDEN(text, name) KOLORAT_VERIFY_TRANSCRIPT(text, "windows/" name)
