// Placeholder bodies until this concern's handlers are written; delete when done.
#include "trackfile/ui/track_info_panel.h"

void TrackInfoPanel::wireHandlers() {}
void TrackInfoPanel::GetInfo() {}
void TrackInfoPanel::GetInfoSet() {}
void TrackInfoPanel::UpdateRecord() {}
void TrackInfoPanel::Clean() {}
void TrackInfoPanel::CheckChange() {}
void TrackInfoPanel::InfoOn() {}
void TrackInfoPanel::InfoOff() {}
void TrackInfoPanel::SaveInfo_Click() {}
