// Shows the font selection and about windows as the program would and saves
// what they look like as PNG files into the folder given on the command line.
#include "about/aboutwindow.h"
#include "editor/editoraccess.h"
#include "fonts/fontselectionwindow.h"
#include "platform/dialogs.h"
#include "platform/timers.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {

// Just enough editor for the windows to be opened and left.
class StillEditor : public editor::EditorAccess {
public:
    platform::RichTextField &workingTextField() override { qFatal("no working text here"); }
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

    StillEditor editor;
    platform::QtDialogs dialogs;
    platform::QtTimers timers;
    fonts::OfferedFonts offered;
    fonts::FontSelectionWindow fontWindow(editor, offered, dialogs, timers);
    for (const char *name : {"DejaVu Serif", "Liberation Mono", "DejaVu Sans"})
        fontWindow.appendOfferedFont(QString::fromLatin1(name));

    bool ok = true;
    fontWindow.show();
    wait(100);
    ok &= save(fontWindow, folder.filePath(QStringLiteral("Form5-loading.png")));
    wait(fonts::FontSelectionWindow::loadDelayMs + 500);
    ok &= save(fontWindow, folder.filePath(QStringLiteral("Form5.png")));
    fontWindow.hide();

    about::AboutWindow aboutWindow(editor);
    aboutWindow.openAt(QPoint(100, 100));
    wait(300);
    ok &= save(aboutWindow, folder.filePath(QStringLiteral("ZAFLABEL.png")));
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
