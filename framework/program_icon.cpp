#include "framework/program_icon.h"

#include <QPixmap>

#include "app/res/app_icon.h"

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(g_ppszIcon32));
    icon.addPixmap(QPixmap(g_ppszIcon16));
    return icon;
}
