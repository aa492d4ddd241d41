#include "support/windowdump.h"

#include "support/doubles.h"

#include "platform/twips.h"

#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QSaveFile>
#include <QTextEdit>

namespace testsupport {
namespace {

QString twips(int pixels)
{
    return QString::number(platform::pixelsToTwips(pixels, platform::screenDpi()));
}

void flag(QStringList &fields, bool set, const QString &field)
{
    if (set)
        fields << field;
}

void describe(const QWidget &widget, QStringList &out, int depth)
{
    QStringList fields{QString::fromLatin1(widget.metaObject()->className()),
                       widget.objectName().isEmpty() ? QStringLiteral("-") : widget.objectName()};
    // A window's own place is the window manager's; its size and its children's places are ours.
    const QRect g = widget.geometry();
    fields << (widget.isWindow() ? QString() : QStringLiteral("%1,%2 ").arg(twips(g.x()), twips(g.y())))
            + QStringLiteral("%1x%2").arg(twips(g.width()), twips(g.height()));
    flag(fields, widget.isHidden(), QStringLiteral("hidden"));
    flag(fields, !widget.isEnabled(), QStringLiteral("disabled"));
    // Labels, buttons and line edits have a text; a combo box shows its current one.
    const QString text = qobject_cast<const QComboBox *>(&widget) ? widget.property("currentText").toString()
                                                                  : widget.property("text").toString();
    flag(fields, !text.isEmpty(), QStringLiteral("text=") + quoted(text));
    flag(fields, !widget.accessibleName().isEmpty(), QStringLiteral("name=") + quoted(widget.accessibleName()));
    if (auto *slider = qobject_cast<const QAbstractSlider *>(&widget))
        fields << QStringLiteral("range=%1..%2 value=%3")
                      .arg(slider->minimum())
                      .arg(slider->maximum())
                      .arg(slider->value());
    if (auto *list = qobject_cast<const QListWidget *>(&widget))
        fields << QStringLiteral("items=%1").arg(list->count());
    auto *edit = qobject_cast<const QTextEdit *>(&widget);
    flag(fields, edit && edit->isReadOnly(), QStringLiteral("readonly"));
    // Only what the widget sets itself: inherited and platform defaults differ between machines.
    const QPalette &p = widget.palette();
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText, QPalette::Base,
                      QPalette::Text})
        flag(fields, widget.testAttribute(Qt::WA_SetPalette) && p.isBrushSet(QPalette::Active, role),
             QStringLiteral("%1=%2").arg(QLatin1String(QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role)),
                                         p.color(role).name()));
    flag(fields, widget.autoFillBackground(), QStringLiteral("filled"));
    const QFont &f = widget.font();
    flag(fields, widget.testAttribute(Qt::WA_SetFont),
         QStringLiteral("font=%1/%2%3%4")
             .arg(f.family())
             .arg(f.pointSizeF())
             .arg(f.bold() ? QStringLiteral("/bold") : QString())
             .arg(f.italic() ? QStringLiteral("/italic") : QString()));
    out << QString(depth * 2, QLatin1Char(' ')) + fields.join(QLatin1Char(' '));
    for (QObject *child : widget.children())
        if (auto *w = qobject_cast<QWidget *>(child); w && !w->isWindow() && !qobject_cast<QMenu *>(w))
            describe(*w, out, depth + 1);
}

void describeActions(const QList<QAction *> &actions, QStringList &out, int depth)
{
    for (const QAction *action : actions) {
        if (action->isSeparator()) {
            out << QString(depth * 2, QLatin1Char(' ')) + QStringLiteral("----");
            continue;
        }
        QStringList fields{action->objectName().isEmpty() ? QStringLiteral("-") : action->objectName(),
                           quoted(action->text())};
        flag(fields, action->isCheckable(),
             action->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
        flag(fields, !action->isEnabled(), QStringLiteral("disabled"));
        flag(fields, !action->isVisible(), QStringLiteral("hidden"));
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

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QChar::ParagraphSeparator, QLatin1String("\\p"));
    text.replace(QChar(0xAD), QLatin1Char('|'));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString dialogTranscript(const QList<DialogCall> &calls)
{
    static const char *const answers[] = {"Ok", "Yes", "No"};
    static const char *const icons[] = {"no icon", "question", "information", "exclamation", "critical"};
    QString text;
    for (const DialogCall &call : calls) {
        if (call.kind == DialogCall::Kind::Input)
            text += QStringLiteral("input [%1] %2 proposing %3 -> %4")
                        .arg(call.title, quoted(call.prompt), quoted(call.proposed),
                             quoted(std::get<QString>(call.answer)));
        else
            text += QStringLiteral("%1 [%2] %3, %4 -> %5")
                        .arg(call.buttons == Buttons::Ok
                                 ? QStringLiteral("ok")
                                 : QStringLiteral("yes/no default ") + QLatin1String(answers[int(call.defaultButton)]),
                             call.title, quoted(call.prompt), QLatin1String(icons[int(call.icon)]),
                             QLatin1String(answers[int(std::get<Answer>(call.answer))]));
        text += call.unexpected ? QStringLiteral(" UNEXPECTED\n") : QStringLiteral("\n");
    }
    return text;
}

bool matchesDataFile(const QString &text, const QString &name, QString *difference)
{
    const QString path = QStringLiteral(KOLORAT_TEST_DATA "/") + name + QStringLiteral(".txt");
    if (qEnvironmentVariableIsSet("KOLORAT_REGENERATE")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit())
            return true;
        *difference = QStringLiteral("cannot write ") + path;
        return false;
    }
    QFile file(path);
    const QStringList expected = file.open(QIODevice::ReadOnly)
        ? QString::fromUtf8(file.readAll()).split(u'\n')
        : QStringList{QStringLiteral("<no file; KOLORAT_REGENERATE=1 writes it>")};
    const QStringList actual = text.split(u'\n');
    for (qsizetype i = 0; i < qMax(expected.size(), actual.size()); ++i) {
        const QString want = expected.value(i, QStringLiteral("<end>")), got = actual.value(i, QStringLiteral("<end>"));
        if (want != got) {
            *difference = QStringLiteral("%1:%2\n  expected: %3\n  actual:   %4").arg(path).arg(i + 1).arg(want, got);
            return false;
        }
    }
    return true;
}

} // namespace testsupport
