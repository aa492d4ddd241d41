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
    if (rate == rate_)
        return;
    rate_ = rate;
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
    : QObject(parent), engine_(engine), dialogs_(dialogs), field_(field)
{
    // The engine is shared: only the window that is speaking listens.
    connect(&engine_, &SpeechEngine::wordStarted, this, [this](qsizetype start, qsizetype length) {
        if (active_)
            markWord(start, length);
    });
    connect(&engine_, &SpeechEngine::finished, this, [this] {
        if (active_)
            end();
    });
    connect(&engine_, &SpeechEngine::failed, this, [this](SpeechFailure failure) {
        if (!active_)
            return;
        end();
        dialogs_.inform(speechFailureMessage(failure), QStringLiteral("Vorlesen"), Icon::Exclamation);
    });
}

void ReadAloud::toggle(const textcore::SpeechPiece &piece)
{
    if (active_) {
        stop();
        return;
    }
    if (piece.empty())
        return;
    // Another window's speaking ends here, before this one starts.
    engine_.stop();
    piece_ = piece;
    active_ = true;
    emit speakingChanged(true);
    engine_.speak(piece_.spoken, piece_.phonemes);
}

void ReadAloud::stop()
{
    if (!active_)
        return;
    engine_.stop();
    // An engine that reported nothing more still leaves this field quiet.
    if (active_)
        end();
}

void ReadAloud::markWord(qsizetype start, qsizetype length)
{
    if (start < 0 || length <= 0)
        return;
    mark_ = piece_.Shown(std::size_t(start), std::size_t(length));
    showMark();
}

void ReadAloud::end()
{
    active_ = false;
    mark_.reset();
    showMark();
    emit speakingChanged(false);
}

void ReadAloud::showMark()
{
    QList<QTextEdit::ExtraSelection> selections;
    if (mark_) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(field_.document());
        const int start = field_.documentPosition(int(mark_->start));
        const int end = field_.documentPosition(int(mark_->start + mark_->length));
        mark.cursor.setPosition(start);
        mark.cursor.setPosition(end, QTextCursor::KeepAnchor);
        // A tint over whatever background the field has; the text keeps
        // its own colour.
        mark.format.setBackground(QColor(255, 230, 0, 90));
        mark.format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        selections << mark;
    }
    field_.setExtraSelections(selections);
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
