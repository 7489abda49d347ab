#pragma once

class TGameWindow;

// The smallest screen the games are laid out for.
inline constexpr int kLeastScreenWidth = 1024;
inline constexpr int kLeastScreenHeight = 768;

// On a smaller screen, tells the grown-up once that part of the game may not
// show; the game still starts and plays.
void NoticeSmallScreen(TGameWindow& window);
