#include "fonts/fontselectionwindow.h"

#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/timers.h"
#include "platform/twips.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace fonts {

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kVerdana = QStringLiteral("Verdana");
const QString kHint = QStringLiteral("Geduld, die Schriften werden geladen ...");
const QString kSampleText = QStringLiteral("Beispieltext");
constexpr qreal kSamplePointSize = 18;

const QColor kBackground(192, 192, 255);
const QColor kSystemListColour(192, 255, 255);
const QColor kOfferedListColour(192, 255, 192);

QStringList installedFamilies()
{
    return QFontDatabase::families();
}

void paintBase(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void selectRow(QListWidget *list, int row)
{
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

} // namespace

FontSelectionWindow::FontSelectionWindow(session::Session &session, platform::Dialogs &dialogs,
                                         platform::Timers &timers, FontSource installedFonts, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_offered(session.fonts()), m_dialogs(dialogs), m_timers(timers),
      m_installedFonts(installedFonts ? std::move(installedFonts) : FontSource(installedFamilies)),
      m_rightFontName(kArial)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("olorat:  Schriftauswahl"));
    setWindowIcon(platform::windowIcon());

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    platform::centreWindow(this, 9255, 6345);
    setFixedSize(size());
    buildControls();
    resetFixedLists();
    refreshOfferedList();
}

FontSelectionWindow::~FontSelectionWindow() = default;

void FontSelectionWindow::buildControls()
{
    const auto place = platform::placeWidget;
    m_cancelButton = new QPushButton(QStringLiteral("Abbruch"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    place(m_cancelButton, 120, 120, 1215, 375);
    connect(m_cancelButton, &QPushButton::clicked, this, &FontSelectionWindow::leave);

    m_applyButton = new QPushButton(QStringLiteral("Schriftauswahl übernehmen"), this);
    m_applyButton->setObjectName(QStringLiteral("applyButton"));
    place(m_applyButton, 1440, 120, 2655, 375);
    connect(m_applyButton, &QPushButton::clicked, this, &FontSelectionWindow::apply);

    m_hintLabel = new QLabel(this);
    m_hintLabel->setObjectName(QStringLiteral("hintLabel"));
    m_hintLabel->setAccessibleDescription(QStringLiteral("Hinweis"));
    place(m_hintLabel, 4200, 120, 5055, 375);
    {
        // Arial, so that the hint fits the label on every system.
        QFont font(kArial);
        font.setPointSizeF(12);
        font.setBold(true);
        m_hintLabel->setFont(font);
        QPalette palette = m_hintLabel->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        m_hintLabel->setPalette(palette);
    }

    const auto makeList = [&](const char *name, const QString &accessibleName, const QColor &colour) {
        auto *list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setAccessibleName(accessibleName);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        paintBase(list, colour);
        return list;
    };
    m_systemList = makeList("systemFontList", QStringLiteral("Installierte Schriften"), kSystemListColour);
    place(m_systemList, 120, 840, 3975, 4830);
    m_arialList = makeList("arialList", QStringLiteral("Feste Schrift Arial"), kOfferedListColour);
    place(m_arialList, 5160, 840, 3975, 270);
    m_verdanaList = makeList("verdanaList", QStringLiteral("Feste Schrift Verdana"), kOfferedListColour);
    place(m_verdanaList, 5160, 1080, 3975, 270);
    m_offeredList = makeList("offeredFontList", QStringLiteral("Angebotene Schriften"), kOfferedListColour);
    place(m_offeredList, 5160, 1320, 3975, 4350);
    // The one-entry lists are just high enough for their entry.
    for (QListWidget *fixed : {m_arialList, m_verdanaList}) {
        fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    connect(m_systemList, &QListWidget::itemSelectionChanged, this, &FontSelectionWindow::onSystemSelection);
    for (QListWidget *right : {m_arialList, m_verdanaList, m_offeredList})
        connect(right, &QListWidget::itemSelectionChanged, this, [this, right] { onRightSelection(right); });

    m_addButton = new QPushButton(QStringLiteral(">>"), this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setAccessibleName(QStringLiteral("Schrift hinzufügen"));
    place(m_addButton, 4320, 2880, 615, 495);
    connect(m_addButton, &QPushButton::clicked, this, &FontSelectionWindow::addSelectedFont);

    m_removeButton = new QPushButton(QStringLiteral("<<"), this);
    m_removeButton->setObjectName(QStringLiteral("removeButton"));
    m_removeButton->setAccessibleName(QStringLiteral("Schrift entfernen"));
    place(m_removeButton, 4320, 3600, 615, 495);
    connect(m_removeButton, &QPushButton::clicked, this, &FontSelectionWindow::removeSelectedFont);

    const auto makeSample = [&](const char *name, const QString &description) {
        auto *sample = new QLabel(kSampleText, this);
        sample->setObjectName(QString::fromLatin1(name));
        // A screen reader reads the sample text itself.
        sample->setAccessibleDescription(description);
        sample->setAlignment(Qt::AlignCenter);
        sample->setFrameStyle(QFrame::Box | QFrame::Plain);
        return sample;
    };
    m_leftSample = makeSample("leftSample", QStringLiteral("Beispiel der installierten Schrift"));
    place(m_leftSample, 120, 5640, 3975, 495);
    m_rightSample = makeSample("rightSample", QStringLiteral("Beispiel der gewählten Schrift"));
    place(m_rightSample, 5160, 5640, 3975, 495);
    setSampleFont(m_leftSample, font().family());
    setSampleFont(m_rightSample, kArial);
}

void FontSelectionWindow::setSampleFont(QLabel *sample, const QString &family)
{
    QFont font(family);
    font.setPointSizeF(kSamplePointSize);
    font.setBold(true);
    sample->setFont(font);
}

void FontSelectionWindow::resetFixedLists()
{
    m_arialList->clear();
    m_verdanaList->clear();
    auto *arial = new QListWidgetItem(kArial, m_arialList);
    arial->setFont(QFont(kArial));
    auto *verdana = new QListWidgetItem(kVerdana, m_verdanaList);
    verdana->setFont(QFont(kVerdana));
    selectRow(m_arialList, 0);
}

void FontSelectionWindow::refreshOfferedList()
{
    // Rebuilt from the holder, so whatever changed it, the list shows it.
    // The entry chosen on the right stays chosen if it is still offered.
    const QString chosen = selectedText(m_offeredList);
    const QSignalBlocker blocker(m_offeredList);
    m_offeredList->clear();
    m_offeredList->addItems(m_offered.names);
    if (!chosen.isEmpty()) {
        const int row = int(m_offered.names.indexOf(chosen));
        if (row >= 0)
            selectRow(m_offeredList, row);
    }
}

void FontSelectionWindow::open()
{
    show();
    raise();
    activateWindow();
}

void FontSelectionWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each opening reloads the installed fonts, but only once the window
    // with its hint is on screen. A spontaneous show (the window coming back
    // from being minimised) is no opening.
    if (event->spontaneous())
        return;
    refreshOfferedList();
    m_hintLabel->setText(kHint);
    const int opening = ++m_opening;
    m_timers.singleShot(loadDelayMs, this, [this, opening] {
        if (opening == m_opening && isVisible())
            loadInstalledFonts();
    });
}

void FontSelectionWindow::loadInstalledFonts()
{
    QStringList families = m_installedFonts();
    std::sort(families.begin(), families.end(), session::OfferedFonts::sortsBefore);
    families.erase(std::unique(families.begin(), families.end()), families.end());
    m_systemList->clear();
    m_systemList->addItems(families);
    if (m_systemList->count() > 0)
        selectRow(m_systemList, 0);
    m_hintLabel->clear();
}

void FontSelectionWindow::onSystemSelection()
{
    const QString name = selectedText(m_systemList);
    if (!name.isEmpty())
        setSampleFont(m_leftSample, name);
}

void FontSelectionWindow::onRightSelection(QListWidget *chosen)
{
    const QString name = selectedText(chosen);
    if (name.isEmpty())
        return;
    // Only one font on the right is ever chosen.
    for (QListWidget *other : {m_arialList, m_verdanaList, m_offeredList}) {
        if (other != chosen) {
            const QSignalBlocker blocker(other);
            other->clearSelection();
        }
    }
    m_rightFontName = name;
    setSampleFont(m_rightSample, name);
}

void FontSelectionWindow::addSelectedFont()
{
    const QString name = selectedText(m_systemList);
    if (name.isEmpty())
        return;
    const session::OfferedFonts::AddResult result = m_offered.add(name);
    switch (result) {
    case session::OfferedFonts::AddResult::Refused: return;
    case session::OfferedFonts::AddResult::Added: refreshOfferedList(); return;
    case session::OfferedFonts::AddResult::AddedNowFull: refreshOfferedList(); break;
    case session::OfferedFonts::AddResult::AlreadyFull: break;
    }
    m_dialogs.inform(QStringLiteral("Es können maximal 18 Schriften hinzugefügt werden!\r"),
                     QStringLiteral("Schriften"));
}

void FontSelectionWindow::removeSelectedFont()
{
    const QString name = selectedText(m_offeredList);
    if (name.isEmpty())
        return;
    m_offered.remove(name);
    refreshOfferedList();
}

void FontSelectionWindow::apply()
{
    // The fields are only given the font; each window recolours its text
    // the next time it opens.
    m_session.requests().setReadingFieldsFont(m_rightFontName);
    leave();
}

void FontSelectionWindow::leave()
{
    ++m_opening;
    // The installed fonts are many; they are read again at the next opening.
    m_systemList->clear();
    hide();
    m_session.requests().showEditor(std::nullopt);
}

void FontSelectionWindow::closeEvent(QCloseEvent *event)
{
    // The close box only hides the window, so it keeps its lists.
    if (!isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    leave();
}

} // namespace fonts
