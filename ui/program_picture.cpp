#include "program_picture.h"

namespace kwelt {

QPixmap ProgramPicture()
{
    return QPixmap(QStringLiteral(":/kwelt/kwelt.png"));
}

} // namespace kwelt
