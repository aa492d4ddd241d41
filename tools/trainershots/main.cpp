// Opens both reading trainers on a short hyphenated text as the editor
// would, steps a little, and saves each in the full-screen and the window
// view as PNG files into the folder given on the command line.
#include "editor/editoraccess.h"
#include "fonts/offeredfonts.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "soundcolours/soundcolourstate.h"
#include "syllables/syllablestate.h"
#include "textcore/sentences.h"
#include "trainer/trainerwindow.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {

class ShotEditor : public editor::EditorAccess {
public:
    platform::RichTextField field;
    std::vector<std::u16string> sentences;

    platform::RichTextField &workingTextField() override { return field; }
    std::vector<std::u16string> sentenceList() const override { return sentences; }
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
    // The whole screen, so that the picture shows where the window stands.
    const QPixmap shot = window.screen()->grabWindow(0);
    const bool saved = shot.save(path);
    QTextStream(stdout) << (saved ? "saved " : "could not save ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath());

    ShotEditor editor;
    const QString text = QStringLiteral("Wir le\u00ADsen ei\u00ADne Ge\u00ADschich\u00ADte. Der I\u00ADgel "
                                        "sucht Äp\u00ADfel.\r\nDie Maus hilft ihm da\u00ADbei!");
    editor.field.setText(text);
    editor.sentences = textcore::BuildSentenceList(text.toStdU16String());
    platform::QtDialogs dialogs;
    platform::QtTimers timers;
    soundcolours::SoundColourState sounds;
    sounds.specialGroupsText = u"sch,ch,ei,";
    sounds.colours[textcore::SoundClass::Background] = 0xE0FFFF; // pale yellow
    syllables::SyllableState syllableState;
    fonts::OfferedFonts offered;
    offered.names = {QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")};

    bool ok = true;
    for (auto kind : {trainer::TrainerKind::Sounds, trainer::TrainerKind::Syllables}) {
        trainer::TrainerWindow window(kind, sounds, syllableState, offered, editor, dialogs, timers);
        const QString name = window.objectName();
        window.open();
        wait(300);
        ok &= save(window, folder.filePath(name + QStringLiteral("-monitor-text.png")));
        window.pressKey(36); // sentence step
        window.pressKey(38); // syllable step: the sentence after it, growing
        window.pressKey(38);
        window.pressKey(38);
        window.pressKey(46); // show the font list
        wait(200);
        ok &= save(window, folder.filePath(name + QStringLiteral("-monitor.png")));
        window.pressKey(46);
        window.pressKey(17); // window view
        window.pressKey(36);
        wait(300);
        ok &= save(window, folder.filePath(name + QStringLiteral("-fenster.png")));
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
