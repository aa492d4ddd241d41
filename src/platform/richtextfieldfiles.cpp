// The field's file operations live apart from the rest of the field, so
// that programs which never touch files do not pull in the file formats.
#include "platform/richtextfield.h"

namespace platform {

textcore::Result<> RichTextField::loadFile(const QString &path, FileKind kind, History history)
{
    const textcore::Result<StyledText> loaded = loadDocument(path, kind, CharFormat{});
    if (loaded.ok())
        setStyledText(loaded.value(), history);
    return loaded;
}

textcore::Result<> RichTextField::saveFile(const QString &path, FileKind kind) const
{
    return saveDocument(path, kind, styledText());
}

} // namespace platform
