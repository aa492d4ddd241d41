// The field's file operations live apart from the rest of the field, so
// that programs which never touch files do not pull in the file formats.
#include "platform/richtextfield.h"

namespace platform {

bool RichTextField::loadFile(const QString &path, FileKind kind, QString *error, History history)
{
    const DocumentLoadResult result = loadDocument(path, kind, CharFormat{});
    if (!result.ok) {
        if (error)
            *error = result.errorMessage;
        return false;
    }
    setStyledText(result.text, history);
    if (error)
        error->clear();
    return true;
}

bool RichTextField::saveFile(const QString &path, FileKind kind, QString *error) const
{
    const QString message = saveDocument(path, kind, styledText());
    if (error)
        *error = message;
    return message.isEmpty();
}

} // namespace platform
