#include "platform/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace platform {

bool Dialogs::ask(const QString &prompt, const QString &title, Answer defaultButton)
{
    MessageRequest request{prompt, title, Buttons::YesNo, Icon::Question, defaultButton};
    return message(request) == Answer::Yes;
}

void Dialogs::inform(const QString &prompt, const QString &title, Icon icon)
{
    message(MessageRequest{prompt, title, Buttons::Ok, icon, Answer::Ok});
}

QString promptLines(const QString &prompt)
{
    QString lines = prompt;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

Answer effectiveDefault(const MessageRequest &request)
{
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return request.defaultButton == Answer::Yes ? Answer::Yes : Answer::No;
}

QtDialogs::QtDialogs(QWidget *parent) : m_parent(parent)
{}

void QtDialogs::setParent(QWidget *parent)
{
    m_parent = parent;
}

namespace {

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Question: return QMessageBox::Question;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtDialogs::message(const MessageRequest &request)
{
    QMessageBox box(m_parent);
    // File names and user titles end up in prompts: never read them as HTML.
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(request.title);
    box.setText(promptLines(request.prompt));
    box.setIcon(qtIcon(request.icon));
    if (request.buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(effectiveDefault(request) == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &proposed)
{
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(promptLines(prompt));
    dialog.setTextValue(proposed);
    dialog.setTextEchoMode(QLineEdit::Normal);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

} // namespace platform
