#include "platform/filelistbox.h"

#include <QDir>
#include <QMouseEvent>
#include <QRegularExpression>

#include <algorithm>

namespace platform {

namespace {

// "*" is any run of characters, "?" any one character; everything else,
// brackets included, stands for itself, as in the file dialogs of old.
QString wildcardExpression(const QString &wildcard)
{
    QString expression = QStringLiteral("\\A");
    for (const QChar c : wildcard) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return expression + QStringLiteral("\\z");
}

} // namespace

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent), m_path(QDir::currentPath())
{
    setAccessibleName(QStringLiteral("Dateiauswahl"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection, not the current row: getting the focus makes the first
    // row current without choosing it, and that must not load a file.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_quiet)
            emit fileClicked();
    });
    refresh();
}

void FileListBox::setPath(const QString &folder)
{
    m_path = folder;
    refresh();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileListBox::refresh()
{
    QDir dir(m_path);
    const QStringList entries = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    m_quiet = true;
    clear();
    addItems(matching(entries, m_pattern));
    setCurrentRow(-1);
    m_quiet = false;
}

void FileListBox::mousePressEvent(QMouseEvent *event)
{
    const int before = selectedIndex();
    QListWidget::mousePressEvent(event);
    // A click on the entry that is already chosen chooses it again.
    const QListWidgetItem *hit = itemAt(event->position().toPoint());
    if (before >= 0 && hit && row(hit) == before && selectedIndex() == before)
        emit fileClicked();
}

QStringList FileListBox::fileNames() const
{
    QStringList names;
    names.reserve(count());
    for (int i = 0; i < count(); ++i)
        names.append(item(i)->text());
    return names;
}

QString FileListBox::fileName(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

int FileListBox::selectedIndex() const
{
    const QList<QListWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

void FileListBox::setSelectedIndex(int index)
{
    m_quiet = true;
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
    m_quiet = false;
    emit fileClicked();
}

QStringList FileListBox::matching(const QStringList &entries, const QString &pattern)
{
    QList<QRegularExpression> wildcards;
    for (const QString &part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (trimmed.isEmpty())
            continue;
        // "*.*" also lists names without a dot, as file dialogs always have.
        const QString effective = trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed;
        wildcards.append(QRegularExpression(wildcardExpression(effective), QRegularExpression::CaseInsensitiveOption));
    }
    QStringList result;
    for (const QString &name : entries) {
        for (const QRegularExpression &wildcard : wildcards) {
            if (wildcard.match(name).hasMatch()) {
                result.append(name);
                break;
            }
        }
    }
    std::sort(result.begin(), result.end(), [](const QString &a, const QString &b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return result;
}

} // namespace platform
