#pragma once

// The pictures the program carries: the banner and the five insurer badges.

#include "profiles/insurer.hpp"

#include <QPixmap>

namespace lumtaris {

QPixmap BannerPicture();
// The badge of an insurer: its code and short name in a colour of its own.
QPixmap InsurerLogo(InsurerIndex insurer);

} // namespace lumtaris
