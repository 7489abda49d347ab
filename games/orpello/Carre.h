#pragma once

namespace orpello {

// One cell of the field.
struct Carre {
  int found = 0;  // 1 once its content is known: declared rightly, revealed or a start hint
  int row = 0;
  int column = 0;
  int value = 0;             // the nuggets it holds, 0 to 9, once the field is generated
  int neighbourhoodSum = 0;  // the generation's sum around it
};

}  // namespace orpello
