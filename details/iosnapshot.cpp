// The system and general input/output indicators of the selected record.

#include "app/velloran.h"

void Velloran::fillIoSnapshot(int) {}
void Velloran::updateSystemInput(int, int) {}
void Velloran::updateSystemOutput(int, int) {}
void Velloran::updateGeneralIo(int, int, int) {}
void Velloran::OnKav_System_IO() {}
void Velloran::OnLum_System_IO() {}
