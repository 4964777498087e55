// Languages, the user manual and the about box.

#include "app/velloran.h"

void Velloran::OnSelectLang(int) {}
void Velloran::OnHelp_Manual() {}
void Velloran::OnVersion() {}
