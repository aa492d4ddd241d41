#pragma once
// A window's look as text: every widget in stacking order with its place in
// twips, its text, accessible name, colours and font, then its menus. Checked
// against one golden file per window in tests/data/windows/, so the layout
// tables live in one place; KOLORAT_REGENERATE=1 rewrites the files instead
// (review the diff).
#include <QString>

class QWidget;

namespace testsupport {

QString dumpWindow(const QWidget &window);

// True when text equals tests/data/windows/<name>.txt; otherwise *difference
// names the first differing line.
bool matchesGolden(const QString &text, const QString &name, QString *difference);

} // namespace testsupport

#define KOLORAT_VERIFY_GOLDEN(text, name)                                                                              \
    do {                                                                                                               \
        QString difference_;                                                                                           \
        QVERIFY2(testsupport::matchesGolden((text), QStringLiteral(name), &difference_), qPrintable(difference_));     \
    } while (false)
