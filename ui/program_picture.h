#pragma once

#include <QPixmap>

namespace kwelt {

// The program picture: 32 x 32 pixels with a transparent background.
QPixmap ProgramPicture();

} // namespace kwelt
