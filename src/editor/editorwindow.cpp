#include "editor/editorwindow.h"

#include "editor/filebrowser.h"
#include "editor/saving.h"
#include "editor/separators.h"
#include "editor/welcometext.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/filelistbox.h"
#include "platform/richtextfield.h"
#include "platform/twips.h"
#include "session/session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace editor {

namespace {

const QColor kWindowBack(192, 192, 255);
const QColor kLightCyan(128, 255, 255);

struct Place {
    int left, top, width, height;
};

// The window's controls in twips, relative to the client area.
constexpr Place kInfoIcon{120, 120, 495, 495};
constexpr Place kInfoField{720, 120, 7695, 495};
constexpr Place kLogo{8760, 0, 495, 495};
constexpr Place kTitle{9240, 0, 1575, 495};
constexpr Place kSubtitle{8640, 480, 2175, 255};
constexpr Place kFilterRtf{120, 960, 735, 315};
constexpr Place kFilterAll{840, 960, 495, 315};
constexpr Place kFilterTxt{1320, 960, 735, 315};
constexpr Place kFontSizes{2160, 960, 735, 315};
constexpr Place kFontNames{3000, 960, 2655, 315};
constexpr Place kStyles{5760, 960, 1095, 315};
constexpr Place kClickModeButton{6960, 960, 1815, 315};
constexpr Place kSeparatorButton{8880, 960, 1815, 315};
constexpr Place kFilesLabel{120, 1440, 1935, 255};
constexpr Place kTextLabel{2160, 1440, 2175, 255};
constexpr Place kFolderLabel{4320, 1440, 6375, 255};
constexpr Place kFiles{120, 1680, 1935, 6465};
constexpr Place kField{2160, 1680, 8535, 6465};
constexpr int kWindowWidth = 10900;
constexpr int kWindowHeight = 8900;

void place(QWidget *widget, const Place &p)
{
    platform::placeWidget(widget, p.left, p.top, p.width, p.height);
}

int pixels(int twips)
{
    return platform::twipsToPixels(twips, platform::screenDpi());
}

QString colourCss(const QColor &c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

EditorWindow::EditorWindow(session::Session &session, platform::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form0"));
    setWindowTitle(QStringLiteral("olorat: Editor"));
    setWindowIcon(platform::windowIcon());
    m_endProgram = [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    };

    // LoadWindow: size, centred place, browser pattern and current folder.
    createWidgets();
    createParts();
    placeWidgets();
    setupFileActions();
    setupExtrasActions();
    setupWindowActions();
    setupSeparatorActions();
    setupHelpActions();
    platform::centreWindow(this, kWindowWidth, kWindowHeight);
    m_folderLabel->setText(m_session.folder());

    m_startUpTimer.setSingleShot(true);
    m_startUpTimer.setInterval(100);
    connect(&m_startUpTimer, &QTimer::timeout, this, &EditorWindow::startUpStep);
    m_startUpTimer.start();
}

EditorWindow::~EditorWindow()
{
    m_session.workingText().detach();
}

void EditorWindow::setWindowHooks(const WindowHooks &hooks)
{
    m_hooks = hooks;
    updateHookedEntries();
}

void EditorWindow::setEndProgram(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void EditorWindow::setPrinter(platform::Printer *printer)
{
    m_saving->setPrinter(printer);
}

void EditorWindow::createParts()
{
    m_separators = new Separators(*m_field, m_session, m_dialogs, *m_separatorButton, *m_clickModeButton, this);
    m_fileBrowser = new FileBrowser(*m_files, {m_filterRtf, m_filterAll, m_filterTxt}, *m_field, m_session, m_dialogs,
                                    *m_separators, this);
    m_saving = new Saving(*m_field, m_session, m_dialogs, *m_separators, *m_fileBrowser, this);
    connect(m_separators, &Separators::info, this, &EditorWindow::setInfo);
    connect(m_fileBrowser, &FileBrowser::info, this, &EditorWindow::setInfo);
    connect(m_saving, &Saving::info, this, &EditorWindow::setInfo);
}

void EditorWindow::createWidgets()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setAutoFillBackground(true);
    QPalette back = central->palette();
    back.setColor(QPalette::Window, kWindowBack);
    central->setPalette(back);
    setCentralWidget(central);

    const QString cyanBack = QStringLiteral("background-color: %1;").arg(colourCss(kLightCyan));

    m_infoIcon = makeLabel(central, QStringLiteral("infobild"), QString());
    m_infoIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(pixels(kInfoIcon.width)));
    m_infoIcon->setAccessibleName(QStringLiteral("Hinweis zum Infofeld"));
    m_infoIcon->setToolTip(QStringLiteral("Infofeld"));
    m_infoIcon->installEventFilter(this);

    m_infoField = makeLabel(central, QStringLiteral("infofeld"), QString());
    setInfo(QStringLiteral("Dieses Infofeld können Sie unter 'EXTRAS' abschalten!"));
    m_infoField->setWordWrap(true);
    m_infoField->setStyleSheet(QStringLiteral("color: %1; %2").arg(colourCss(QColor(0, 0, 192)), cyanBack));
    QFont infoFont(QStringLiteral("MS Sans Serif"));
    infoFont.setPointSizeF(9.75);
    infoFont.setBold(true);
    m_infoField->setFont(infoFont);
    // The hint itself is what a screen reader reads; the role goes beside it.
    m_infoField->setAccessibleDescription(QStringLiteral("Infofeld"));

    m_logo = makeLabel(central, QStringLiteral("Picture1"), QString());
    m_logo->setPixmap(platform::windowIcon().pixmap(pixels(kLogo.width)));
    m_logo->setAccessibleName(QStringLiteral("Kolorat-Zeichen"));
    m_logo->installEventFilter(this);

    const QString blueOnCyan = QStringLiteral("color: %1; %2").arg(colourCss(QColor(0, 0, 255)), cyanBack);
    m_title = makeLabel(central, QStringLiteral("titleLabel"), QStringLiteral("olorat"));
    QFont titleFont(QStringLiteral("Verdana"));
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(blueOnCyan);
    m_subtitle = makeLabel(central, QStringLiteral("subtitleLabel"), QStringLiteral("Farbige Lesehilfe"));
    m_subtitle->setStyleSheet(blueOnCyan);

    auto makeButton = [central](const QString &name, const QString &text) {
        auto *button = new QPushButton(text, central);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    m_filterRtf = makeButton(QStringLiteral("filterRtfButton"), QStringLiteral("*.RTF"));
    m_filterAll = makeButton(QStringLiteral("filterAllButton"), QStringLiteral("*.*"));
    m_filterTxt = makeButton(QStringLiteral("filterTxtButton"), QStringLiteral("*.TXT"));

    const QString boxStyle = QStringLiteral("QComboBox { color: %1; %2 }").arg(colourCss(QColor(0, 0, 128)), cyanBack);
    auto makeBox = [&](const QString &name, const QString &accessible) {
        auto *box = new QComboBox(central);
        box->setObjectName(name);
        box->setStyleSheet(boxStyle);
        box->setAccessibleName(accessible);
        return box;
    };
    m_fontSizes = makeBox(QStringLiteral("FontSizes"), QStringLiteral("Schriftgröße"));
    m_fontNames = makeBox(QStringLiteral("EditorFonts"), QStringLiteral("Schriftart"));
    m_styles = makeBox(QStringLiteral("Styles"), QStringLiteral("Schriftstil"));
    // Only a choice of the user applies a box; filling them at start-up must not.
    connect(m_fontSizes, &QComboBox::activated, this, &EditorWindow::applyFontSize);
    connect(m_fontNames, &QComboBox::activated, this, &EditorWindow::applyFontName);
    connect(m_styles, &QComboBox::activated, this, &EditorWindow::applyStyle);

    m_clickModeButton = new QToolButton(central);
    m_clickModeButton->setObjectName(QStringLiteral("clickModeButton"));
    m_clickModeButton->setText(QStringLiteral("Klickmodus ein"));
    m_clickModeButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_separatorButton = makeButton(QStringLiteral("separatorButton"), QStringLiteral("Trennzeichen ein"));

    m_filesLabel = makeLabel(central, QStringLiteral("filesLabel"), QStringLiteral("Dateiauswahl:"));
    m_textLabel = makeLabel(central, QStringLiteral("textLabel"), QStringLiteral("Aktueller Text:"));
    m_folderLabel = makeLabel(central, QStringLiteral("folderLabel"), QString());

    m_files = new platform::FileListBox(central);
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setAccessibleName(QStringLiteral("Dateiauswahl"));
    m_files->setStyleSheet(QStringLiteral("color: %1; %2").arg(colourCss(QColor(0, 0, 128)), cyanBack));

    m_field = new platform::RichTextField(central);
    m_field->setObjectName(QStringLiteral("RichTextBox1"));
    m_field->setAccessibleName(QStringLiteral("Aktueller Text"));
    m_session.workingText().attach(*m_field);
    // The word marks would no longer match the text.
    connect(m_field, &platform::RichTextField::changed, this, &EditorWindow::stopReading);

    // The window sees every key before its controls.
    for (QWidget *w : central->findChildren<QWidget *>())
        w->installEventFilter(this);
}

void EditorWindow::placeWidgets()
{
    place(m_infoIcon, kInfoIcon);
    place(m_infoField, kInfoField);
    place(m_logo, kLogo);
    place(m_title, kTitle);
    place(m_subtitle, kSubtitle);
    place(m_filterRtf, kFilterRtf);
    place(m_filterAll, kFilterAll);
    place(m_filterTxt, kFilterTxt);
    place(m_fontSizes, kFontSizes);
    place(m_fontNames, kFontNames);
    place(m_styles, kStyles);
    place(m_clickModeButton, kClickModeButton);
    place(m_separatorButton, kSeparatorButton);
    place(m_filesLabel, kFilesLabel);
    place(m_textLabel, kTextLabel);
    place(m_folderLabel, kFolderLabel);
    place(m_files, kFiles);
    place(m_field, kField);
}

void EditorWindow::setInfo(const QString &text)
{
    // Hints break their lines with CR; the label breaks at line feeds.
    m_infoField->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void EditorWindow::setHelpTipsShown(bool shown)
{
    m_helpTipsShown = shown;
    m_helpTipsEntry->setChecked(shown);
    m_infoField->setVisible(shown);
    m_infoIcon->setVisible(shown);
}

void EditorWindow::showInfoNote()
{
    m_dialogs.inform(QStringLiteral("Dieses Infofeld können Sie unter 'Extras' ausschalten.\r\r"),
                     QStringLiteral("Infofeld"));
}

void EditorWindow::startUpStep()
{
    m_startUpTimer.stop();
    readSettings();
    showWelcomeText();
    m_separators->hide();
}

void EditorWindow::showWelcomeText()
{
    m_field->setText(QString());

    m_fontSizes->clear();
    for (int size = 10; size <= 48; size += 2)
        m_fontSizes->addItem(QString::number(size));
    m_fontSizes->setCurrentIndex(0);
    m_field->setFieldFontSize(m_fontSizes->itemText(0).toDouble());

    m_fontNames->clear();
    m_fontNames->addItems(m_editorFonts);
    m_fontNames->setCurrentIndex(0);
    m_field->setFieldFontName(m_editorFonts.value(0, QStringLiteral("Arial")));

    m_styles->clear();
    m_styles->addItems({QStringLiteral("fett"), QStringLiteral("kursiv"), QStringLiteral("normal")});
    m_styles->setCurrentIndex(2);
    m_field->setSelBold(false);
    m_field->setSelItalic(false);

    m_field->setText(welcomeText());
    setInfo(QStringLiteral("Löschen Sie entweder das Textfeld oder laden Sie eine Datei oder fügen Sie Text "
                           "über die Zwischenablage ein."));
}

void EditorWindow::applyFontSize(int index)
{
    m_field->setFontForAll(QString(), m_fontSizes->itemText(index).toDouble());
    m_field->setFocus();
}

void EditorWindow::applyFontName(int index)
{
    m_field->setFontForAll(m_fontNames->itemText(index), 0);
    m_field->setFocus();
}

void EditorWindow::applyStyle(int index)
{
    // "fett" and "kursiv" add to what the text has; "normal" takes both away.
    if (index == 0)
        m_field->setStyleForAll(true, std::nullopt);
    else if (index == 1)
        m_field->setStyleForAll(std::nullopt, true);
    else
        m_field->setStyleForAll(false, false);
    m_field->setFocus();
}

bool EditorWindow::confirmExit()
{
    if (!m_dialogs.ask(QStringLiteral("Das Programm jetzt beenden?\r\r"), QStringLiteral("Kolorat")))
        return false;
    writeSettings();
    m_exitConfirmed = true;
    m_endProgram();
    return true;
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (m_exitConfirmed || confirmExit())
        event->accept();
    else
        event->ignore();
}

void EditorWindow::onActivate()
{
    if (m_separators->visible())
        m_separators->hide();
}

void EditorWindow::showEditor(std::optional<QPoint> topLeft)
{
    if (topLeft)
        move(*topLeft);
    refreshEditorFonts();
    show();
    raise();
    activateWindow();
    // Another window used the WorkingText in its hand-over form; come back
    // to the hidden separators the teacher sees after every hand-over.
    onActivate();
}

void EditorWindow::refreshEditorFonts()
{
    // The font window may have changed the offered fonts while the editor
    // was hidden; the teacher expects to find them in the font box at once.
    const QStringList fonts = m_session.fonts().fontListEntries();
    if (fonts == m_editorFonts)
        return;
    const QString current = m_fontNames->currentText();
    m_editorFonts = fonts;
    m_fontNames->clear();
    m_fontNames->addItems(m_editorFonts);
    m_fontNames->setCurrentIndex(std::max<qsizetype>(0, m_editorFonts.indexOf(current)));
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && stopReading())
        return true;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Insert) {
        // Insert types a hyphen; the key itself still reaches the control.
        typeLiteral(*m_field, QStringLiteral("-"));
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_infoIcon)
            showInfoNote();
        else if (watched == m_logo)
            showAuthorNote();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace editor
