#pragma once
// The text the editor greets the teacher with. Its syllable boundaries are
// already marked, mostly with "-" and in one paragraph with soft hyphens; the
// start-up step hides them all.
#include <QString>

namespace editor {

QString welcomeText();

} // namespace editor
