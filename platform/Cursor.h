#pragma once
#include <Qt>

// The system pointer shapes the games use.
enum class TCursor { Arrow, Cross, SizeNS, SizeWE, SizeNWSE, SizeNESW, SizeAll, Wait, IBeam, Hand, No };

// The Qt pointer of a shape.
Qt::CursorShape QtCursorShape(TCursor shape);
