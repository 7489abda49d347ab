#pragma once
#include "Case.h"

namespace visado {

// Side of a picture of the catalogue, in the row and in the centre.
inline constexpr int kSide = 49;

// A cell that shows one picture of the catalogue (`picture`, its index). Its
// placing size may be larger than the picture, as the centre cell's 79 x 79:
// the picture is always drawn 49 x 49 from the cell's corner.
class CaseToAfi : public Case {};

}  // namespace visado
