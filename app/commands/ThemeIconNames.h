// The desktop theme's standard icon for each command whose meaning one of
// the freedesktop names fits.
#pragma once

namespace cmd {

// The freedesktop icon name of command `id`, or nullptr where none fits.
const char* ThemeIconName(int id);

}  // namespace cmd
