// Placeholder bodies until this concern's handlers are written; delete when done.
#include "packs/ui/menu_pictures.h"

void MenuPictures::wireHandlers() {}
void MenuPictures::UpdateMaps() {}
void MenuPictures::GetBmp() {}
void MenuPictures::clearPreviews() {}
void MenuPictures::Repair_Click() {}
