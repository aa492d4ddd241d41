#pragma once
// What the window tests look up: a control by its object name, and a
// length in twips as the screen shows it.
#include "platform/twips.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace testsupport {

inline int px(int twips)
{
    return platform::twipsToPixels(twips, platform::screenDpi());
}

// A missing control ends the run at once: every check after it would only
// dereference a null pointer.
template<typename T>
T *child(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

} // namespace testsupport
