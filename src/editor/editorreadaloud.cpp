// Reading the WorkingText aloud.
#include "editor/editorwindow.h"

#include "editor/separators.h"

#include "platform/readaloud.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "textcore/readaloud.h"

#include <QMenu>

namespace editor {

void EditorWindow::setSpeech(platform::SpeechEngine *engine)
{
    // Without a voice the entries are not offered at all.
    delete m_readAloud;
    m_readAloud = nullptr;
    delete m_readAloudSeparator;
    m_readAloudSeparator = nullptr;
    delete m_readAloudEntry;
    m_readAloudEntry = nullptr;
    delete m_speechRateMenu;
    m_speechRateMenu = nullptr;
    if (!engine)
        return;
    m_readAloud = new platform::ReadAloud(*engine, m_dialogs, *m_field, this);
    m_readAloudSeparator = m_extrasMenu->addSeparator();
    m_readAloudEntry = m_extrasMenu->addAction(QStringLiteral("Vorlesen"));
    m_readAloudEntry->setObjectName(QStringLiteral("readAloudEntry"));
    connect(m_readAloudEntry, &QAction::triggered, this, &EditorWindow::readAloud);
    m_speechRateMenu = platform::ReadAloud::rateMenu(*engine, this);
    m_speechRateMenu->setObjectName(QStringLiteral("speechRateMenu"));
    m_extrasMenu->addMenu(m_speechRateMenu);
}

void EditorWindow::readAloud()
{
    if (!m_readAloud)
        return;
    if (m_readAloud->isSpeaking()) {
        m_readAloud->stop();
        return;
    }
    const std::u16string text = m_field->text().toStdU16String();
    // Visible separators are syllable marks, not text to be read.
    const std::u16string leftOut
        = m_separators->visible() ? std::u16string(1, m_session.separator().visibleMark()) : std::u16string();
    m_readAloud->toggle(textcore::SelectionSpeechPiece(text, std::size_t(m_field->selStart()),
                                                       std::size_t(m_field->selLength()), leftOut));
}

bool EditorWindow::stopReading()
{
    if (!m_readAloud || !m_readAloud->isSpeaking())
        return false;
    m_readAloud->stop();
    return true;
}

} // namespace editor
