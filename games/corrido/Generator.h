#pragma once
#include "Grille.h"

#include <QString>
#include <functional>

namespace corrido {

// Builds a new maze in an open board: scattered walls with guarded joins, then
// the level's wall shapes. `caption` hears the name of each step as it begins.
void Generate(Grille& grille, int level, const std::function<void(const QString&)>& caption = {});

// The shapes each level adds after the base, in order (cumulative by level).
int ShapeCount(int level);

}  // namespace corrido
