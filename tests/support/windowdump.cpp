#include "support/windowdump.h"

#include "platform/twips.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QSaveFile>
#include <QTextEdit>
#include <QWidget>

namespace testsupport {
namespace {

QString twips(int pixels)
{
    return QString::number(platform::pixelsToTwips(pixels, platform::screenDpi()));
}

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString ownText(const QWidget &widget)
{
    if (auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    if (auto *line = qobject_cast<const QLineEdit *>(&widget))
        return line->text();
    if (auto *combo = qobject_cast<const QComboBox *>(&widget))
        return combo->currentText();
    return {};
}

// Colours and font are written where they differ from the parent's, so a
// line shows what the widget sets itself.
void describe(const QWidget &widget, QStringList &out, int depth)
{
    QStringList fields;
    fields << QString::fromLatin1(widget.metaObject()->className());
    fields << (widget.objectName().isEmpty() ? QStringLiteral("-") : widget.objectName());
    // A window's own place is the window manager's; its size and its children's places are ours.
    const QRect g = widget.geometry();
    if (widget.isWindow())
        fields << QStringLiteral("%1x%2").arg(twips(g.width()), twips(g.height()));
    else
        fields << QStringLiteral("%1,%2 %3x%4").arg(twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height()));
    if (widget.isHidden())
        fields << QStringLiteral("hidden");
    if (!widget.isEnabled())
        fields << QStringLiteral("disabled");
    const QString text = ownText(widget);
    if (!text.isEmpty())
        fields << QStringLiteral("text=") + quoted(text);
    if (!widget.accessibleName().isEmpty())
        fields << QStringLiteral("name=") + quoted(widget.accessibleName());
    if (auto *slider = qobject_cast<const QAbstractSlider *>(&widget))
        fields << QStringLiteral("range=%1..%2 value=%3")
                      .arg(slider->minimum())
                      .arg(slider->maximum())
                      .arg(slider->value());
    if (auto *list = qobject_cast<const QListWidget *>(&widget))
        fields << QStringLiteral("items=%1").arg(list->count());
    if (auto *edit = qobject_cast<const QTextEdit *>(&widget); edit && edit->isReadOnly())
        fields << QStringLiteral("readonly");
    // Only what the widget sets itself: inherited and platform defaults differ between machines.
    const QPalette &p = widget.palette();
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText, QPalette::Base,
                      QPalette::Text}) {
        if (widget.testAttribute(Qt::WA_SetPalette) && p.isBrushSet(QPalette::Active, role))
            fields << QStringLiteral("%1=%2").arg(
                QString::fromLatin1(QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role)), p.color(role).name());
    }
    if (widget.autoFillBackground())
        fields << QStringLiteral("filled");
    const QFont &f = widget.font();
    if (widget.testAttribute(Qt::WA_SetFont))
        fields << QStringLiteral("font=%1/%2%3%4")
                      .arg(f.family())
                      .arg(f.pointSizeF())
                      .arg(f.bold() ? QStringLiteral("/bold") : QString())
                      .arg(f.italic() ? QStringLiteral("/italic") : QString());
    out << QString(depth * 2, QLatin1Char(' ')) + fields.join(QLatin1Char(' '));
    for (QObject *child : widget.children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && !w->isWindow() && !qobject_cast<QMenu *>(w))
            describe(*w, out, depth + 1);
    }
}

void describeActions(const QList<QAction *> &actions, QStringList &out, int depth)
{
    for (const QAction *action : actions) {
        QStringList fields;
        if (action->isSeparator()) {
            out << QString(depth * 2, QLatin1Char(' ')) + QStringLiteral("----");
            continue;
        }
        fields << (action->objectName().isEmpty() ? QStringLiteral("-") : action->objectName())
               << quoted(action->text());
        if (!action->shortcut().isEmpty())
            fields << QStringLiteral("key=") + action->shortcut().toString(QKeySequence::PortableText);
        if (action->isCheckable())
            fields << (action->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
        if (!action->isEnabled())
            fields << QStringLiteral("disabled");
        if (!action->isVisible())
            fields << QStringLiteral("hidden");
        out << QString(depth * 2, QLatin1Char(' ')) + fields.join(QLatin1Char(' '));
        if (action->menu())
            describeActions(action->menu()->actions(), out, depth + 1);
    }
}

} // namespace

QString dumpWindow(const QWidget &window)
{
    QStringList out;
    out << QStringLiteral("title=") + quoted(window.windowTitle());
    describe(window, out, 0);
    for (const QMenuBar *bar : window.findChildren<QMenuBar *>()) {
        out << QStringLiteral("menus of ") + bar->objectName();
        describeActions(bar->actions(), out, 1);
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool matchesGolden(const QString &text, const QString &name, QString *difference)
{
    const QString path = QStringLiteral(KOLORAT_TEST_DATA "/windows/") + name + QStringLiteral(".txt");
    if (qEnvironmentVariableIsSet("KOLORAT_REGENERATE")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
            *difference = QStringLiteral("cannot write ") + path;
            return false;
        }
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *difference = QStringLiteral("no golden file ") + path + QStringLiteral(" (KOLORAT_REGENERATE=1 writes it)");
        return false;
    }
    const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < qMax(expected.size(), actual.size()); ++i) {
        const QString want = expected.value(i, QStringLiteral("<end>"));
        const QString got = actual.value(i, QStringLiteral("<end>"));
        if (want != got) {
            *difference = QStringLiteral("%1:%2\n  expected: %3\n  actual:   %4").arg(path).arg(i + 1).arg(want, got);
            return false;
        }
    }
    return true;
}

} // namespace testsupport
