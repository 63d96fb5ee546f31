#pragma once

class QIcon;
class QPixmap;

namespace cuedeck {

/// The STOP picture shown when the tip timer runs out: 128 x 128, a red disc
/// carrying STOP in black capitals on light grey.
QPixmap stop_picture();

/// The program's icon: a counter read-out with a zero mark, in several sizes.
QIcon application_icon();

} // namespace cuedeck
