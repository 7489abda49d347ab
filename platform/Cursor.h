#pragma once

// The system pointer shapes the games use.
enum class TCursor { Arrow, Cross, SizeNS, SizeWE, SizeNWSE, SizeNESW, SizeAll, Wait, IBeam, Hand, No };
