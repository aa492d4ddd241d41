#pragma once
// The file browser: the files of one folder whose names match a pattern
// list such as "*.RTF;*.TXT", case-insensitively, sorted by name.
#include <QListWidget>
#include <QStringList>

namespace platform {

class FileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    // The folder shown; setting it reads the folder again.
    QString path() const { return m_path; }
    void setPath(const QString &folder);

    // Patterns separated by ";" ("*.RTF;*.TXT", "*.*"); "*" and "?" are
    // wildcards. Setting the pattern reads the folder again, even when it
    // does not change.
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);

    // Reads the folder again under the current pattern; the selection is lost.
    void refresh();

    // The names shown, in order, without path.
    QStringList fileNames() const;
    int fileCount() const { return count(); }
    QString fileName(int index) const;

    // -1 when nothing is selected. Setting -1 clears the selection.
    int selectedIndex() const;
    void setSelectedIndex(int index);

    // The names of `entries` that match `pattern`, sorted by name without
    // regard to case (names equal but for case keep a fixed order).
    static QStringList matching(const QStringList &entries, const QString &pattern);

signals:
    // The user chose an entry with the mouse (also clicking the chosen one
    // again) or the keys; also raised once by
    // every setSelectedIndex, -1 included. Not raised by refresh().
    void fileClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_quiet = false;
};

} // namespace platform
