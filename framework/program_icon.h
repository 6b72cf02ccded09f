#pragma once

// The program's icon in its two sizes: the main window's, the About box's and the form's.

#include <QIcon>

QIcon ProgramIcon();
