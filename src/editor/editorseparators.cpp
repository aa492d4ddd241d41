// Syllable separators: showing, hiding, choosing and colouring them, and the
// click mode that sets them with the mouse.
#include "editor/editorwindow.h"

#include "editor/clickmodepicture.h"
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "platform/twips.h"
#include "session/session.h"
#include "textcore/separators.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace editor {

namespace {

constexpr int kClickModeButtonHeight = 315;
constexpr int kClickModeButtonHeightOn = 855;

// What the separator commands type: the chosen separator, or the mark that
// stands in for one from the settings file that is no boundary character.
QString typedSeparator(const QString &separator)
{
    return separator.isEmpty() ? separator : QString(QChar(textcore::visibleSeparator(separator.toStdU16String())));
}

} // namespace

QString EditorWindow::currentSeparator() const
{
    return m_session.separator().mark;
}

textcore::Colour EditorWindow::separatorColour() const
{
    return m_session.separator().colour;
}

int EditorWindow::convertBoundaries(char16_t target, bool restoreTypingColour)
{
    const std::u16string plain = m_field->text().toStdU16String();
    const textcore::BoundaryConversion conversion = textcore::ConvertBoundaries(plain, target);
    if (conversion.changedPositions.empty())
        return 0;

    // Only the boundary characters change, each keeping its font and style
    // and taking the separator colour, in one undo step. The caret stands
    // behind the last boundary, as after a replacement there. Showing and
    // hiding give the typing colour back to what that boundary had before;
    // applying leaves the separator colour.
    const std::optional<textcore::Colour> lastColour
        = m_field->replaceCharacters(conversion.changedPositions, target, m_session.separator().colour);
    if (restoreTypingColour && lastColour)
        m_field->setSelColor(*lastColour);
    return int(conversion.changedPositions.size());
}

void EditorWindow::showSeparators()
{
    const int count = convertBoundaries(m_session.separator().visibleMark(), true);
    if (count == 0)
        m_dialogs.inform(QStringLiteral("Der Text enthält keine Trennzeichen!\r\r"), QStringLiteral("Trennzeichen"));
    buildSentenceList();
}

void EditorWindow::hideSeparators()
{
    convertBoundaries(textcore::kSoftHyphen, true);
    buildSentenceList();
}

void EditorWindow::applySeparator()
{
    convertBoundaries(m_session.separator().visibleMark(), false);
    buildSentenceList();
}

void EditorWindow::toggleSeparators()
{
    if (m_separatorsVisible) {
        m_separatorsVisible = false;
        m_separatorButton->setText(QStringLiteral("Trennzeichen ein"));
        hideSeparators();
    } else {
        m_separatorsVisible = true;
        m_separatorButton->setText(QStringLiteral("Trennzeichen aus"));
        showSeparators();
    }
}

void EditorWindow::markSeparatorEntries()
{
    // A substring test: an empty separator (a blank settings line) is
    // contained in every caption and so checks all four.
    for (QAction *entry : std::as_const(m_separatorEntries)) {
        entry->setChecked(false);
        entry->setChecked(entry->text().contains(m_session.separator().mark));
    }
}

void EditorWindow::chooseSeparator(const QString &separator)
{
    for (QAction *entry : std::as_const(m_separatorEntries))
        entry->setChecked(entry->text() == QStringLiteral("Taste ") + separator);
    m_session.separator().mark = separator;
    applySeparator();
}

void EditorWindow::chooseSeparatorColour(textcore::Colour colour)
{
    for (QAction *entry : std::as_const(m_separatorColourEntries))
        entry->setChecked(entry->data().value<textcore::Colour>() == colour);
    m_session.separator().colour = colour;
    applySeparator();
}

void EditorWindow::replaceBySeparator()
{
    const QString selection = m_field->selText();
    const textcore::ReplaceBySeparatorResult result
        = textcore::ReplaceBySeparator(m_field->text().toStdU16String(), selection.toStdU16String(),
                                       typedSeparator(m_session.separator().mark).toStdU16String());
    switch (result.outcome) {
    case textcore::ReplaceBySeparatorOutcome::NothingSelected:
        m_dialogs.inform(QStringLiteral("Sie müssen das Trennzeichen erst markieren.\r\r"),
                         QStringLiteral("Trennzeichen ersetzen"));
        return;
    case textcore::ReplaceBySeparatorOutcome::SelectionIsSeparator:
        m_dialogs.inform(QStringLiteral("Auswahl und Zielzeichen sind identisch.\r\rTextauswahl:   ") + selection
                             + QStringLiteral("\rTrennzeichen:   ") + typedSeparator(m_session.separator().mark)
                             + QStringLiteral("\r"),
                         QStringLiteral("Trennzeichen"));
        return;
    case textcore::ReplaceBySeparatorOutcome::Replaced:
        m_field->setText(QString::fromStdU16String(result.text), platform::RichTextField::History::OneStep);
        return;
    }
}

void EditorWindow::toggleClickMode()
{
    const int width = m_clickModeButton->width();
    if (m_clickMode) {
        m_clickMode = false;
        m_clickModeButton->setText(QStringLiteral("Klickmodus ein"));
        m_clickModeButton->setIcon(QIcon());
        m_clickModeButton->resize(width, platform::twipsToPixels(kClickModeButtonHeight, platform::screenDpi()));
        setInfo(QStringLiteral("Der Klickmodus für Silbenzeichen ist aus, sie können jetzt wieder Text eingeben "
                               "oder editieren."));
        return;
    }
    if (!m_separatorsVisible)
        toggleSeparators();
    m_clickMode = true;
    setInfo(QStringLiteral("Der Klickmodus für Silbenzeichen ist ein, klicken Sie auf die Trennstellen im Text."));
    const int height = platform::twipsToPixels(kClickModeButtonHeightOn, platform::screenDpi());
    m_clickModeButton->resize(width, height);
    // The taller button reaches over the labels and the field's top edge;
    // it stays in front of them so its caption can be read.
    m_clickModeButton->raise();
    m_clickModeButton->setIcon(clickModePicture());
    m_clickModeButton->setIconSize(QSize(height / 2, height / 2));
    m_clickModeButton->setText(QStringLiteral("Klickmodus aus"));
}

void EditorWindow::onTextClick()
{
    if (!m_clickMode)
        return;
    // The separator colour stays the typing colour afterwards, as the
    // click-mode hint warns.
    m_field->setSelColor(m_session.separator().colour);
    // Like a key press, the keystroke arrives once the click is handled.
    QTimer::singleShot(0, this, [this] { typeLiteral(typedSeparator(m_session.separator().mark)); });
}

} // namespace editor
