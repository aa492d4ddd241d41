#pragma once
// The panel over the syllable colour window that lays the SyllableList out
// as a table in a monospaced font: the table field above a strip with the
// syllable count, the sliders "Spalten:", "Breite:", "Größe:" with their
// value labels and the button "X".
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace syllables {

class TablePanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int defaultColumns = 4;
    static constexpr int defaultWidth = 10;
    static constexpr int defaultSizeStep = 6; // font size 2 x 6 = 12 points

    explicit TablePanel(QWidget *parent = nullptr);
    ~TablePanel() override;

    // Keeps the list for the next table and shows its count; the table
    // itself changes only when it is rebuilt.
    void setSyllables(std::vector<std::u16string> list);
    const std::vector<std::u16string> &syllables() const { return m_list; }

    // Builds the table from the list and the values the "Breite:" and
    // "Spalten:" labels show.
    void rebuildTable();
    void clearTable();

    // The table field's text with CR LF line ends (what the user typed
    // into the field included).
    QString tableText() const;
    QString tableFontName() const;
    double tableFontSize() const;

    QPlainTextEdit *tableField() const { return m_tableField; }
    QSlider *columnsSlider() const { return m_columnsSlider; }
    QSlider *widthSlider() const { return m_widthSlider; }
    QSlider *sizeSlider() const { return m_sizeSlider; }
    QPushButton *closeButton() const { return m_closeButton; }

signals:
    // The button "X" was pressed.
    void closeRequested();

private:
    void buildControls();
    void onSizeChanged(int value);

    std::vector<std::u16string> m_list;
    QPlainTextEdit *m_tableField = nullptr;
    QLabel *m_countCaption = nullptr;
    QLabel *m_countLabel = nullptr;
    QSlider *m_columnsSlider = nullptr;
    QSlider *m_widthSlider = nullptr;
    QSlider *m_sizeSlider = nullptr;
    QLabel *m_columnsLabel = nullptr;
    QLabel *m_widthLabel = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace syllables
