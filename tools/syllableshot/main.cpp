// Opens the syllable colour window on a sample text as the program would and
// saves what it looks like, plain, with the font list and with the table.
#include "editor/editoraccess.h"
#include "fonts/offeredfonts.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "soundcolours/soundcolourstate.h"
#include "syllables/syllablecolourwindow.h"
#include "syllables/syllablestate.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {

class SampleEditor : public editor::EditorAccess {
public:
    platform::RichTextField field;
    platform::RichTextField &workingTextField() override { return field; }
    std::vector<std::u16string> sentenceList() const override { return {}; }
    bool printerLocked() const override { return true; }
    QString currentFolder() const override { return QDir::currentPath() + QLatin1Char('/'); }
    QStringList listedFileNames() const override { return {}; }
    void refreshFileList() override {}
    bool loadRtfIntoWorkingText(const QString &) override { return false; }
    void showEditor(std::optional<QPoint>) override {}
    void setReadingFieldsFont(const QString &) override {}
};

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget &window, const QString &path)
{
    const bool saved = window.grab().save(path);
    QTextStream(stdout) << (saved ? "saved " : "could not save ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath());

    syllables::SyllableState state;
    soundcolours::SoundColourState soundState;
    fonts::OfferedFonts offered;
    offered.add(QStringLiteral("DejaVu Serif"));
    SampleEditor editor;
    platform::QtDialogs dialogs;
    platform::RecordingPrinter printer;
    platform::RecordingClipboard clipboard;
    platform::QtTimers timers;
    const QChar mark(0xAD);
    editor.field.setText(QStringLiteral("Will%1kom%1men bei Ko%1lo%1rat!\r\nRo%1si%1ne und Ro%1se ge%1hen in den Gar%1ten.")
                             .arg(mark));

    syllables::SyllableColourWindow window(state, soundState, offered, editor, dialogs, printer, clipboard, timers);
    window.openAt(window.pos());
    wait(syllables::SyllableColourWindow::textDelayMs + 400);
    bool ok = save(window, folder.filePath(QStringLiteral("Form3.png")));
    window.toggleFontList();
    wait(100);
    ok &= save(window, folder.filePath(QStringLiteral("Form3-fonts.png")));
    window.toggleTable();
    wait(100);
    ok &= save(window, folder.filePath(QStringLiteral("Form3-table.png")));
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
