#pragma once

namespace sentier {

// What a press on the board or an arrow key did, for the window to tell.
enum class Effet {
  Nothing,           // out of reach, or an arrow key at the board's edge
  Finished,          // the game is won: a press does nothing
  FinishedKey,       // the same for an arrow key
  Idle,              // no mode chosen yet
  KeysNeedBasket,    // an arrow key outside the walk
  GirlPlaced, GirlNotOnTree,
  HutPlaced, HutNotOnTree,
  FlowerSown, FlowerRemoved, FlowersFull, NotTreeNorFlower,
  WolfHidden, WolfRemoved, WolvesFull, NotTreeNorWolf,
  PathCut, TreePlanted, NotTreeNorPath,
  Bump,              // walked into a tree: one more bump, she stays
  Bitten,            // walked into a wolf: she stays
  HutNeedsBoth, HutNeedsFlowers, HutNeedsWolves,  // the hut refused: she stays
  Home,              // into the hut with every flower and wolf: won
  Picked,            // onto a flower, picked
  Walked,            // along the path or on her own cell
  BrokenFlower,      // a flower shot: it is lost
  WolfShot,
  Missed,
};

// What asking for a mode gave.
enum class Demande {
  Entered,           // the mode changed
  Confirm,           // the world is complete: the child confirms before playing
  Finished,          // the game is won: no mode any more
  Cheat,             // building asked while playing
  NoGirl, NoHut, NoFlowersNorWolves, NoFlowers, NoWolves,  // the world is not complete
};

}  // namespace sentier
