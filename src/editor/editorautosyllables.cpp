// Syllable marks set by the program instead of by hand, and the teacher's
// own list of words the rules get wrong.
#include "editor/editorwindow.h"

#include "editor/separators.h"

#include "platform/dialogs.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "syllabify/exceptionlist.h"
#include "syllabify/letters.h"
#include "syllabify/marktext.h"
#include "syllabify/patternloader.h"
#include "syllabify/syllabifier.h"
#include "syllabify/wordrange.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <filesystem>

namespace editor {

namespace {

const QString kSyllablesTitle = QStringLiteral("Trennzeichen");
const QString kExceptionTitle = QStringLiteral("Ausnahmeliste");

// Loading the patterns and marking a long text take a moment.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

std::filesystem::path toPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

QString wordsMarkedInfo(std::size_t count)
{
    if (count == 0)
        return QStringLiteral("Es wurde kein Wort getrennt: Alle Wörter tragen schon Trennzeichen oder haben nur "
                              "eine Silbe.");
    if (count == 1)
        return QStringLiteral("Silben automatisch gesetzt: 1 Wort wurde getrennt.");
    return QStringLiteral("Silben automatisch gesetzt: %1 Wörter wurden getrennt.").arg(count);
}

} // namespace

QString EditorWindow::exceptionListPath() const
{
    // A list copied from elsewhere may carry its name in small letters; the
    // teacher's list is the same file whatever the case.
    const QString upper = QString::fromLatin1(syllabify::exceptionFileName);
    const QString &folder = m_session.folder();
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        if (name.toUpper() == upper)
            return folder + name;
    return folder + upper;
}

void EditorWindow::preloadSyllabifier()
{
    if (m_syllabifier)
        return;
    if (!m_patternLoader)
        m_patternLoader = std::make_shared<syllabify::PatternLoader>(
            m_patternFile.isEmpty() ? std::string(syllabify::defaultPatternFile) : m_patternFile.toStdString(),
            m_patternCache.toStdString());
    m_patternLoader->start();
}

void EditorWindow::setSyllablesAutomatically()
{
    const std::u16string text = m_field->text().toStdU16String();
    const auto [start, end]
        = syllabify::markingRange(text, std::size_t(m_field->selStart()), std::size_t(m_field->selLength()));
    if (!syllabify::containsLetter(std::u16string_view(text).substr(start, end - start))) {
        setInfo(wordsMarkedInfo(0));
        return;
    }

    WaitCursor wait;
    if (!m_syllabifier) {
        // Waits for the load started in the background, or loads now.
        preloadSyllabifier();
        auto loaded = m_patternLoader->take();
        if (!loaded->isReady()) {
            // Not kept: the next attempt reads the file again, so installing
            // the patterns helps without a restart.
            m_dialogs.inform(QString::fromStdU16String(loaded->errorMessage()), kSyllablesTitle,
                             platform::Icon::Exclamation);
            return;
        }
        m_syllabifier = std::move(loaded);
        m_patternLoader.reset();
    }

    // Read at every use, so that a list edited beside the program counts.
    syllabify::ExceptionList exceptions;
    if (const textcore::Result<> loaded = exceptions.load(toPath(exceptionListPath())); !loaded.ok()) {
        // Marking without the teacher's list would set the very marks she
        // corrected; better nothing than that.
        m_dialogs.inform(platform::messageOf(loaded), kSyllablesTitle, platform::Icon::Exclamation);
        return;
    }

    const char16_t mark = m_separators->currentMark();
    const syllabify::RangeMarks marks = syllabify::markRange(text, start, end, mark, *m_syllabifier, exceptions);
    if (!marks.positions.empty()) {
        // Only the new marks enter the document, each in the separator
        // colour with the font and style of the letter before it; one undo
        // step takes them all back.
        m_field->insertMarks(marks.positions, mark, m_session.separator().colour);
        m_session.workingText().buildSentenceList();
    }
    QString info = wordsMarkedInfo(marks.wordsMarked);
    // Lines of the list that are no marked word were left out; the teacher
    // should know why her entry did not count.
    const std::vector<std::u16string> &problems = exceptions.problems();
    if (!problems.empty()) {
        info += QStringLiteral("\rNicht verwendet aus der Ausnahmeliste: ")
            + QString::fromStdU16String(problems.front());
        if (problems.size() > 1)
            info += QStringLiteral(" (und %1 weitere Zeilen)").arg(problems.size() - 1);
    }
    setInfo(info);
}

void EditorWindow::rememberException()
{
    // Blanks and punctuation caught along with the word do not count.
    const std::u16string selected = m_field->selText().toStdU16String();
    const QString selection = QString::fromStdU16String(std::u16string(syllabify::trimToWord(selected)));
    if (selection.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Markieren Sie zuerst ein Wort mit seinen Trennzeichen,\r"
                                        "zum Beispiel \u201EFarb-aus-wahl\u201C.\r\r"),
                         kExceptionTitle);
        return;
    }

    const QString path = exceptionListPath();
    syllabify::ExceptionList exceptions;
    if (const textcore::Result<> loaded = exceptions.load(toPath(path)); !loaded.ok()) {
        // Writing now would replace a list that could not be read.
        m_dialogs.inform(platform::messageOf(loaded), kExceptionTitle, platform::Icon::Exclamation);
        return;
    }
    const textcore::Result<syllabify::ExceptionList::AddResult> added = exceptions.add(selection.toStdU16String());
    if (!added.ok()) {
        m_dialogs.inform(platform::messageOf(added) + QStringLiteral("\rAuswahl:   ") + selection
                             + QStringLiteral("\r"),
                         kExceptionTitle);
        return;
    }
    if (const textcore::Result<> saved = exceptions.save(toPath(path)); !saved.ok()) {
        m_dialogs.inform(platform::messageOf(saved), kExceptionTitle, platform::Icon::Exclamation);
        return;
    }
    // The list keeps every word with "-"; the confirmation shows it so.
    QString stored = selection;
    for (QChar &c : stored)
        if (syllabify::isBoundaryMark(c.unicode()))
            c = QLatin1Char('-');
    const QString firstLine = added.value() == syllabify::ExceptionList::AddResult::Replaced
        ? QStringLiteral("\u201E%1\u201C ersetzt den bisherigen Eintrag in der Ausnahmeliste %2.\r\r")
        : QStringLiteral("\u201E%1\u201C steht jetzt in der Ausnahmeliste %2.\r\r");
    m_dialogs.inform(firstLine.arg(stored, QFileInfo(path).fileName())
                         + QStringLiteral("Beim automatischen Setzen der Silben wird das Wort\r"
                                          "künftig so getrennt.\r\r"),
                     kExceptionTitle);
}

} // namespace editor
