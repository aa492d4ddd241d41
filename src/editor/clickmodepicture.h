#pragma once
// The picture on the click-mode button while the mode is on: a mouse with a
// red separator mark beside it.
#include <QIcon>

namespace editor {

QIcon clickModePicture();

} // namespace editor
