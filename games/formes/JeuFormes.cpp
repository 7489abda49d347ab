#include "JeuFormes.h"

#include "OneLevelBar.h"

namespace formes {

void JeuFormes::NoticeFinished(TWindow& window) { NoticeFinishedLightning(window); }

}  // namespace formes
