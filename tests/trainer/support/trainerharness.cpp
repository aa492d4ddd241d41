#include "trainer/support/trainerharness.h"

#include <QTest>

namespace testsupport {

TrainerHarness::TrainerHarness(trainer::TrainerKind trainerKind, platform::Dialogs *ownDialogs)
    : kind(trainerKind), dialogs(ownDialogs ? ownDialogs : &scripted)
{
    shared.workingText().attach(workingField);
    shared.setRequests(&editor);
    recreate();
}

TrainerHarness::~TrainerHarness() = default;

void TrainerHarness::recreate()
{
    window.reset();
    window = std::make_unique<trainer::TrainerWindow>(kind, shared, *dialogs, timers);
}

void TrainerHarness::open(const QString &text)
{
    workingField.setText(text);
    shared.workingText().buildSentenceList();
    window->open();
}

void TrainerHarness::press(Qt::Key key)
{
    QTest::keyClick(keyField(), key);
}

void TrainerHarness::pressAll(const QList<int> &keys)
{
    for (int key : keys)
        press(Qt::Key(key));
}

void TrainerHarness::trigger(const QString &menuName)
{
    QAction *action = menu(menuName);
    if (!action)
        qFatal("no menu entry %s", qPrintable(menuName));
    action->trigger();
}

platform::RichTextField *TrainerHarness::readingField() const
{
    return window->findChild<platform::RichTextField *>(QStringLiteral("RichTextBox1"));
}

QLineEdit *TrainerHarness::keyField() const
{
    return window->findChild<QLineEdit *>(QStringLiteral("Text1"));
}

QListWidget *TrainerHarness::fontList() const
{
    return window->findChild<QListWidget *>(kind == trainer::TrainerKind::Sounds ? QStringLiteral("List1")
                                                                                 : QStringLiteral("List4"));
}

QListWidget *TrainerHarness::exerciseList() const
{
    return window->findChild<QListWidget *>(kind == trainer::TrainerKind::Sounds ? QStringLiteral("List2")
                                                                                 : QStringLiteral("List5"));
}

QAction *TrainerHarness::menu(const QString &name) const
{
    return window->findChild<QAction *>(name);
}

} // namespace testsupport
