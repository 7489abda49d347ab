#pragma once
#include "FriseFixture.h"
#include "TesseloWindow.h"

using TesseloTest = FriseFixture<tesselo::TMyAppCumMenuSuite, tesselo::TMainWindowSuite>;
