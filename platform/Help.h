#pragma once
#include <QString>

class QWidget;

enum { HELP_QUIT = 2, HELP_CONTENTS = 3 };

// The help viewer: HELP_CONTENTS opens the named help file ("oruga.HLP" is the
// compiled-in page ":/help/oruga.html") at its start; HELP_QUIT closes the viewer.
void WinHelp(QWidget* owner, const QString& file, int command);

namespace HelpViewer {
// The page shown, or an empty text when the viewer is closed.
QString ShownPage();
}
