#pragma once
#include <string>
#include <vector>

namespace foret {

// The three fixed exercises of each of the four levels, as rows of text in the
// letters ToClic2D::Load reads. Outside the table: the nearest level and exercise.
std::vector<std::string> ExerciseRows(int level, int exercise);

}  // namespace foret
