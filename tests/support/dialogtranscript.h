#pragma once
// The boxes a scripted road showed, one line each (kind, title, buttons,
// icon, default, prompt with its CRs, answer), so that a test compares every
// text of a road with one golden file in tests/data/<name>.txt instead of
// copying prompts by hand. KOLORAT_REGENERATE=1 rewrites the file.
#include "support/scripteddialogs.h"

#include <QString>

namespace testsupport {

QString dialogTranscript(const QList<DialogCall> &calls);

// True when text equals tests/data/<name>.txt; otherwise *difference names
// the first differing line.
bool matchesDataFile(const QString &text, const QString &name, QString *difference);

} // namespace testsupport

#define KOLORAT_VERIFY_TRANSCRIPT(text, name)                                                                          \
    do {                                                                                                               \
        QString difference_;                                                                                           \
        QVERIFY2(testsupport::matchesDataFile((text), QStringLiteral(name), &difference_), qPrintable(difference_));   \
    } while (false)
