// Syllable separators: showing, hiding, choosing and colouring them, and the
// click mode that sets them with the mouse.
#include "editor/editorwindow.h"

#include "editor/clickmodepicture.h"
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "platform/twips.h"
#include "textcore/separators.h"

#include <QAction>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace editor {

namespace {

constexpr int kClickModeButtonHeight = 315;
constexpr int kClickModeButtonHeightOn = 855;

QColor toQColor(textcore::Colour c)
{
    return QColor(int(textcore::red(c)), int(textcore::green(c)), int(textcore::blue(c)));
}

// What the separator commands type: the chosen separator, or the mark that
// stands in for one from the settings file that is no boundary character.
QString typedSeparator(const QString &separator)
{
    return separator.isEmpty() ? separator : QString(QChar(textcore::visibleSeparator(separator.toStdU16String())));
}

} // namespace

char16_t EditorWindow::visibleSeparator() const
{
    return textcore::visibleSeparator(m_separator.toStdU16String());
}

int EditorWindow::convertBoundaries(char16_t target, bool restoreTypingColour)
{
    const std::u16string plain = m_field->text().toStdU16String();
    const textcore::BoundaryConversion conversion = textcore::ConvertBoundaries(plain, target);
    if (conversion.changedPositions.empty())
        return 0;

    // One edit block for the whole text: only the boundary characters are
    // touched, each keeping its font and style and taking the separator
    // colour; every other character keeps its formatting.
    const QColor colour = toQColor(m_separatorColour);
    const QString targetText{QChar(target)};
    QTextCursor cursor(m_field->document());
    QBrush lastOldColour;
    cursor.beginEditBlock();
    for (const std::size_t position : conversion.changedPositions) {
        const int start = m_field->documentPosition(int(position));
        cursor.setPosition(start);
        cursor.setPosition(start + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format = cursor.charFormat();
        lastOldColour = format.foreground();
        format.setForeground(colour);
        if (plain[position] == target)
            cursor.setCharFormat(format);
        else
            cursor.insertText(targetText, format);
    }
    cursor.endEditBlock();
    // The caret stands behind the last boundary, as after a replacement
    // there. Showing and hiding give the typing colour back to what that
    // boundary had before; applying leaves the separator colour.
    cursor.clearSelection();
    m_field->setTextCursor(cursor);
    if (restoreTypingColour) {
        QTextCharFormat typing;
        typing.setForeground(lastOldColour.style() == Qt::NoBrush ? QBrush(Qt::black) : lastOldColour);
        m_field->mergeCurrentCharFormat(typing);
    }
    return int(conversion.changedPositions.size());
}

void EditorWindow::showSeparators()
{
    const int count = convertBoundaries(visibleSeparator(), true);
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
    convertBoundaries(visibleSeparator(), false);
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
        entry->setChecked(entry->text().contains(m_separator));
    }
}

void EditorWindow::chooseSeparator(const QString &separator)
{
    for (QAction *entry : std::as_const(m_separatorEntries))
        entry->setChecked(entry->text() == QStringLiteral("Taste ") + separator);
    m_separator = separator;
    applySeparator();
}

void EditorWindow::chooseSeparatorColour(textcore::Colour colour)
{
    for (QAction *entry : std::as_const(m_separatorColourEntries))
        entry->setChecked(entry->data().value<textcore::Colour>() == colour);
    m_separatorColour = colour;
    applySeparator();
}

void EditorWindow::replaceBySeparator()
{
    const QString selection = m_field->selText();
    const textcore::ReplaceBySeparatorResult result = textcore::ReplaceBySeparator(
        m_field->text().toStdU16String(), selection.toStdU16String(), typedSeparator(m_separator).toStdU16String());
    switch (result.outcome) {
    case textcore::ReplaceBySeparatorOutcome::NothingSelected:
        m_dialogs.inform(QStringLiteral("Sie müssen das Trennzeichen erst markieren.\r\r"),
                         QStringLiteral("Trennzeichen ersetzen"));
        return;
    case textcore::ReplaceBySeparatorOutcome::SelectionIsSeparator:
        m_dialogs.inform(QStringLiteral("Auswahl und Zielzeichen sind identisch.\r\rTextauswahl:   ") + selection
                             + QStringLiteral("\rTrennzeichen:   ") + typedSeparator(m_separator) + QStringLiteral("\r"),
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
    m_field->setSelColor(m_separatorColour);
    // Like a key press, the keystroke arrives once the click is handled.
    QTimer::singleShot(0, this, [this] { typeLiteral(typedSeparator(m_separator)); });
}

} // namespace editor
