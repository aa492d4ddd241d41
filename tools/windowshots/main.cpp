// Starts the whole program in a scratch folder, opens every window from the
// editor's menu as a teacher would, and saves what each looks like as PNG
// files into the folder given on the command line.
#include "about/aboutwindow.h"
#include "app/program.h"
#include "app/programwindows.h"
#include "editor/editorwindow.h"
#include "fonts/fontselectionwindow.h"
#include "platform/dialogs.h"
#include "platform/documentfiles.h"
#include "platform/documentpages.h"
#include "platform/richtextfield.h"
#include "soundcolours/soundcolourwindow.h"
#include "syllables/syllablecolourwindow.h"
#include "textcore/settings.h"
#include "trainer/trainerwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool report(bool saved, const QString &path)
{
    QTextStream(stdout) << (saved ? "saved " : "could not save ") << path << '\n';
    return saved;
}

// The window with its menu bar, without the desktop around it.
// Opens another window as its menu entry in the editor does.
void open(editor::EditorWindow &editorWindow, const char *entry)
{
    editorWindow.findChild<QAction *>(QString::fromLatin1(entry))->trigger();
}

bool saveWindow(QWidget &window, const QString &path)
{
    return report(window.grab().save(path), path);
}

// The whole screen, so that the picture shows where the window stands.
bool saveScreen(QWidget &window, const QString &path)
{
    return report(window.screen()->grabWindow(0).save(path), path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath());
    QDir().mkpath(out.path());

    // A settings file, so that start-up asks nothing, with two offered fonts
    // for the font lists.
    QTemporaryDir folder;
    textcore::Settings settings;
    settings.offeredFonts = {u"DejaVu Sans", u"DejaVu Serif"};
    textcore::WriteSettings(std::filesystem::path(folder.filePath(QStringLiteral("KOLORAT.INI")).toStdString()),
                            settings);

    platform::QtDialogs dialogs;
    app::Program program(dialogs, folder.path());
    dialogs.setParent(&program.editor());
    app::ProgramWindows windows(program);
    editor::EditorWindow &editorWindow = program.editor();
    editorWindow.show();
    wait(500);

    bool ok = saveWindow(editorWindow, out.filePath(QStringLiteral("Form0.png")));

    open(editorWindow, "soundColoursEntry");
    wait(soundcolours::SoundColourWindow::kActivationDelayMs + 400);
    soundcolours::SoundColourWindow &sound = windows.soundColours();
    ok &= saveWindow(sound, out.filePath(QStringLiteral("Form2.png")));
    sound.toggleFontList();
    wait(200);
    ok &= saveWindow(sound, out.filePath(QStringLiteral("Form2-schriften.png")));
    sound.toggleFontList();
    sound.close();

    open(editorWindow, "syllableColoursEntry");
    wait(syllables::SyllableColourWindow::textDelayMs + 400);
    syllables::SyllableColourWindow &syllable = windows.syllableColours();
    ok &= saveWindow(syllable, out.filePath(QStringLiteral("Form3.png")));
    syllable.toggleTable();
    wait(200);
    ok &= saveWindow(syllable, out.filePath(QStringLiteral("Form3-tabelle.png")));
    syllable.toggleTable();
    syllable.close();

    for (auto kind : {textcore::TrainerKind::Sounds, textcore::TrainerKind::Syllables}) {
        if (kind == textcore::TrainerKind::Sounds)
            open(editorWindow, "soundTrainerEntry");
        else
            open(editorWindow, "syllableTrainerEntry");
        trainer::TrainerWindow &trainer = windows.trainerWindow(kind);
        const QString name = trainer.objectName();
        wait(400);
        ok &= saveScreen(trainer, out.filePath(name + QStringLiteral("-monitor-text.png")));
        trainer.pressKey(36); // a sentence
        trainer.pressKey(38); // the next one, growing syllable by syllable
        trainer.pressKey(38);
        trainer.pressKey(46); // the font list
        wait(300);
        ok &= saveScreen(trainer, out.filePath(name + QStringLiteral("-monitor.png")));
        trainer.pressKey(46);
        trainer.pressKey(17); // the window view
        wait(400);
        ok &= saveScreen(trainer, out.filePath(name + QStringLiteral("-fenster.png")));
        trainer.pressKey(27);
    }

    open(editorWindow, "fontSelectionEntry");
    fonts::FontSelectionWindow &fontWindow = windows.fontSelection();
    wait(100);
    ok &= saveWindow(fontWindow, out.filePath(QStringLiteral("Form5-laden.png")));
    wait(fonts::FontSelectionWindow::loadDelayMs + 600);
    ok &= saveWindow(fontWindow, out.filePath(QStringLiteral("Form5.png")));
    fontWindow.close();

    open(editorWindow, "aboutEntry");
    wait(300);
    ok &= saveWindow(windows.about(), out.filePath(QStringLiteral("ZAFLABEL.png")));
    windows.about().close();
    wait(100);

    // The reading aids: arcs and wider spacing in the editor, both colour
    // windows and the syllable trainer, and the PDF worksheet of the text.
    editorWindow.setReadingView(platform::ReadingView{true, platform::LetterSpacing::Wider, platform::WordSpacing::Wide,
                                                      platform::LineSpacing::OneAndAHalf});
    wait(300);
    ok &= saveWindow(editorWindow, out.filePath(QStringLiteral("Form0-lesehilfen.png")));
    const QString pdf = out.filePath(QStringLiteral("arbeitsblatt.pdf"));
    ok &= report(
        platform::saveFileBytes(
            pdf,
            platform::pdfOfDocument(
                *editorWindow.findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"))->document()))
            .ok(),
        pdf);
    open(editorWindow, "soundColoursEntry");
    wait(soundcolours::SoundColourWindow::kActivationDelayMs + 400);
    ok &= saveWindow(sound, out.filePath(QStringLiteral("Form2-lesehilfen.png")));
    sound.close();
    open(editorWindow, "syllableColoursEntry");
    wait(syllables::SyllableColourWindow::textDelayMs + 400);
    ok &= saveWindow(syllable, out.filePath(QStringLiteral("Form3-lesehilfen.png")));
    syllable.close();
    open(editorWindow, "syllableTrainerEntry");
    wait(400);
    ok &= saveScreen(windows.trainerWindow(textcore::TrainerKind::Syllables),
                     out.filePath(QStringLiteral("Form4-lesehilfen.png")));
    windows.trainerWindow(textcore::TrainerKind::Syllables).pressKey(27);
    wait(100);
    ok &= editorWindow.isVisible();
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
