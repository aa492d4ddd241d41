#include "soundcolours/support/harness.h"

#include "platform/richtextfield.h"

#include <QFile>
#include <QTest>

Harness::Harness()
{
    shared.workingText().attach(*editor.field);
    shared.setRequests(&editor);
    shared.setPrinterLocked(false);
    window = std::make_unique<soundcolours::SoundColourWindow>(shared, dialogs, printer, clipboard, timers);
}

void Harness::openWith(const QString &text)
{
    editor.field->setText(text);
    window->open(QPoint(40, 30));
    timers.fireAll();
}

std::vector<textcore::Colour> Harness::previewColours() const
{
    return window->preview().coloursOfAllPositions();
}

QString sampleText(const QString &name)
{
    QFile file(QStringLiteral(KOLORAT_TEST_DATA "/soundcolours/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}
