// The program button of the Details group: the job program of the selected
// record in the program view.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "programview/joblookup.h"
#include "programview/programview.h"

void Velloran::OnClick_Details_Program()
{
    ProgramView view(nullptr);
    const QString logPath = ui->file_add->text();
    const QString program = ui->program->text();
    const int step = vjob::stepNumber(ui->step->text());
    const QString namePart = family() == vlog::Family::Kav ? vjob::kavNamePart(program) : vjob::lumNamePart(program);
    view.loadJob(logPath, namePart, step, language() == vlog::Korean ? 0 : 1);
}
