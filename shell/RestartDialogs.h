#pragma once

class TGameWindow;

// The restart's two dialogs: the notice that nothing needs restarting, and the
// question whether to restart (true on "yes").
void NoticeNothingToRestart(TGameWindow& window);
bool ConfirmRestart(TGameWindow& window);
