#include "app/res/accelerator_table.h"

#include "app/res/resource.h"

const std::array<AcceleratorEntry, 6> g_accelerators = {{
    {AcceleratorEntry::Alt, 'C', ID_OPTION_COMPARE},
    {AcceleratorEntry::Alt, 'E', ID_OPTION_EMPTY},
    {AcceleratorEntry::Ctrl, 'O', ID_FILE_OPEN},
    {AcceleratorEntry::Alt, 'R', ID_OPTION_READ},
    {AcceleratorEntry::Ctrl, 'S', ID_FILE_SAVE},
    {AcceleratorEntry::Alt, 'W', ID_OPTION_WRITE},
}};
