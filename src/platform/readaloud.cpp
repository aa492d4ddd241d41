#include "platform/readaloud.h"

#include "platform/dialogs.h"
#include "platform/richtextfield.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <QTextCursor>

namespace platform {

namespace {

const QString kRateKey = QStringLiteral("Vorlesen/Sprechtempo");

QString rateName(textcore::SpeechRate rate)
{
    return QString::fromStdU16String(std::u16string(textcore::SpeechRateName(rate)));
}

} // namespace

SpeechEngine::~SpeechEngine() = default;

void SpeechEngine::setRate(textcore::SpeechRate rate)
{
    if (rate == m_rate)
        return;
    m_rate = rate;
    emit rateChanged(rate);
}

QString speechFailureMessage(SpeechFailure failure)
{
    switch (failure) {
    case SpeechFailure::NoGermanVoice:
        return QStringLiteral("Die deutsche Sprachausgabe ist nicht installiert.\r"
                              "Kolorat kann deshalb nicht vorlesen.\r\r");
    case SpeechFailure::NoAudioDevice:
        return QStringLiteral("Es wurde kein Lautsprecher und kein Kopfhörer gefunden.\r"
                              "Kolorat kann deshalb nicht vorlesen.\r\r");
    case SpeechFailure::AudioDeviceBusy:
        return QStringLiteral("Die Tonausgabe wird gerade von einem anderen Programm benutzt.\r"
                              "Bitte versuchen Sie es später noch einmal.\r\r");
    }
    return {};
}

ReadAloud::ReadAloud(SpeechEngine &engine, Dialogs &dialogs, RichTextField &field, QObject *parent)
    : QObject(parent), m_engine(engine), m_dialogs(dialogs), m_field(field)
{
    // The engine is shared: only the window that is speaking listens.
    connect(&m_engine, &SpeechEngine::wordStarted, this, [this](qsizetype start, qsizetype length) {
        if (m_active)
            markWord(start, length);
    });
    connect(&m_engine, &SpeechEngine::finished, this, [this] {
        if (m_active)
            end();
    });
    connect(&m_engine, &SpeechEngine::failed, this, [this](SpeechFailure failure) {
        if (!m_active)
            return;
        end();
        m_dialogs.inform(speechFailureMessage(failure), QStringLiteral("Vorlesen"), Icon::Exclamation);
    });
}

void ReadAloud::toggle(const textcore::SpeechPiece &piece)
{
    if (m_active) {
        stop();
        return;
    }
    if (piece.empty())
        return;
    // Another window's speaking ends here, before this one starts.
    m_engine.stop();
    m_piece = piece;
    m_active = true;
    emit speakingChanged(true);
    m_engine.speak(m_piece.spoken, m_piece.phonemes);
}

void ReadAloud::stop()
{
    if (!m_active)
        return;
    m_engine.stop();
    // An engine that reported nothing more still leaves this field quiet.
    if (m_active)
        end();
}

void ReadAloud::markWord(qsizetype start, qsizetype length)
{
    if (start < 0 || length <= 0)
        return;
    m_mark = m_piece.Shown(std::size_t(start), std::size_t(length));
    showMark();
}

void ReadAloud::end()
{
    m_active = false;
    m_mark.reset();
    showMark();
    emit speakingChanged(false);
}

void ReadAloud::showMark()
{
    QList<QTextEdit::ExtraSelection> selections;
    if (m_mark) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_field.document());
        const int start = m_field.documentPosition(int(m_mark->start));
        const int end = m_field.documentPosition(int(m_mark->start + m_mark->length));
        mark.cursor.setPosition(start);
        mark.cursor.setPosition(end, QTextCursor::KeepAnchor);
        // A tint over whatever background the field has; the text keeps
        // its own colour.
        mark.format.setBackground(QColor(255, 230, 0, 90));
        mark.format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        selections << mark;
    }
    m_field.setExtraSelections(selections);
}

QMenu *ReadAloud::rateMenu(SpeechEngine &engine, QWidget *parent)
{
    auto *menu = new QMenu(QStringLiteral("Sprechtempo"), parent);
    auto *group = new QActionGroup(menu);
    for (textcore::SpeechRate rate : textcore::kSpeechRates) {
        QAction *entry = menu->addAction(rateName(rate));
        entry->setObjectName(QStringLiteral("speechRate_") + rateName(rate));
        entry->setCheckable(true);
        entry->setChecked(rate == engine.rate());
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, &engine, [&engine, rate] { engine.setRate(rate); });
        QObject::connect(&engine, &SpeechEngine::rateChanged, entry,
                         [entry, rate](textcore::SpeechRate now) { entry->setChecked(now == rate); });
    }
    return menu;
}

void rememberSpeechRate(SpeechEngine &engine, QSettings *settings)
{
    settings->setParent(&engine);
    const std::optional<textcore::SpeechRate> stored
        = textcore::SpeechRateFromName(settings->value(kRateKey).toString().toStdU16String());
    if (stored)
        engine.setRate(*stored);
    QObject::connect(&engine, &SpeechEngine::rateChanged, settings, [settings](textcore::SpeechRate rate) {
        settings->setValue(kRateKey, rateName(rate));
        settings->sync();
    });
}

} // namespace platform
