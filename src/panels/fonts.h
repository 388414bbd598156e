// The two typefaces of the layout. 宋体 is asked for as SimSun, 宋体, then AR PL UMing CN, and
// 楷体 as KaiTi, 楷体, then AR PL UKai CN: fontconfig maps neither Chinese name on its own, and
// the space-padded columns of the panels need a face whose Latin letters and blanks are half as
// wide as an ideograph.
#pragma once

#include <QFont>

#include "model/paneltables.h"

namespace Fonts {

QFont song(qreal points, bool bold = false);
QFont kai(qreal points, bool bold = false);

// The window's default font, 宋体 9 pt.
QFont windowDefault();

QFont forRole(FontRole role);

} // namespace Fonts
