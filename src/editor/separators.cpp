#include "editor/separators.h"

#include "editor/clickmodepicture.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/richtextfield.h"
#include "platform/twips.h"
#include "session/session.h"
#include "textcore/separators.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
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

QAction *addEntry(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

void typeLiteral(platform::RichTextField &field, const QString &text)
{
    // The characters themselves are typed, never read as key names ("~" is
    // no Enter). Without an active window there is no keyboard focus to
    // type into; then the text goes to the field's caret directly.
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == field.window() && platform::sendKeystrokes(text))
        return;
    field.insertPlainText(text);
}

Separators::Separators(platform::RichTextField &field, session::Session &session, platform::Dialogs &dialogs,
                       QPushButton &separatorButton, QToolButton &clickModeButton, QObject *parent)
    : QObject(parent), m_field(field), m_session(session), m_dialogs(dialogs), m_separatorButton(separatorButton),
      m_clickModeButton(clickModeButton)
{
    connect(&m_separatorButton, &QPushButton::clicked, this, &Separators::toggleSeparators);
    connect(&m_clickModeButton, &QToolButton::clicked, this, &Separators::toggleClickMode);
    connect(&m_field, &platform::RichTextField::clicked, this, &Separators::onTextClick);
}

void Separators::addEntries(QMenu *menu)
{
    const QStringList separators{QStringLiteral("-"), QStringLiteral("="), QStringLiteral("~"), QStringLiteral("/")};
    const QStringList separatorNames{QStringLiteral("separatorHyphenEntry"), QStringLiteral("separatorEqualsEntry"),
                                     QStringLiteral("separatorTildeEntry"), QStringLiteral("separatorSlashEntry")};
    for (int i = 0; i < separators.size(); ++i) {
        const QString separator = separators[i];
        QAction *entry = addEntry(menu, separatorNames[i], QStringLiteral("Taste ") + separator);
        entry->setCheckable(true);
        entry->setChecked(i == 0);
        // The check marks follow the separator, never the click alone.
        connect(entry, &QAction::triggered, this, [this, separator] { chooseSeparator(separator); });
        m_separatorEntries.append(entry);
    }
    menu->addSeparator();

    QMenu *colours = menu->addMenu(QStringLiteral("Farbwahl"));
    colours->setObjectName(QStringLiteral("separatorColourMenu"));
    struct Choice {
        const char *name;
        QString text;
        textcore::Colour colour;
    };
    const Choice choices[] = {
        {"colourBlueEntry", QStringLiteral("blau"), textcore::rgb(0, 0, 255)},
        {"colourCyanEntry", QStringLiteral("cyan"), textcore::rgb(0, 255, 255)},
        {"colourGreyEntry", QStringLiteral("grau"), textcore::rgb(128, 128, 128)},
        {"colourGreenEntry", QStringLiteral("grün"), textcore::rgb(0, 255, 0)},
        {"colourRedEntry", QStringLiteral("r o t"), textcore::rgb(255, 0, 0)},
        {"colourBlackEntry", QStringLiteral("schwarz"), textcore::rgb(0, 0, 0)},
    };
    for (const Choice &choice : choices) {
        QAction *entry = addEntry(colours, QString::fromLatin1(choice.name), choice.text);
        entry->setCheckable(true);
        entry->setChecked(choice.colour == m_session.separator().colour);
        entry->setData(QVariant::fromValue(choice.colour));
        const textcore::Colour colour = choice.colour;
        connect(entry, &QAction::triggered, this, [this, colour] { chooseSeparatorColour(colour); });
        m_separatorColourEntries.append(entry);
    }
    menu->addSeparator();
    connect(addEntry(menu, QStringLiteral("replaceSeparatorEntry"), QStringLiteral("Ersetzen")), &QAction::triggered,
            this, &Separators::replaceBySeparator);
}

void Separators::markEntries(bool readFailed)
{
    if (readFailed) {
        m_separatorEntries.first()->setChecked(true);
        return;
    }
    // A substring test: an empty separator (a blank settings line) is
    // contained in every caption and so checks all four.
    for (QAction *entry : std::as_const(m_separatorEntries)) {
        entry->setChecked(false);
        entry->setChecked(entry->text().contains(m_session.separator().mark));
    }
}

char16_t Separators::currentMark() const
{
    return m_visible ? m_session.separator().visibleMark() : textcore::kSoftHyphen;
}

int Separators::convertBoundaries(char16_t target, bool restoreTypingColour)
{
    const std::u16string plain = m_field.text().toStdU16String();
    const textcore::BoundaryConversion conversion = textcore::ConvertBoundaries(plain, target);
    if (conversion.changedPositions.empty())
        return 0;

    // Only the boundary characters change, each keeping its font and style
    // and taking the separator colour, in one undo step. The caret stands
    // behind the last boundary, as after a replacement there. Showing and
    // hiding give the typing colour back to what that boundary had before;
    // applying leaves the separator colour.
    const std::optional<textcore::Colour> lastColour
        = m_field.replaceCharacters(conversion.changedPositions, target, m_session.separator().colour);
    if (restoreTypingColour && lastColour)
        m_field.setSelColor(*lastColour);
    return int(conversion.changedPositions.size());
}

void Separators::showSeparators()
{
    const int count = convertBoundaries(m_session.separator().visibleMark(), true);
    if (count == 0)
        m_dialogs.inform(QStringLiteral("Der Text enthält keine Trennzeichen!\r\r"), QStringLiteral("Trennzeichen"));
    m_session.workingText().buildSentenceList();
}

void Separators::hideSeparators()
{
    convertBoundaries(textcore::kSoftHyphen, true);
    m_session.workingText().buildSentenceList();
}

void Separators::applySeparator()
{
    convertBoundaries(m_session.separator().visibleMark(), false);
    m_session.workingText().buildSentenceList();
}

void Separators::prepareHandOver()
{
    // Whatever separators were typed, the other window sees soft hyphens in
    // the separator colour; the editor's activation restores the display.
    applySeparator();
    hideSeparators();
}

void Separators::hide()
{
    m_visible = false;
    m_separatorButton.setText(QStringLiteral("Trennzeichen ein"));
    hideSeparators();
}

void Separators::toggleSeparators()
{
    if (m_visible) {
        hide();
        return;
    }
    m_visible = true;
    m_separatorButton.setText(QStringLiteral("Trennzeichen aus"));
    showSeparators();
}

void Separators::chooseSeparator(const QString &separator)
{
    for (QAction *entry : std::as_const(m_separatorEntries))
        entry->setChecked(entry->text() == QStringLiteral("Taste ") + separator);
    m_session.separator().mark = separator;
    applySeparator();
}

void Separators::chooseSeparatorColour(textcore::Colour colour)
{
    for (QAction *entry : std::as_const(m_separatorColourEntries))
        entry->setChecked(entry->data().value<textcore::Colour>() == colour);
    m_session.separator().colour = colour;
    applySeparator();
}

void Separators::replaceBySeparator()
{
    const QString selection = m_field.selText();
    const textcore::ReplaceBySeparatorResult result
        = textcore::ReplaceBySeparator(m_field.text().toStdU16String(), selection.toStdU16String(),
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
        m_field.setText(QString::fromStdU16String(result.text), platform::RichTextField::History::OneStep);
        return;
    }
}

void Separators::toggleClickMode()
{
    const int width = m_clickModeButton.width();
    if (m_clickMode) {
        m_clickMode = false;
        m_clickModeButton.setText(QStringLiteral("Klickmodus ein"));
        m_clickModeButton.setIcon(QIcon());
        m_clickModeButton.resize(width, platform::twipsToPixels(kClickModeButtonHeight, platform::screenDpi()));
        emit info(QStringLiteral("Der Klickmodus für Silbenzeichen ist aus, sie können jetzt wieder Text eingeben "
                                 "oder editieren."));
        return;
    }
    if (!m_visible)
        toggleSeparators();
    m_clickMode = true;
    emit info(QStringLiteral("Der Klickmodus für Silbenzeichen ist ein, klicken Sie auf die Trennstellen im Text."));
    const int height = platform::twipsToPixels(kClickModeButtonHeightOn, platform::screenDpi());
    m_clickModeButton.resize(width, height);
    // The taller button reaches over the labels and the field's top edge;
    // it stays in front of them so its caption can be read.
    m_clickModeButton.raise();
    m_clickModeButton.setIcon(clickModePicture());
    m_clickModeButton.setIconSize(QSize(height / 2, height / 2));
    m_clickModeButton.setText(QStringLiteral("Klickmodus aus"));
}

void Separators::onTextClick()
{
    if (!m_clickMode)
        return;
    // The separator colour stays the typing colour afterwards, as the
    // click-mode hint warns.
    m_field.setSelColor(m_session.separator().colour);
    // Like a key press, the keystroke arrives once the click is handled.
    QTimer::singleShot(0, this, [this] { typeLiteral(m_field, typedSeparator(m_session.separator().mark)); });
}

} // namespace editor
