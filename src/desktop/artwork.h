// The maker's logo and the window icon, drawn from the bundled artwork.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kestrion::desktop {

// The logo at its natural 250 x 53 pixels; transparent when the artwork is
// missing from the build.
QPixmap logoPixmap(qreal devicePixelRatio);

// The 32 x 32 window icon shared by the windows.
QIcon applicationIcon();

}  // namespace kestrion::desktop
