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
    : QWidget(parent, Qt::Window), session_(session), offered_(session.fonts()), dialogs_(dialogs), timers_(timers),
      installedFonts_(installedFonts ? std::move(installedFonts) : FontSource(installedFamilies)),
      rightFontName_(kArial)
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
    cancelButton_ = new QPushButton(QStringLiteral("Abbruch"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    place(cancelButton_, 120, 120, 1215, 375);
    connect(cancelButton_, &QPushButton::clicked, this, &FontSelectionWindow::leave);

    applyButton_ = new QPushButton(QStringLiteral("Schriftauswahl übernehmen"), this);
    applyButton_->setObjectName(QStringLiteral("applyButton"));
    place(applyButton_, 1440, 120, 2655, 375);
    connect(applyButton_, &QPushButton::clicked, this, &FontSelectionWindow::apply);

    hintLabel_ = new QLabel(this);
    hintLabel_->setObjectName(QStringLiteral("hintLabel"));
    hintLabel_->setAccessibleDescription(QStringLiteral("Hinweis"));
    place(hintLabel_, 4200, 120, 5055, 375);
    {
        // Arial, so that the hint fits the label on every system.
        QFont font(kArial);
        font.setPointSizeF(12);
        font.setBold(true);
        hintLabel_->setFont(font);
        QPalette palette = hintLabel_->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        hintLabel_->setPalette(palette);
    }

    const auto makeList = [&](const char *name, const QString &accessibleName, const QColor &colour) {
        auto *list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setAccessibleName(accessibleName);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        paintBase(list, colour);
        return list;
    };
    systemList_ = makeList("systemFontList", QStringLiteral("Installierte Schriften"), kSystemListColour);
    place(systemList_, 120, 840, 3975, 4830);
    arialList_ = makeList("arialList", QStringLiteral("Feste Schrift Arial"), kOfferedListColour);
    place(arialList_, 5160, 840, 3975, 270);
    verdanaList_ = makeList("verdanaList", QStringLiteral("Feste Schrift Verdana"), kOfferedListColour);
    place(verdanaList_, 5160, 1080, 3975, 270);
    offeredList_ = makeList("offeredFontList", QStringLiteral("Angebotene Schriften"), kOfferedListColour);
    place(offeredList_, 5160, 1320, 3975, 4350);
    // The one-entry lists are just high enough for their entry.
    for (QListWidget *fixed : {arialList_, verdanaList_}) {
        fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    connect(systemList_, &QListWidget::itemSelectionChanged, this, &FontSelectionWindow::onSystemSelection);
    for (QListWidget *right : {arialList_, verdanaList_, offeredList_})
        connect(right, &QListWidget::itemSelectionChanged, this, [this, right] { onRightSelection(right); });

    addButton_ = new QPushButton(QStringLiteral(">>"), this);
    addButton_->setObjectName(QStringLiteral("addButton"));
    addButton_->setAccessibleName(QStringLiteral("Schrift hinzufügen"));
    place(addButton_, 4320, 2880, 615, 495);
    connect(addButton_, &QPushButton::clicked, this, &FontSelectionWindow::addSelectedFont);

    removeButton_ = new QPushButton(QStringLiteral("<<"), this);
    removeButton_->setObjectName(QStringLiteral("removeButton"));
    removeButton_->setAccessibleName(QStringLiteral("Schrift entfernen"));
    place(removeButton_, 4320, 3600, 615, 495);
    connect(removeButton_, &QPushButton::clicked, this, &FontSelectionWindow::removeSelectedFont);

    const auto makeSample = [&](const char *name, const QString &description) {
        auto *sample = new QLabel(kSampleText, this);
        sample->setObjectName(QString::fromLatin1(name));
        // A screen reader reads the sample text itself.
        sample->setAccessibleDescription(description);
        sample->setAlignment(Qt::AlignCenter);
        sample->setFrameStyle(QFrame::Box | QFrame::Plain);
        return sample;
    };
    leftSample_ = makeSample("leftSample", QStringLiteral("Beispiel der installierten Schrift"));
    place(leftSample_, 120, 5640, 3975, 495);
    rightSample_ = makeSample("rightSample", QStringLiteral("Beispiel der gewählten Schrift"));
    place(rightSample_, 5160, 5640, 3975, 495);
    setSampleFont(leftSample_, font().family());
    setSampleFont(rightSample_, kArial);
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
    arialList_->clear();
    verdanaList_->clear();
    auto *arial = new QListWidgetItem(kArial, arialList_);
    arial->setFont(QFont(kArial));
    auto *verdana = new QListWidgetItem(kVerdana, verdanaList_);
    verdana->setFont(QFont(kVerdana));
    selectRow(arialList_, 0);
}

void FontSelectionWindow::clearOfferedFonts()
{
    offered_.clear();
    refreshOfferedList();
}

void FontSelectionWindow::appendOfferedFont(const QString &name)
{
    if (offered_.add(name) != session::OfferedFonts::AddResult::Refused)
        refreshOfferedList();
}

void FontSelectionWindow::refreshOfferedList()
{
    // Rebuilt from the holder, so whatever changed it, the list shows it.
    // The entry chosen on the right stays chosen if it is still offered.
    const QString chosen = selectedText(offeredList_);
    const QSignalBlocker blocker(offeredList_);
    offeredList_->clear();
    offeredList_->addItems(offered_.names);
    if (!chosen.isEmpty()) {
        const int row = int(offered_.names.indexOf(chosen));
        if (row >= 0)
            selectRow(offeredList_, row);
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
    hintLabel_->setText(kHint);
    const int opening = ++opening_;
    timers_.singleShot(loadDelayMs, this, [this, opening] {
        if (opening == opening_ && isVisible())
            loadInstalledFonts();
    });
}

void FontSelectionWindow::loadInstalledFonts()
{
    QStringList families = installedFonts_();
    std::sort(families.begin(), families.end(), session::OfferedFonts::sortsBefore);
    families.erase(std::unique(families.begin(), families.end()), families.end());
    systemList_->clear();
    systemList_->addItems(families);
    if (systemList_->count() > 0)
        selectRow(systemList_, 0);
    hintLabel_->clear();
}

void FontSelectionWindow::onSystemSelection()
{
    const QString name = selectedText(systemList_);
    if (!name.isEmpty())
        setSampleFont(leftSample_, name);
}

void FontSelectionWindow::onRightSelection(QListWidget *chosen)
{
    const QString name = selectedText(chosen);
    if (name.isEmpty())
        return;
    // Only one font on the right is ever chosen.
    for (QListWidget *other : {arialList_, verdanaList_, offeredList_}) {
        if (other != chosen) {
            const QSignalBlocker blocker(other);
            other->clearSelection();
        }
    }
    rightFontName_ = name;
    setSampleFont(rightSample_, name);
}

void FontSelectionWindow::addSelectedFont()
{
    const QString name = selectedText(systemList_);
    if (name.isEmpty())
        return;
    const session::OfferedFonts::AddResult result = offered_.add(name);
    switch (result) {
    case session::OfferedFonts::AddResult::Refused: return;
    case session::OfferedFonts::AddResult::Added: refreshOfferedList(); return;
    case session::OfferedFonts::AddResult::AddedNowFull: refreshOfferedList(); break;
    case session::OfferedFonts::AddResult::AlreadyFull: break;
    }
    dialogs_.inform(QStringLiteral("Es können maximal 18 Schriften hinzugefügt werden!\r"),
                    QStringLiteral("Schriften"));
}

void FontSelectionWindow::removeSelectedFont()
{
    const QString name = selectedText(offeredList_);
    if (name.isEmpty())
        return;
    offered_.remove(name);
    refreshOfferedList();
}

void FontSelectionWindow::apply()
{
    // The fields are only given the font; each window recolours its text
    // the next time it opens.
    session_.requests().setReadingFieldsFont(rightFontName_);
    leave();
}

void FontSelectionWindow::leave()
{
    ++opening_;
    // The installed fonts are many; they are read again at the next opening.
    systemList_->clear();
    hide();
    session_.requests().showEditor(std::nullopt);
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
