#pragma once
// The rich-text field every window shows its text in.
//
// Positions: the field's plain text (text()) writes every line break as the
// two characters "\r\n", and every position of that text, the CR and the LF
// included, addresses the same character in selections, colours and runs.
// Inside the QTextDocument a line break is one block separator; the field
// maps between the two counts (both CR and LF of a break map to its one
// separator, so a selection touching either half covers the whole break).
// A line separator (U+2028, Shift+Enter, pasted text) never enters the
// document: it becomes an ordinary line break.
//
// Colours: a character without an explicit colour counts as black, and the
// field draws it black whatever the desktop's palette says.
//
// Use text()/setText() of this class, never QTextEdit's toPlainText() (it
// turns U+00A0 into a blank) or QTextEdit::setText() (it guesses HTML).
// changed() covers every content change; textChanged() is Qt's own.
#include "platform/documentfiles.h"
#include "platform/readingview.h"
#include "platform/styledtext.h"
#include "textcore/colour.h"

#include <QTextEdit>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

namespace platform {

class RichTextField : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextField(QWidget *parent = nullptr);
    ~RichTextField() override;

    // What a replacement of the whole content does to the undo history.
    enum class History {
        Cleared, // the content starts afresh: nothing before it can be undone
        OneStep, // one undo step brings back the text and every format it replaced
    };

    // --- plain text ---------------------------------------------------------
    // The whole text, line breaks "\r\n".
    QString text() const;
    // Replaces the whole content in the field's default font; all character
    // formatting (also the typing format) is dropped, caret at the start.
    // Any line-break form ("\r\n", "\r", "\n", U+2028, U+2029) becomes one
    // line break, so text() afterwards may differ from `plain` in exactly
    // those places. Raises changed() once.
    void setText(const QString &plain, History history = History::Cleared);
    // Length of text() without building it (O(1)).
    int length() const;

    // --- whole field --------------------------------------------------------
    // Background of the whole field (not part of the text: never saved or printed).
    void setBackColor(textcore::Colour colour);
    textcore::Colour backColor() const;
    // Default font of the field and font of every character (bold and
    // italic of the characters stay as they are). Size in points, decimals allowed.
    void setFieldFont(const QString &name, double pointSize);
    void setFieldFontName(const QString &name);
    void setFieldFontSize(double pointSize);
    // Bold for the whole field (default font and every character).
    void setFieldFontBold(bool bold);
    QString fieldFontName() const;
    double fieldFontSize() const;

    // --- selection (plain-text positions, 0-based) ------------------------
    int selStart() const;
    int selLength() const;
    // Selects [start, start + length), clamped to the text; the caret ends
    // at the end of the range.
    void setSel(int start, int length);
    // Collapses the selection to a caret at `start` (clamped).
    void setSelStart(int start);
    // The selected characters, line breaks "\r\n".
    QString selText() const;
    // Colours the selected characters; with nothing selected, sets the colour
    // of text typed next and changes no character.
    void setSelColor(textcore::Colour colour);
    // These affect the selected characters only (nothing selected: the typing format).
    void setSelBold(bool bold);
    void setSelItalic(bool italic);

    // --- bulk operations ----------------------------------------------------
    // One colour per plain-text position. A line break is one character
    // and takes its LF's entry, as if every position had been selected and
    // coloured in order. Applied in one undo step, touching only characters whose
    // colour differs. Extra entries are ignored; positions beyond the
    // vector keep their colour. Raises changed() once, or not at all when no
    // colour differed. Keeps the selection.
    void applyColours(const std::vector<textcore::Colour> &perPosition);
    // The colour of every plain-text position (both halves of a line break
    // get the break's colour).
    std::vector<textcore::Colour> coloursOfAllPositions() const;
    // Font name and size for every character and for the field's default
    // font, in one undo step. An empty name or a size <= 0 leaves that part.
    void setFontForAll(const QString &name, double pointSize);
    // Undo history on or off (off for preview and reading fields).
    void setUndoEnabled(bool enabled);

    // --- edits of single characters -------------------------------------
    // Each one undo step, every character not named keeping its formatting.
    //
    // Puts `character` in `colour` at each plain-text position (ascending;
    // line breaks are never named). Each keeps its font and style; one that
    // holds `character` already only takes the colour. The caret ends behind
    // the last position. Returns the colour the last position had before,
    // none when no position was named.
    std::optional<textcore::Colour> replaceCharacters(const std::vector<std::size_t> &positions, char16_t character,
                                                      textcore::Colour colour);
    // Inserts `mark` in `colour` before each plain-text position of the
    // present text (ascending), each with the font and style of the
    // character before it.
    void insertMarks(const std::vector<std::size_t> &positions, char16_t mark, textcore::Colour colour);
    // Bold and italic for every character and for text typed next; an empty
    // value leaves that part as it is. The caret ends at the end.
    void setStyleForAll(std::optional<bool> bold, std::optional<bool> italic);

    // --- reading view ---------------------------------------------------------
    // Syllable arcs and spacing for this field and its prints. Display only:
    // text(), styledText() and saved files stay as they are, and changed()
    // is not raised.
    void setReadingView(const ReadingView &view);
    ReadingView readingView() const;

    // --- runs and files -----------------------------------------------------
    // Runs of characters with equal format; their text joined equals text().
    // Font names and sizes are the effective ones (never empty or 0).
    StyledText styledText() const;
    // Replaces the content by the runs (empty font name / size 0: the field's
    // default). Line-break forms as in setText(). Caret at the start,
    // changed() raised once.
    void setStyledText(const StyledText &runs, History history = History::Cleared);
    // Replaces the content with the file's. On failure the content stays.
    textcore::Result<> loadFile(const QString &path, FileKind kind, History history = History::Cleared);
    // Writes the content (RTF: every character's colour, font, size, bold,
    // italic; plain text: text()).
    textcore::Result<> saveFile(const QString &path, FileKind kind) const;
    // A copy of the selected characters with their formatting, for printing
    // the selection.
    std::unique_ptr<QTextDocument> selectionAsDocument() const;

    // --- position mapping ---------------------------------------------------
    // Plain-text position -> document position (the CR and the LF of a line
    // break both give the break's one position). O(log number of lines).
    int documentPosition(int plainPosition) const;

signals:
    // Every change of the content (text or formatting), by the user or the program.
    void changed();
    // A mouse click has placed the caret.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void setFontOfWholeField(const QFont &font, const QTextCharFormat &format);
    // Replaces the content by what `insert` writes at the start of the
    // emptied document, as one undo step.
    void replaceAllAsOneStep(const std::function<void(QTextCursor &)> &insert);
    // Gives the document the view again after its content or font was replaced.
    void reapplyReadingView();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform
