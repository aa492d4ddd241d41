#pragma once
// The values the sound colour window holds for the whole program: the eight
// SoundColours and the special letter groups as the teacher typed them.
// Created at start-up, because reading the settings file fills them before
// the window itself exists.
#include "textcore/soundcolours.h"

#include <string>

namespace session {

struct SoundColourState {
    textcore::SoundColours colours;
    std::u16string specialGroupsText;
};

} // namespace session
