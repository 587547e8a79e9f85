// The program's table of screens: every screen of every family, with the menu its back button
// reopens and the function that builds its window.
#pragma once

#include <span>

#include "shell/ui/navigation.h"

namespace hanhai::app {

std::span<const shell::ScreenEntry> screens();

}  // namespace hanhai::app
