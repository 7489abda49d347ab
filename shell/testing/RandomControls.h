#pragma once
#include <functional>
#include <string>

class GameHarness;

// The random player's events on the platform's controls, where the window has
// them: the items of tree controls opened, closed and selected, the captions,
// edges and corners of child frames dragged. Each may play one event, chosen
// with `pick` (a number below its argument), and returns whether it did, with
// the event worded in `event` (worded before it is played, as the event may end
// the program and the control with it).
bool RandomTreeStep(GameHarness& harness, const std::function<int(int)>& pick, std::string& event);
bool RandomFrameStep(GameHarness& harness, const std::function<int(int)>& pick, std::string& event);
