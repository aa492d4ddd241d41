#include "about/aboutwindow.h"

#include "platform/application.h"
#include "platform/twips.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>

#include <array>

namespace about {

namespace {

const QColor kBackground(192, 192, 255);
const QColor kPanel(128, 255, 255);
const QColor kBorder(128, 128, 128);
const QColor kNavy(0, 0, 128);
const QColor kOkayBlue(0, 0, 192);
// Narrow enough for the texts to fit their small labels, as they were laid out.
const QString kTextFamily = QStringLiteral("Arial");

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The filled panel behind the texts, with its two-pixel grey border.
class Panel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kBorder);
        painter.fillRect(rect().adjusted(2, 2, -2, -2), kPanel);
    }
};

// A sheet of text whose lines are coloured syllable by syllable, the way
// the program shows a text: what Kolorat is for, in one picture.
QPixmap paintPicture()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBorder, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(8.5, 2.5, 47, 59), 3, 3);
    const std::array<QColor, 2> syllable{QColor(0, 0, 0), QColor(255, 0, 0)};
    // Syllable lengths of each line, in pixels.
    const std::array<std::array<int, 3>, 6> lines{{
        {{10, 8, 14}},
        {{6, 12, 10}},
        {{14, 9, 0}},
        {{8, 8, 12}},
        {{12, 10, 6}},
        {{9, 13, 0}},
    }};
    painter.setPen(Qt::NoPen);
    int y = 9;
    for (const auto &line : lines) {
        int x = 14;
        int turn = 0;
        for (int length : line) {
            if (length == 0)
                break;
            painter.setBrush(syllable[turn++ % 2]);
            painter.drawRoundedRect(QRectF(x, y, length, 5), 1.5, 1.5);
            x += length + 1;
        }
        y += 8;
    }
    return picture;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                  const QColor &background)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    setColours(label, colour, background);
    return label;
}

void applyFont(QWidget *widget, qreal pointSize, bool bold, bool italic = false, const QString &family = QString())
{
    QFont font = widget->font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    widget->setFont(font);
}

} // namespace

AboutWindow::AboutWindow(session::Session &session, QWidget *parent) : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("ZAFLABEL"));
    setWindowTitle(QStringLiteral("olorat"));
    setWindowIcon(platform::windowIcon());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    buildControls();
}

AboutWindow::~AboutWindow() = default;

QString AboutWindow::noticeText()
{
    return QStringLiteral("Kolorat färbt deutsche Texte\n"
                          "nach Lauten oder nach Silben\n"
                          "und übt das Lesen Stück für Stück.\n"
                          "Benutzung ohne Gewähr.");
}

QString AboutWindow::authorText()
{
    return QStringLiteral("Kolorat-Entwicklerteam\nVersion " KOLORAT_VERSION);
}

void AboutWindow::buildControls()
{
    const auto place = platform::placeWidget;
    setFixedSize(platform::twipsToPixels(3510, logicalDpiX()), platform::twipsToPixels(4005, logicalDpiY()));

    // Created from back to front: later siblings are drawn on top.
    auto *panel = new Panel(this);
    panel->setObjectName(QStringLiteral("frame"));
    place(panel, 120, 120, 3255, 3015);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setAccessibleName(QStringLiteral("Bild: farbig gesetzter Text"));
    picture->setPixmap(paintPicture());
    picture->setAlignment(Qt::AlignCenter);
    place(picture, 240, 360, 975, 975);

    auto *name = makeLabel(this, "nameLabel", QStringLiteral("K o l o r a t"), kNavy, kPanel);
    name->setAccessibleDescription(QStringLiteral("Kolorat"));
    applyFont(name, 13.5, true);
    place(name, 1320, 360, 1935, 375);

    auto *project = makeLabel(this, "projectLabel", QStringLiteral("Farbige Lesehilfe"), QColor(0, 0, 0), kPanel);
    place(project, 1320, 720, 1935, 615);

    m_noticeLabel = makeLabel(this, "noticeLabel", QString(), kNavy, kPanel);
    applyFont(m_noticeLabel, 8.25, false, false, kTextFamily);
    place(m_noticeLabel, 240, 1560, 3015, 975);

    m_okayField = new QPushButton(QStringLiteral("O k a y"), this);
    m_okayField->setObjectName(QStringLiteral("okayField"));
    m_okayField->setAccessibleName(QStringLiteral("Okay"));
    m_okayField->setFlat(true);
    setColours(m_okayField, kOkayBlue, kPanel);
    applyFont(m_okayField, 21.75, true, true, QStringLiteral("Arial"));
    place(m_okayField, 240, 2520, 3015, 495);
    connect(m_okayField, &QPushButton::clicked, this, &AboutWindow::closeToEditor);

    m_authorLabel = makeLabel(this, "authorLabel", QString(), QColor(0, 0, 0), kBackground);
    applyFont(m_authorLabel, 8.25, false, false, kTextFamily);
    place(m_authorLabel, 120, 3240, 3255, 375);

    auto *web = makeLabel(this, "webLabel", QStringLiteral("Lesen mit Farben: Laute und Silben"), kNavy, kBackground);
    applyFont(web, 8.25, false, false, kTextFamily);
    place(web, 120, 3720, 3255, 255);
}

void AboutWindow::openAt(const QPoint &topLeft)
{
    move(topLeft);
    show();
    raise();
    activateWindow();
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_noticeLabel->setText(noticeText());
    m_authorLabel->setText(authorText());
}

void AboutWindow::closeToEditor()
{
    const QPoint corner = pos();
    hide();
    m_session.requests().showEditor(corner);
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    // The window lives for the whole run; the close box only hides it.
    if (!isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    closeToEditor();
}

} // namespace about
